#!/usr/bin/env bash
# The desktop program driven by real X input on a server of its own: the example opened,
# the graph shown in a 1600 x 1000 window, one wheel step over it, then Pos1. The pictures
# of the screen are compared by pictures.py: the side view fills the window, the wheel
# changes what the axes show, Pos1 brings back the first picture exactly.
#
#     graph_under_x.sh DRAVON EXAMPLE.dvn WORKDIR
# Runs itself under xvfb-run when no display is given.
set -euo pipefail

program=$1 example=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DRAVON_X11_INNER:-}" ]; then
  mkdir -p "$work"
  DRAVON_X11_INNER=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
export DRAVON_NO_REGISTER=1 LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
rm -f "$work"/*.ppm

"$program" "$example" > "$work/dravon.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# The window of a class, once it is mapped.
window() {
  for _ in $(seq 1 200); do
    if id=$(xdotool search --onlyvisible --class dravon 2>/dev/null | tail -n 1) && [ -n "$id" ]; then
      echo "$id"; return 0
    fi
    sleep 0.1
  done
  echo "no window of dravon appeared" >&2; return 1
}
shot() { sleep "${2:-1}"; import -window root -depth 8 "$work/$1.ppm"; }

# The measurement dialog opens over the document: Escape takes the survey as it was read.
sleep 2
window > /dev/null
xdotool key --clearmodifiers Escape
sleep 1
main=$(xdotool search --onlyvisible --name 'example' | head -n 1)
xdotool windowmove "$main" 0 0 windowsize "$main" 1600 1000
sleep 1
xdotool mousemove 800 450 click 1
xdotool key F3
shot graph 2
xdotool mousemove 800 450 click 4
shot wheel
xdotool key Home
shot home
xdotool key ctrl+q
sleep 1
python3 "$here/pictures.py" "$work"
