#!/usr/bin/env bash
# Several Windows processes report into one log at once, under Wine: every
# line arrives whole (CR LF), none is lost.
#   log_processes.sh WINE LOG_WRITER_EXE EXPORT LOG CALLS
set -euo pipefail
wine="$1" writer="$2" export_name="$3" log="$4" calls="$5"
positions=(3 4 7)

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$writer" "$(dirname "$writer")"/*.dll "$scratch"/
cd "$scratch"

pids=()
for p in "${positions[@]}"; do
    "$wine" "./$(basename "$writer")" "$export_name" "$p" "$calls" &
    pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

expected_total=$(( ${#positions[@]} * calls ))
total=$(grep -c $'\r$' "$log" || true)
lines=$(wc -l < "$log")
status=0
if [ "$total" -ne "$expected_total" ] || [ "$lines" -ne "$expected_total" ]; then
    echo "FAIL: $lines lines, $total ending in CR LF; expected $expected_total"
    status=1
fi
for p in "${positions[@]}"; do
    n=$(grep -c "^$p\. variable \"[^\"]*\" is not correct ([^)]*), "$'\r$' "$log" || true)
    if [ "$n" -ne "$calls" ]; then
        echo "FAIL: $n whole lines for position $p, expected $calls"
        status=1
    fi
done
mixed=$(grep -c 'variable.*variable' "$log" || true)
if [ "$mixed" -ne 0 ]; then
    echo "FAIL: $mixed mixed lines"
    status=1
fi
[ "$status" -eq 0 ] && echo "ok: $expected_total whole lines from ${#positions[@]} processes into $log"
exit "$status"
