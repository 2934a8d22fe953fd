#!/usr/bin/env bash
# The program's CPU share while Sonavelle plays an MP3 with its counters running, against the
# same program idle and against the same file in a bare GStreamer playbin (the decoding floor).
# Runs the real program on a virtual display as on a desktop (bench/desktop-session), drawn with
# cairo like the other whole-program benchmarks, and drives it with xdotool.
#   bench/player_cpu.sh [seconds]      (after `make build`; TARRAVELLE=path picks another build)
# Prints rows of the `make bench` table.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
program=$(realpath "${TARRAVELLE:-build/tarravelle}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gst-launch-1.0 -q audiotestsrc num-buffers=1200 samplesperbuffer=4410 ! \
  audio/x-raw,rate=44100,channels=2 ! audioconvert ! lamemp3enc ! xingmux ! \
  filesink location="$work/tone.mp3"

export WEBKIT_DISABLE_COMPOSITING_MODE=1 GSK_RENDERER=cairo SECONDS_TO_MEASURE=$seconds WORK=$work PROGRAM=$program
bench/desktop-session bash -c '
  ticks() { awk "{ print \$14 + \$15 }" /proc/$1/stat; }
  share() {  # CPU share of process $1 over SECONDS_TO_MEASURE, in percent of one core
    local before after hz
    hz=$(getconf CLK_TCK)
    before=$(ticks $1); sleep "$SECONDS_TO_MEASURE"; after=$(ticks $1)
    echo "scale=1; 100 * ($after - $before) / $hz / $SECONDS_TO_MEASURE" | bc
  }
  gst-launch-1.0 -q playbin uri="file://$WORK/tone.mp3" video-sink=fakesink >/dev/null 2>&1 &
  floor_pid=$!
  sleep 1; floor=$(share $floor_pid); kill $floor_pid

  HOME=$WORK XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data "$PROGRAM" >/dev/null 2>&1 &
  pid=$!
  sleep 2; xdotool mousemove 20 20 click 1; sleep 3
  idle=$(share $pid)
  xdotool mousemove 612 56 click 1; sleep 1.5
  xdotool key ctrl+l; sleep 0.3
  xdotool type --delay 5 "$WORK/tone.mp3"; sleep 0.3; xdotool key Return; sleep 3
  playing=$(share $pid)
  kill $pid
  echo "| player: program idle (% of one core) | $idle |"
  echo "| player: program while an MP3 plays, counters on | $playing |"
  echo "| player: the same file in a bare playbin (decoding floor) | $floor |"
  echo "| player: counters and panel, playing - idle - floor; target under 3 | $(echo "$playing - $idle - $floor" | bc) |"
'
