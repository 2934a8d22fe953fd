# Shell functions of the whole-program benchmarks, sourced by them.

# Starts bench/loopback_server.py in the background (arguments: PORT LOG [SOAK_LIMIT]) and
# waits until it answers.
serve_loopback() {
  python3 bench/loopback_server.py "$@" &
  for _ in $(seq 50); do
    python3 -c "import socket; socket.create_connection(('127.0.0.1', $1))" 2>/dev/null && return
    sleep 0.1
  done
}

# A process and all its descendants.
tree() {
  local pids=$1 more=$1
  while [ -n "$more" ]; do
    more=$(for p in $more; do cat /proc/$p/task/*/children 2>/dev/null; done | tr "\n" " ")
    pids="$pids $more"
  done
  echo $pids
}

# The sum over a process and its descendants of one number read from each one's /proc file
# $2 by the awk program $3.
sum_tree() {
  local total=0 n
  for p in $(tree $1); do
    n=$(awk "$3" /proc/$p/$2 2>/dev/null || echo 0)
    total=$((total + ${n:-0}))
  done
  echo $total
}

# The proportional set size of a process and its descendants, in MiB.
pss_mib() {
  echo "scale=1; $(sum_tree $1 smaps_rollup '/^Pss:/ { print $2 }') / 1024" | bc
}

# Ends a process and its descendants.
end_tree() {
  for p in $(tree $1); do kill $p 2>/dev/null || true; done
  wait $1 2>/dev/null || true
}

# CPU time so far of a process and its descendants, in clock ticks.
tree_ticks() {
  sum_tree $1 stat '{ print $14 + $15 }'
}
