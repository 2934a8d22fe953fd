#!/usr/bin/env bash
# CPU of the program's whole process tree while it sits idle with a static page shown and the
# player empty, side by side with the bare GTK 4 + WebKitGTK 6.0 window (bench/bare_browser.c)
# showing the same page, and with it the bare window with a clock label ticking every second
# (the least a window with a running clock costs), taken in turn: each settles for 10 s, then is
# measured over the next SECONDS. Loopback only, in a private network namespace, with a fresh home, as on a
# desktop (bench/desktop-session).
#   bench/idle.sh [seconds] [pairs]     (after `make bench`; TARRAVELLE=path picks another build)
# Prints rows of the `make bench` table.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  exec unshare -n "$0" --inside "${1:-20}" "${2:-3}"
fi
ip link set lo up
export SECONDS_TO_MEASURE=$2 PAIRS=$3 PORT=8933 WORK=$(mktemp -d)
export PROGRAM=$(realpath "${TARRAVELLE:-build/tarravelle}") BARE=$(realpath build/bench/bench_bare_browser)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
source bench/process_tree.sh
serve_loopback $PORT "$WORK/loads.log"
export WEBKIT_DISABLE_COMPOSITING_MODE=1 GSK_RENDERER=cairo

bench/desktop-session bash -c '
  source bench/process_tree.sh
  idle() {  # CPU share of a process tree over SECONDS_TO_MEASURE after 10 s, in % of one core
    local which=$1 home pid before after
    home=$(mktemp -d "$WORK/home.XXXXXX")
    mkdir -p "$home/config/tarravelle"
    printf "[%s\\\\HP]\nHP=http://127.0.0.1:$PORT/small\n" "$(dirname "$PROGRAM")" \
      > "$home/config/tarravelle/settings.ini"
    local binary=$PROGRAM
    [ "$which" = bare ] && binary="$BARE http://127.0.0.1:$PORT/small"
    [ "$which" = clock ] && binary="$BARE --clock http://127.0.0.1:$PORT/small"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
      $binary > "$home/log" 2>&1 &
    pid=$!
    sleep 10
    before=$(tree_ticks $pid); sleep "$SECONDS_TO_MEASURE"; after=$(tree_ticks $pid)
    end_tree $pid
    awk -v t=$((after - before)) -v hz=$(getconf CLK_TCK) -v s=$SECONDS_TO_MEASURE \
      "BEGIN { printf \"%.2f\n\", 100 * t / hz / s }"
  }
  median() { sort -n | awk "{ v[NR] = \$1 } END { print (NR ? v[int((NR + 1) / 2)] : \"-\") }"; }
  for i in $(seq $PAIRS); do
    idle program >> "$WORK/program"
    idle bare >> "$WORK/bare"
    idle clock >> "$WORK/clock"
  done
  program=$(median < "$WORK/program") bare=$(median < "$WORK/bare") clock=$(median < "$WORK/clock")
  echo "| idle: process-tree CPU over ${SECONDS_TO_MEASURE} s, a static page shown, median of $PAIRS (% of one core): program / bare window; target bare + 0.3 | $program / $bare = bare + $(awk "BEGIN { printf \"%.2f\", $program - $bare }") |"
  echo "| idle: the bare window with a one-second clock label, the same way (% of one core) | $clock = bare + $(awk "BEGIN { printf \"%.2f\", $clock - $bare }") |"
'
