#!/usr/bin/env bash
# Screenshots of the toolkit's sample dialog and of its three message boxes, each cropped to its window,
# taken on a private virtual X server: docs/screenshots/toolkit-*.png. Build tk-sample first.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sample="$root/build/bin/tk-sample"
out="$root/docs/screenshots"
# shellcheck source=lib/xvfb.sh
source "$root/scripts/lib/xvfb.sh"
# shellcheck source=lib/window-manager.sh
source "$root/scripts/lib/window-manager.sh"

for tool in xdotool xwininfo import; do
    if ! command -v "$tool" >/dev/null; then
        echo "screenshots-toolkit.sh: $tool is not installed" >&2
        exit 127
    fi
done
if [[ ! -x "$sample" ]]; then
    echo "screenshots-toolkit.sh: $sample is missing; build the target tk-sample" >&2
    exit 1
fi

# The id of the viewable window called exactly $1, waiting up to ten seconds for it.
find_window() {
    local id attempt
    for ((attempt = 0; attempt < 200; attempt++)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    echo "screenshots-toolkit.sh: no window '$1' appeared" >&2
    return 1
}

# Runs the sample with the arguments after $2, and saves the window called $2, with its frame, as $1.
shoot() {
    local file=$1 title=$2
    shift 2
    "$sample" "$@" &
    local pid=$! id info x y width height status=0
    if id=$(find_window "$title"); then
        # The sample paints right after mapping; a moment lets those pixels reach the server.
        sleep 0.5
        info=$(xwininfo -id "$(frame_of "$id")")
        x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
        y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
        width=$(awk '/Width:/ {print $2}' <<<"$info")
        height=$(awk '/Height:/ {print $2}' <<<"$info")
        import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out/$file"
        echo "$out/$file: ${width}x${height}"
    else
        status=1
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return "$status"
}

take_all() {
    shoot toolkit-sample.png "Toolkit Sample"
    shoot toolkit-box-ok-error.png "Toolkit Sample" --message-box ok
    shoot toolkit-box-okcancel-question.png "Toolkit Sample" --message-box okcancel
    shoot toolkit-box-yesno-question.png "Toolkit Sample" --message-box yesno
}

mkdir -p "$out"
export -f frame_of shoot find_window take_all with_window_manager
export sample out
with_xvfb bash -c 'with_window_manager take_all'
