#!/usr/bin/env bash
# Start-up time and memory of the program side by side with a bare GTK 4 + WebKitGTK 6.0 window
# (bench/bare_browser.c), taken in turn A B A B, each with a fresh home, in a private network
# namespace where only loopback exists, against bench/loopback_server.py, which notes when a
# page's load handler has run, as on a desktop (bench/desktop-session).
#   bench/startup.sh [pairs]     (after `make bench` has built bench_bare_browser)
# Prints rows of the `make bench` table. TARRAVELLE=path picks another build of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  exec unshare -n "$0" --inside "${1:-5}"
fi
pairs=$2
ip link set lo up
program=$(realpath "${TARRAVELLE:-build/tarravelle}")
bare=$(realpath build/bench/bench_bare_browser)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
port=8931
source bench/process_tree.sh
serve_loopback $port "$work/loads.log"
# The same drawing for both: software, without the engine's GPU compositing.
export WEBKIT_DISABLE_COMPOSITING_MODE=1 GSK_RENDERER=cairo
export PROGRAM=$program BARE=$bare WORK=$work PORT=$port PAIRS=$pairs

bench/desktop-session bash -c '
  now() { python3 -c "import time; print(f\"{time.monotonic():.6f}\")"; }
  source bench/process_tree.sh
  # One start: prints "<ms from start to load> <ms from hand-over to load> <PSS MiB or ->"
  run() {
    local which=$1 page=$2 want_pss=$3 home pid start loaded handover
    home=$(mktemp -d "$WORK/home.XXXXXX")
    mkdir -p "$home/config/tarravelle"
    printf "[%s\\\\HP]\nHP=http://127.0.0.1:$PORT/$page\n" "$(dirname "$PROGRAM")" \
      > "$home/config/tarravelle/settings.ini"
    : > "$WORK/loads.log"
    start=$(now)
    if [ "$which" = program ]; then
      HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        G_MESSAGES_DEBUG=Tarravelle "$PROGRAM" > "$home/log" 2>&1 &
    else
      HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        "$BARE" "http://127.0.0.1:$PORT/$page" > "$home/log" 2>&1 &
    fi
    pid=$!
    for _ in $(seq 300); do grep -q "$page" "$WORK/loads.log" && break; sleep 0.05; done
    loaded=$(awk -v p="$page" "\$2 == p { print \$1; exit }" "$WORK/loads.log")
    handover=$(sed -n "s/.*splash handed over at \([0-9]*\).*/\1/p" "$home/log" | head -1)
    local total="-" after="-" pss="-"
    [ -n "$loaded" ] && total=$(awk "BEGIN { printf \"%d\", ($loaded - $start) * 1000 }")
    [ -n "$loaded" ] && [ -n "$handover" ] &&
      after=$(awk "BEGIN { printf \"%d\", ($loaded - $handover / 1000000) * 1000 }")
    if [ "$want_pss" = yes ]; then sleep 3; pss=$(pss_mib $pid); fi
    end_tree $pid
    echo "$total $after $pss"
  }
  median() { sort -n | awk "{ v[NR] = \$1 } END { print (NR ? v[int((NR + 1) / 2)] : \"-\") }"; }

  for i in $(seq $PAIRS); do
    run program small no >> "$WORK/program.small"
    run bare small no >> "$WORK/bare.small"
  done
  run program big yes > "$WORK/program.big"
  run bare big yes > "$WORK/bare.big"

  p_total=$(cut -d" " -f1 "$WORK/program.small" | median)
  p_after=$(cut -d" " -f2 "$WORK/program.small" | median)
  b_total=$(cut -d" " -f1 "$WORK/bare.small" | median)
  read -r pb_total pb_after p_pss < "$WORK/program.big"
  read -r bb_total _ b_pss < "$WORK/bare.big"
  echo "| start-up: start to small home page loaded less the 4,000 ms splash, median of $PAIRS (ms); target 200 | $((p_total - 4000)) |"
  echo "| start-up: start to small home page loaded, median (ms): program / bare window | $p_total / $b_total |"
  echo "| start-up: splash hand-over to small home page loaded, median (ms) | $p_after |"
  echo "| start-up: start to big page loaded (ms): program / bare window | $pb_total / $bb_total |"
  echo "| memory: process-tree PSS 3 s after the big page (MiB): program / bare window; target 1.1x | $p_pss / $b_pss = $(echo "scale=2; $p_pss / $b_pss" | bc)x |"
'
