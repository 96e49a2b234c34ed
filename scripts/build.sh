# Configure and build a tree incrementally. Sourced by scripts/run and scripts/test.
qm_build()
{
    local top=$1 tree=$2
    shift 2
    export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/quillmoor-ccache}
    if [ ! -f "$tree/build.ninja" ]; then
        cmake -S "$top" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" || return 1
    fi
    cmake --build "$tree" -j2
}
