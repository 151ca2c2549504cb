#!/usr/bin/env bash
# Takes the wizard's screenshots for docs/screenshots from the real X11 window on a private Xvfb: all
# nine pages, the three kinds of message box, and the welcome page at 96 and 144 DPI.
# Needs a build (scripts/run or scripts/test builds one). A window manager with a classic theme draws the
# title bars, as a desktop would.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/xvfb.sh
source scripts/lib/window-manager.sh

out=docs/screenshots
mkdir -p "$out"
setup=build/bin/olvexremote-setup
hotsync=build/bin/hotsync

# The bounding box of the setup's windows (the wizard and its message boxes), or of the windows named, as
# WxH+X+Y.
area() {
    local id geometry x y w h left=99999 top=99999 right=0 bottom=0
    local ids=("$@")
    ((${#ids[@]})) || ids=($(xdotool search --name "OlvexRemote for PalmOS Setup"))
    for id in "${ids[@]}"; do
        geometry=$(xwininfo -id "$(frame_of "$id")")
        grep -q "Map State: IsViewable" <<<"$geometry" || continue
        x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
        y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
        w=$(awk '/Width:/ {print $2}' <<<"$geometry")
        h=$(awk '/Height:/ {print $2}' <<<"$geometry")
        ((x < left)) && left=$x
        ((y < top)) && top=$y
        ((x + w > right)) && right=$((x + w))
        ((y + h > bottom)) && bottom=$((y + h))
    done
    echo "$((right - left))x$((bottom - top))+${left}+${top}"
}

take_all() {
    local store wizard app
    store=$(mktemp -d)
    trap 'rm -rf "$store"' RETURN

    # Starts the setup over a store, waits for its window and remembers the window's id.
    start() {
        HOTSYNC_HOME="$1" "$setup" &
        app=$!
        for _ in $(seq 50); do
            wizard=$(xdotool search --name "OlvexRemote for PalmOS Setup" 2>/dev/null | head -n1 || true)
            [[ -n "$wizard" ]] && break
            sleep 0.1
        done
        sleep 0.3
    }
    # Saves the area of the screen that the wizard and any box over it cover (or the windows named).
    shot() {
        sleep 0.4
        local name=$1
        shift
        import -window root -crop "$(area "$@")" +repage "$out/$name.png"
        echo "  $out/$name.png"
    }
    keys() { xdotool key --delay 150 "$@"; }

    HOTSYNC_HOME="$store" "$hotsync" add-user "Alice Walker" >/dev/null
    HOTSYNC_HOME="$store" "$hotsync" add-user "Bob Marsh" >/dev/null

    # A whole run: every page on the way, the cancel box, the finished page.
    start "$store"
    shot wizard-1-welcome
    keys Escape; shot box-cancel-yesno-question; keys alt+n
    keys Return; shot wizard-2-license
    keys alt+a; shot wizard-2-license-accepted
    keys Return; shot wizard-3-requirements
    keys Return; shot wizard-4-version
    keys Return; shot wizard-5-user
    keys Return; shot wizard-7-finish
    keys Return; wait "$app"

    # A second run over the same user: the overwrite box over the progress page, then cancelled.
    start "$store"
    keys Return alt+a Return Return Return Return
    shot box-overwrite-okcancel-question
    # Move the box off the wizard for a clear view of the progress page.
    local box
    box=$(xdotool search --name "OlvexRemote for PalmOS Setup" | grep -v "^$wizard\$" | tail -n1)
    xdotool windowmove "$box" 0 0
    shot wizard-6-progress "$wizard"
    keys Escape; shot wizard-9-interrupted
    keys Return; wait "$app"

    # A store without users: the error box, then the error page.
    local empty
    empty=$(mktemp -d)
    start "$empty"
    keys Return alt+a Return Return Return
    shot box-error-ok
    keys Return; shot wizard-8-error
    keys Return; wait "$app"
    rm -rf "$empty"
}

take_dpi() {
    local dpi=$1 store wizard
    store=$(mktemp -d)
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"
    HOTSYNC_HOME="$store" "$setup" &
    local app=$!
    for _ in $(seq 50); do
        wizard=$(xdotool search --name "OlvexRemote for PalmOS Setup" 2>/dev/null | head -n1 || true)
        [[ -n "$wizard" ]] && break
        sleep 0.1
    done
    sleep 0.5
    import -window root -crop "$(area)" +repage "$out/wizard-dpi-$dpi.png"
    echo "  $out/wizard-dpi-$dpi.png"
    xdotool key Escape; sleep 0.3; xdotool key alt+y; sleep 0.3; xdotool key Return
    wait "$app"
    rm -rf "$store"
}

export -f frame_of area take_all take_dpi with_window_manager
export out setup hotsync
with_xvfb bash -c 'with_window_manager take_all'
with_xvfb bash -c 'with_window_manager take_dpi 96'
with_xvfb bash -c 'with_window_manager take_dpi 144'
