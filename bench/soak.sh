#!/usr/bin/env bash
# Memory over 600 navigations in one window: each soak page goes on to the next from its load
# handler (bench/loopback_server.py), and the process tree's PSS is read at navigations 0, 300
# and 600, for the program and for the bare GTK 4 + WebKitGTK 6.0 window. Loopback only, in a
# private network namespace, with a fresh home, as on a desktop (bench/desktop-session).
#   bench/soak.sh [navigations]     (after `make bench`; TARRAVELLE=path picks another build)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
  exec unshare -n "$0" --inside "${1:-600}"
fi
export LIMIT=$2
ip link set lo up
export PROGRAM=$(realpath "${TARRAVELLE:-build/tarravelle}") BARE=$(realpath build/bench/bench_bare_browser)
export WORK=$(mktemp -d) PORT=8932
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
source bench/process_tree.sh
serve_loopback $PORT "$WORK/loads.log" "$LIMIT"
export WEBKIT_DISABLE_COMPOSITING_MODE=1 GSK_RENDERER=cairo

bench/desktop-session bash -c '
  source bench/process_tree.sh
  soak() {  # prints PSS at 0, half and all navigations
    local which=$1 home pid figures=""
    home=$(mktemp -d "$WORK/home.XXXXXX")
    mkdir -p "$home/config/tarravelle"
    printf "[%s\\\\HP]\nHP=http://127.0.0.1:$PORT/soak?n=0\n" "$(dirname "$PROGRAM")" \
      > "$home/config/tarravelle/settings.ini"
    : > "$WORK/loads.log"
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
    if [ "$which" = program ]; then "$PROGRAM" >/dev/null 2>&1 & else
      "$BARE" "http://127.0.0.1:$PORT/soak?n=0" >/dev/null 2>&1 & fi
    pid=$!
    for n in 0 $((LIMIT / 2)) $LIMIT; do
      for _ in $(seq 2400); do grep -q " soak=$n\$" "$WORK/loads.log" && break; sleep 0.05; done
      grep -q " soak=$n\$" "$WORK/loads.log" || { figures="$figures -"; continue; }
      figures="$figures $(pss_mib $pid)"
    done
    end_tree $pid
    echo $figures
  }
  read -r p0 p1 p2 <<< "$(soak program)"
  read -r b0 b1 b2 <<< "$(soak bare)"
  growth() { echo "scale=1; $2 - $1" | bc; }
  echo "| memory: PSS at navigation 0 / $((LIMIT / 2)) / $LIMIT, program (MiB) | $p0 / $p1 / $p2 (+$(growth $p0 $p2)) |"
  echo "| memory: the same, bare window (MiB) | $b0 / $b1 / $b2 (+$(growth $b0 $b2)) |"
'
