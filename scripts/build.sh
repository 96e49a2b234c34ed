# Configure and build a tree incrementally. Sourced by scripts/run and scripts/test. Builds the
# targets named in QM_BUILD_TARGETS (space-separated) when set, else everything.
qm_build()
{
    local top=$1 tree=$2
    shift 2
    export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/quillmoor-ccache}
    if [ ! -f "$tree/build.ninja" ]; then
        cmake -S "$top" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" || return 1
    fi
    local targets=()
    local target
    for target in ${QM_BUILD_TARGETS:-}; do targets+=(--target "$target"); done
    cmake --build "$tree" -j2 "${targets[@]}"
}

# Fails, naming them, when C++ files differ from what .clang-format makes of them.
qm_check_format()
{
    local top=$1 unformatted=()
    local file
    while IFS= read -r file; do
        clang-format --dry-run -Werror "$top/$file" >/dev/null 2>&1 || unformatted+=("$file")
    done < <(git -C "$top" ls-files '*.cpp' '*.h')
    [ ${#unformatted[@]} -eq 0 ] && return 0
    echo "Not formatted with .clang-format (run: clang-format -i FILE):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    return 1
}
