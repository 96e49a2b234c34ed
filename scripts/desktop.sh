# A private headless desktop: Xvfb, a D-Bus session, the AT-SPI bus, a null sound sink and a
# tray host.
# Sourced by scripts/run and scripts/test. qm_desktop_start exports DISPLAY and
# DBUS_SESSION_BUS_ADDRESS; qm_desktop_stop ends what it started, by PID.

QM_DESKTOP_PIDS=()

qm_desktop_start()
{
    local dir=$1
    mkdir -p "$dir"
    chmod 700 "$dir"
    # Xvfb picks a free display number and writes it to fd 3. A plain black desktop (-br), as a
    # wallpaper would be, instead of the server's one-pixel weave.
    exec 3>"$dir/display"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -br -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    QM_DESKTOP_PIDS+=($!)
    exec 3>&-
    local i
    for i in $(seq 1 100); do
        [ -s "$dir/display" ] && break
        sleep 0.1
    done
    [ -s "$dir/display" ] || { echo "Xvfb did not start (see $dir/xvfb.log)" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$dir/display")"

    local bus
    bus=$(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1) || {
        echo "dbus-daemon did not start" >&2; return 1; }
    export DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
    QM_DESKTOP_PIDS+=($(echo "$bus" | sed -n 2p))

    export XDG_RUNTIME_DIR="$dir/runtime"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_SESSION_TYPE=x11
    export QT_QPA_PLATFORM=xcb
    # Toolkits expose their accessibility tree only when asked to.
    export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0
    local launcher=/usr/libexec/at-spi-bus-launcher
    if [ -x "$launcher" ]; then
        "$launcher" --launch-immediately >"$dir/atspi.log" 2>&1 &
        QM_DESKTOP_PIDS+=($!)
        for i in $(seq 1 50); do
            dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
                >/dev/null 2>&1 && break
            sleep 0.1
        done
        dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
            >/dev/null 2>&1 || true
    fi

    # A sound server with a null sink, so playback runs as on a desktop with speakers.
    if command -v pulseaudio >/dev/null 2>&1; then
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes -F /dev/null \
            --load="module-null-sink sink_name=quillmoor_null" \
            --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse.sock auth-anonymous=1" \
            >"$dir/pulse.log" 2>&1 &
        QM_DESKTOP_PIDS+=($!)
        export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse.sock"
        for i in $(seq 1 50); do
            [ -S "$XDG_RUNTIME_DIR/pulse.sock" ] && break
            sleep 0.1
        done
    fi

    trayer --edge top --align right --widthtype request --height 24 --SetDockType true --transparent false \
        >"$dir/tray.log" 2>&1 &
    QM_DESKTOP_PIDS+=($!)
    # The tray owns the _NET_SYSTEM_TRAY_S0 selection once its window is up; a loaded machine
    # may take several seconds.
    for i in $(seq 1 150); do
        xwininfo -root -tree 2>/dev/null | grep -qi trayer && break
        sleep 0.1
    done
}

qm_desktop_stop()
{
    local pid
    for pid in "${QM_DESKTOP_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${QM_DESKTOP_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    QM_DESKTOP_PIDS=()
}
