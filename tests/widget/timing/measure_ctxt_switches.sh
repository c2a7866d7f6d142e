#!/usr/bin/env bash
# Measures how often a running process is woken: the growth of its voluntary
# context switches (all threads) over a span of seconds.
#   measure_ctxt_switches.sh PID [seconds=30]
set -euo pipefail
pid=${1:?usage: $0 PID [seconds]}
span=${2:-30}

total() {
  local sum=0 v
  for status in /proc/"$pid"/task/*/status; do
    v=$(awk '/^voluntary_ctxt_switches:/ {print $2}' "$status" 2>/dev/null || echo 0)
    sum=$((sum + ${v:-0}))
  done
  echo "$sum"
}

before=$(total)
sleep "$span"
after=$(total)
delta=$((after - before))
awk -v d="$delta" -v s="$span" -v p="$pid" \
  'BEGIN { printf "pid %s: %d voluntary context switches in %d s = %.1f per second\n", p, d, s, d / s }'
