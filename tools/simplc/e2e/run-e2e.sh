#!/bin/bash
# End-to-end communication test: two linked pseudo-terminals stand in for the cable,
# two COM ports of the test prefix point at them, the simulated PLC serves one and the
# test program drives the other. Every wait is bounded and everything started here is
# stopped on the way out.
#   run-e2e.sh SIMPLC.exe SIMPLC_E2E.exe WINEPREFIX
# TESSARON_BENCH=1 runs the full-size download benchmark instead of the tests.
set -u
simplc=$1 driver=$2
export WINEPREFIX=$3
top=$(cd "$(dirname "$0")/../../.." && pwd)
command -v socat >/dev/null 2>&1 || "$top/scripts/install-deps" >/dev/null || exit 1
source "$top/scripts/wine-env"
wine_prefix_ready null

work=$(mktemp -d)
pids=()
links=()

cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
  rm -f "${links[@]}"
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tries=$(( $1 * 10 )); shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Two free COM numbers of the prefix, taken atomically by creating their links.
take_port() {
  local target=$1 n
  for n in $(seq 20 250); do
    if ln -s "$target" "$WINEPREFIX/dosdevices/com$n" 2>/dev/null; then
      links+=("$WINEPREFIX/dosdevices/com$n")
      echo "$n"
      return 0
    fi
  done
  return 1
}

socat pty,raw,echo=0,link="$work/pc" pty,raw,echo=0,link="$work/plc" 2>"$work/socat.log" &
pids+=($!)
wait_for 5 test -e "$work/pc" -a -e "$work/plc" || { echo "socat did not link the ports"; cat "$work/socat.log"; exit 1; }
pc=$(take_port "$work/pc") && plc=$(take_port "$work/plc") || { echo "no free COM port number"; exit 1; }

timeout 600 "$WINELOADER" "$simplc" --port "COM$plc" --log "Z:$work/plc.log" --control "Z:$work/control" \
  </dev/null >"$work/simplc.out" 2>&1 &
pids+=($!)
serving() { grep -q "serving on" "$work/plc.log" 2>/dev/null; }
if ! wait_for 30 serving; then
  echo "the simulated PLC did not start on COM$plc"; cat "$work/plc.log" "$work/simplc.out" 2>/dev/null
  exit 1
fi

args=(--gtest_brief=1)
[ "${TESSARON_BENCH:-0}" = 1 ] && args=(--gtest_also_run_disabled_tests --gtest_filter='*Throughput*')
SIMPLC_PC_PORT="COM$pc" SIMPLC_CONTROL="Z:$work/control" SIMPLC_LOG="Z:$work/plc.log" \
  timeout 300 "$WINELOADER" "$driver" "${args[@]}" </dev/null
rc=$?

echo quit >"$work/control"
wait_for 5 test ! -e "$work/control"
echo "simulated PLC on COM$plc saw $(grep -c ' RX ' "$work/plc.log") frames from COM$pc"
[ $rc = 0 ] || { echo "--- end of the simulated PLC's log"; tail -n 40 "$work/plc.log"; }
exit $rc
