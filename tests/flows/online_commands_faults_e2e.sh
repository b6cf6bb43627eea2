# Faults on the PLC line while a user works the PLC's own commands by menus and buttons:
# each request lost on the command it hits shows the user's message, the same command
# works at once afterwards, and the PLC's program and forces stay as they were. The PLC is
# the simulated one (tools/simplc) on one end of two linked pseudo-terminals; the
# program's COM5 is the other.
source "$(dirname "$0")/online-session"

lost=通讯超时错误，通讯失败！
program_and_forces() { plc_status | sed 's/^running . //'; }
close_if_up() { if dialog_up "$1"; then ui_press "$1" 2; dialog_gone "$1"; fi; }

online_start online-commands-faults
choose_port
before=$(program_and_forces)

# The clock: its read (C) lost on opening, then its write (D) lost; each again at once.
plc "fault lost 0 1 0 C"
menu 319 355 189                     # PLC > 调整CPU时钟
message "$lost" online-faults-clock-read
close_if_up 调整CPU时钟
menu 319 355 189
wait_dialog 调整CPU时钟
[ "$(control_text 调整CPU时钟 1160)" = "14:30:00" ] || ui_fail "the clock read after the fault shows $(control_text 调整CPU时钟 1160)"
plc "fault lost 0 1 0 D"
ui_press 调整CPU时钟 1156             # 修改PLC时钟
message "$lost" online-faults-clock-write
plc clock; grep -q 'clock: 26-12-10' "$work/plc.log" || ui_fail "a lost clock write changed the PLC's date"
close_if_up 调整CPU时钟
menu 319 355 189
wait_dialog 调整CPU时钟
ui_press 调整CPU时钟 1156
deadline=$(( SECONDS + 20 ))
until plc clock; [ "$(grep 'clock: ' "$work/plc.log" | tail -1 | sed 's/.*clock: //' | cut -c1-8)" != "26-12-10" ]; do
  (( SECONDS < deadline )) || ui_fail "the clock write after the fault did not reach the PLC"
  sleep 0.5
done
ui_press 调整CPU时钟 2
dialog_gone 调整CPU时钟

# Stop (B) and clear (I), each lost once: the PLC goes on as it was, the next one works.
plc "run 1"
plc "fault lost 0 1 0 B"
menu 373 390 73                      # 调试 > 停止
message 确实要停止CPU吗？
message "$lost" online-faults-stop
plc_status | grep -q '^running 1' || ui_fail "a lost stop stopped the PLC"
menu 373 390 73
message 确实要停止CPU吗？
message PLC已停止！
plc_status | grep -q '^running 0' || ui_fail "the stop after the fault did not stop the PLC"
[ "$(program_and_forces)" = "$before" ] || ui_fail "the faults changed the PLC's program or forces"
plc "fault lost 0 1 0 I"
menu 319 335 121                     # PLC > 清除
message 确实要清除CPU内的所有用户信息吗？
message "$lost" online-faults-clear
[ "$(program_and_forces)" = "$before" ] || ui_fail "a lost clear changed the PLC's program or forces"
menu 319 335 121
message 确实要清除CPU内的所有用户信息吗？
message CPU内的所有用户信息已全部清除！
echo "ui: the PLC commands survived their faults"
