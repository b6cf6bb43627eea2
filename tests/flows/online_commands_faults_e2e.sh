# Faults on the PLC line while a user works the PLC's own commands by menus and buttons:
# the information (on opening and by 刷新显示), the clock (read and write), the password,
# stop and clear. Each meets a lost request and a damaged answer (a bad CRC, a cut-short
# reply) in turn: the user's message shows, the same command works at once afterwards,
# and the PLC's program and forces stay as they were. A damaged answer comes after the
# PLC has acted, so there the PLC holds what the command asked for although the user is
# told of the fault. The PLC is the simulated one (tools/simplc) on one end of two linked
# pseudo-terminals; the program's COM5 is the other.
source "$(dirname "$0")/online-session"

lost=通讯超时错误，通讯失败！
damaged=接收数据CRC校验错误，通讯失败！
told() { [ "$1" = lost ] && echo "$lost" || echo "${2:-$damaged}"; }
program_and_forces() { plc_status | sed 's/^running . //'; }
unchanged() { [ "$(program_and_forces)" = "$before" ] || ui_fail "$1 changed the PLC's program or forces"; }
# each_fault STEP SHOT [NEW]: the step once for every fault a command meets (its kind
# given to it), with the screenshot SHOT of the lost request's message, and SHOT-crc of a
# bad CRC's where that message is NEW (a short reply is told as a bad CRC).
each_fault() {
  local kind shot
  for kind in lost crc short; do
    shot=""
    [ "$kind" = lost ] && shot=$2
    [ "$kind" = crc ] && [ -n "${3:-}" ] && shot=$2-crc
    "$1" "$kind" "$shot"
  done
}
# fault KIND LETTER: the next request of that letter meets the fault
fault() { plc "fault $1 0 1 0 $2"; }

# PLC > PLC信息 reads the run state (A), then the information (E): the dialog opens only
# on a whole reply.
info_fault() {
  fault "$1" E
  menu 319 345 169
  message "$(told "$1")" "${2:-}"
  dialog_up PLC信息 && ui_fail "the information dialog opened after its read failed ($1)"
  menu 319 345 169
  wait_dialog PLC信息
  [ "$(control_text PLC信息 1224)" = " 2.1.7" ] || ui_fail "the information read after the fault shows no firmware"
  ui_press PLC信息 2                   # 关 闭
  dialog_gone PLC信息
  unchanged "a failed information read"
}
# 刷新显示 in the open dialog reads both again: a failed read leaves what it showed, the
# next one shows the PLC as it now is.
info_refresh_fault() {
  fault "$1" E
  plc "run 1"
  ui_press PLC信息 1582
  message "$(told "$1")" "${2:-}"
  [ "$(control_text PLC信息 1228)" = " 停 止" ] || ui_fail "a failed refresh ($1) shows $(control_text PLC信息 1228)"
  ui_press PLC信息 1582
  ui_wait_text '" 运 行"'
  plc "run 0"
  ui_press PLC信息 1582
  ui_wait_text '" 停 止"'
}

# PLC > 调整CPU时钟 reads the clock (C) on opening; 修改PLC时钟 writes it (D).
open_clock() { menu 319 355 189; }
clock_read_fault() {
  fault "$1" C
  open_clock
  message "$(told "$1")" "${2:-}"
  dialog_up 调整CPU时钟 && ui_fail "the clock dialog opened after its read failed ($1)"
  open_clock
  wait_dialog 调整CPU时钟
  local plc_time; plc_time=$(plc_says clock | cut -d' ' -f2)
  [ "$(control_text 调整CPU时钟 1160)" = "$plc_time" ] ||
    ui_fail "the clock read after the fault shows $(control_text 调整CPU时钟 1160), the PLC's is $plc_time"
  ui_press 调整CPU时钟 2
  dialog_gone 调整CPU时钟
}
# A lost write leaves the PLC's clock; a damaged answer comes after the PLC has set it.
# The write right after sets it again (to the PC's time of that moment).
clock_write_fault() {
  local old; old=$(plc_says clock)
  fault "$1" D
  ui_press 调整CPU时钟 1156
  message "$(told "$1")" "${2:-}"
  local now; now=$(plc_says clock)
  if [ "$1" = lost ]; then
    [ "$now" = "$old" ] || ui_fail "a lost clock write set the PLC's clock to $now"
  else
    [ "$now" != "$old" ] || ui_fail "the PLC did not take the clock write whose answer was damaged ($1)"
  fi
  sleep 1.1                            # a write in the same second would set the same clock
  ui_press 调整CPU时钟 1156
  local deadline=$(( SECONDS + 20 ))
  until [ "$(plc_says clock)" != "$now" ]; do
    (( SECONDS < deadline )) || ui_fail "the clock write after the fault ($1) did not reach the PLC"
    sleep 0.5
  done
  sleep 1
  shows_message 通讯 && ui_fail "the clock write after the fault ($1) failed"
  return 0
}

# PLC > 修改密码: the old password, the level (1101 none, 1104 partial) and the new one,
# then 应 用 and its question.
apply_password() {
  ui_press CPU密码保护 999; ui_key End shift+Home Delete; [ -n "$1" ] && ui_type "$1"
  ui_press CPU密码保护 "$2"
  if [ -n "${3:-}" ]; then
    ui_press CPU密码保护 1188; ui_key End shift+Home Delete; ui_type "$3"
    ui_press CPU密码保护 1191; ui_key End shift+Home Delete; ui_type "$3"
  fi
  ui_press CPU密码保护 3
  message 您确认要修改CPU内的保护密码吗？
}
protection_is() {
  [ "$(plc_says password)" = "$1" ] || ui_fail "$2: the PLC's protection is $(plc_says password), not $1"
}
# A change from no protection to a password, the exchange (O) failing: a lost request
# leaves the PLC unprotected and the same change works at once; a damaged answer comes
# after the PLC took the password, and going back with it works at once.
password_fault() {
  fault "$1" O
  apply_password "" 1104 s3cret
  message "$(told "$1")" "${2:-}"
  if [ "$1" = lost ]; then
    protection_is "level 1, empty 1" "a lost password change"
    apply_password "" 1104 s3cret
    message 密码修改成功，新密码已经生效！
  fi
  protection_is "level 2, empty 0" "after the password change ($1)"
  apply_password s3cret 1101
  message 密码修改成功，新密码已经生效！
  protection_is "level 1, empty 1" "after going back ($1)"
  unchanged "a failed password change"
}

# 调试 > 停止 (B) on a running PLC: lost, it runs on; damaged, it has stopped.
stop_plc() { menu 373 390 73; message 确实要停止CPU吗？; }
stop_fault() {
  plc "run 1"
  fault "$1" B
  stop_plc
  message "$(told "$1")" "${2:-}"
  local running; [ "$1" = lost ] && running=1 || running=0
  plc_status | grep -q "^running $running" || ui_fail "after a failed stop ($1) the PLC's run state is not $running"
  stop_plc
  message PLC已停止！
  plc_status | grep -q '^running 0' || ui_fail "the stop after the fault ($1) did not stop the PLC"
  unchanged "a failed stop"
}

# PLC > 清除 (I): lost, the PLC keeps its program and forces; damaged, it has cleared
# them. A clear's receive failures are all told as one (not as a CRC error). The PLC is
# given its program and forces back after the clear that works.
clear_plc() { menu 319 335 121; message 确实要清除CPU内的所有用户信息吗？; }
clear_fault() {
  fault "$1" I
  clear_plc
  message "$(told "$1" 计算机接收数据错误，通讯失败！)" "${2:-}"
  if [ "$1" = lost ]; then
    unchanged "a lost clear"
  else
    plc_status | grep -q ' image 0 ' || ui_fail "the PLC did not clear on the clear whose answer was damaged ($1)"
  fi
  clear_plc
  message CPU内的所有用户信息已全部清除！
  plc_status | grep -q ' image 0 ' || ui_fail "the clear after the fault ($1) did not clear the PLC"
  plc load
}

online_start online-commands-faults
choose_port
plc load                               # a program and two forces the faults must leave alone
before=$(program_and_forces)
[[ $before == "image 0 "* ]] && ui_fail "the PLC has no program to keep"

each_fault info_fault online-faults-info new
menu 319 345 169
wait_dialog PLC信息
each_fault info_refresh_fault ""
ui_press PLC信息 2
dialog_gone PLC信息
each_fault clock_read_fault online-faults-clock-read
open_clock
wait_dialog 调整CPU时钟
each_fault clock_write_fault online-faults-clock-write
ui_press 调整CPU时钟 2
dialog_gone 调整CPU时钟
unchanged "a failed clock exchange"

menu 319 345 141                       # PLC > 修改密码
wait_dialog CPU密码保护
each_fault password_fault online-faults-password
ui_press CPU密码保护 2                  # 关闭
dialog_gone CPU密码保护

each_fault stop_fault online-faults-stop
each_fault clear_fault online-faults-clear new
echo "ui: the PLC commands survived their faults"
