# A window manager with a classic theme for screenshots, so that windows get the title bars and frames a
# desktop gives them. Source this file, then call `with_window_manager CMD...` inside an X session.

# The window manager's frame around a client window: its ancestor just below the root window.
frame_of() {
    local id=$1 parent root
    root=$(xwininfo -root | awk '/Window id:/ {print $4}')
    while true; do
        parent=$(xwininfo -children -id "$id" | awk '/Parent window id:/ {print $4}')
        [[ -z "$parent" || "$parent" == "$root" ]] && break
        id=$parent
    done
    echo "$id"
}

with_window_manager() {
    if ! command -v icewm >/dev/null; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends icewm >/dev/null
    fi
    local config wm status=0
    config=$(mktemp -d)
    printf 'ShowTaskBar=0\n' >"$config/preferences"
    printf 'Theme="win95/default.theme"\n' >"$config/theme"
    ICEWM_PRIVCFG="$config" icewm >/dev/null 2>&1 &
    wm=$!
    sleep 1
    "$@" || status=$?
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
    rm -rf "$config"
    return "$status"
}
