# Working with a PLC as a new user would: a project typed in, the PLC found by the
# automatic detection, then download, run, the status table online with values, forcing,
# compare, upload into a new project, export and import; then faults injected into the
# PLC's answers, each on the command it hits. The PLC is the simulated one (tools/simplc)
# on one end of two linked pseudo-terminals; the program's COM port is the other end.
source "$(dirname "$0")/online-session"

online_start online-e2e

# ---- the PLC found by the automatic detection -----------------------------------------------
plc "station 2"
before=$(frames)
open_comm_settings
ui_press PC机通讯设置 1238              # 自动检测
ui_wait_text '检测成功！各参数已设置。' 300
ui_shot online-detected
ui_text | grep -q 'ComboBox id=2047 .* "2"' || ui_fail "the station found is not 2"
# Pseudo-terminals carry every baud rate alike: station 1's 15 combinations go unanswered.
[ $(( $(frames) - before )) = 16 ] || ui_fail "the detection took $(( $(frames) - before )) requests, not 15 + 1"
ui_press PC机通讯设置 1                 # 确定
dialog_gone PC机通讯设置

# ---- a project typed in -------------------------------------------------------------------
mkdir -p "$work/projects"
new_project "$work/projects/demo.qpr"
ui_shot online-project


# ---- download and run ------------------------------------------------------------------------
empty_plc=$(plc_status)
ui_key F8                            # PLC > 下载
wait_dialog 下载用户工程
ui_shot online-download
ui_key alt+d                         # 开始下载
dialog_gone 下载用户工程 60
outputs | grep -q '提示： 程序下载成功。' || ui_fail "no download line in the output window"
downloaded=$(plc_status)
[ "$downloaded" != "$empty_plc" ] || ui_fail "the PLC's program did not change: $downloaded"
run_plc
message 确实要启动CPU吗？
message PLC已启动！
plc_status | grep -q '^running 1 ' || ui_fail "the PLC does not run"

# ---- the status table online, forcing -----------------------------------------------------------
status_table "$work/projects/demo.qpr" %I0.0 %M0.1 %Q0.0 %MW2
ui_key F6                            # 调试 > 在线监视
sleep 3
ui_shot online-status-table
unforced=$(plc_forces)
ui_click 775 "$(status_row 2)"; ui_type '2#1'; ui_key Return   # %M0.1 forced to 1
ui_click 300 "$(status_row 2)"
menu 373 390 157                     # 调试 > 强制
sleep 2
ui_shot online-status-forced
[ "$(plc_forces)" != "$unforced" ] || ui_fail "forcing %M0.1 did not reach the PLC"
menu 373 390 177                     # 调试 > 取消强制
sleep 2
[ "$(plc_forces)" = "$unforced" ] || ui_fail "unforcing %M0.1 left the PLC's forces changed"
ui_key F6
sleep 1
compare
message 当前打开的工程与PLC内的工程一致！

# ---- upload into a new project, rebuilt and recompiled to the same image --------------------------
mkdir -p "$work/up" "$work/up2" "$work/archives" "$work/imported"
before=$(frames)
ui_key ctrl+F8                       # PLC > 上载
wait_dialog 上载至... $UI_FILE_DIALOG_WAIT
upload_frames=$(( $(frames) - before ))  # read before the project path is asked for
ui_key ctrl+a
ui_type "$(win "$work/up/up.qpr")"
ui_key Return
ui_wait_text '"工程 : up"' 30
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
ui_text | grep -q 'node "(MAIN)  MAIN"' || ui_fail "the uploaded MAIN is not in the project tree"
grep -q 'AND' "$work/up/up/MAIN_MAIN.ilp" || ui_fail "the rebuilt MAIN lacks the program: $(cat "$work/up/up/MAIN_MAIN.ilp")"
ui_shot online-uploaded
ui_key F7
ui_wait_text '编译成功' 30
compare
message 当前打开的工程与PLC内的工程一致！

# ---- export and import ---------------------------------------------------------------------------
menu 37 73 181                       # 文件 > 导出工程
wait_dialog 导出工程... $UI_FILE_DIALOG_WAIT
ui_text | grep -q 'Edit id=1148 .*"up备份"' || ui_fail "the archive name offered is not up备份"
ui_key ctrl+a
ui_type "$(win "$work/archives/up.zip")"
ui_key Return
message 导出工程成功！
[ -s "$work/archives/up.zip" ] || ui_fail "no archive"
menu 37 73 161                       # 文件 > 导入工程
wait_dialog 导入工程... $UI_FILE_DIALOG_WAIT
ui_key ctrl+a
ui_type "$(win "$work/archives/up.zip")"
ui_key Return
wait_dialog 请选择工程的存放路径： $UI_FILE_DIALOG_WAIT
ui_key shift+Tab                     # into the folder tree, on the last project's folder
ui_key Up Up                         # its neighbour "imported"
ui_shot online-import-folder
ui_key Return
ui_wait_text '"工程 : up"' 30
[ -f "$work/imported/up.qpr" ] && [ -f "$work/imported/up/MAIN_MAIN.ilp" ] || ui_fail "nothing imported: $(ls -R "$work/imported")"

# ---- faults, each on the command it hits -----------------------------------------------------------
project_files() { cat "$work/imported/up.qpr" "$work/imported/up/"*.ilp | cksum; }
project=$(project_files)
good=$(plc_status)
# A damaged answer to the compare: the user's message, and the next compare works at once.
plc "fault crc"
compare
message 接收数据CRC校验错误，通讯失败！
compare
message 当前打开的工程与PLC内的工程一致！
# The line dies in the middle of a download: the PLC keeps its program.
plc "drop 3"
ui_key F8
wait_dialog 下载用户工程
ui_key alt+d
message CPU正处于运行状态。   # stop it for the download: Yes
message 通讯超时错误，通讯失败！
ui_text | grep -q 'Static id=1233 .*"下载结果：失败。"' || ui_fail "the download dialog does not say it failed"
ui_shot online-download-dropped
ui_key alt+c                         # 关闭
dialog_gone 下载用户工程
plc clear "station 2"
after=$(plc_status)
[ "${after#running ? }" = "${good#running ? }" ] || ui_fail "the PLC's program or forces changed: $good -> $after"
compare
message 当前打开的工程与PLC内的工程一致！
# No answer to the run command: the message, and the next run works.
plc "fault silent"
run_plc
message 确实要启动CPU吗？
message 通讯超时错误，通讯失败！
run_plc
message 确实要启动CPU吗？
message PLC已启动！
# Every other damage to the compare's answer: a message (or, for an answer that is late or
# split but within the time-out, the result), then the next compare works at once.
answer() {
  local deadline=$(( SECONDS + 60 )) text
  while (( SECONDS < deadline )); do
    text=$(ui_text | grep -A8 '^window #32770' | grep -o '"[^"]*\(通讯\|一致\)[^"]*' | head -1)
    [ -n "$text" ] && { ui_key Return; sleep 1; echo "${text#\"}"; return 0; }
    sleep 0.5
  done
  ui_fail "the compare showed nothing"
}
for fault in "short 0 1" "long 0 1" "length 0 1 40" "block 0 1" "refuse 0 1 5" "slow 0 1 200" "split 0 1 50"; do
  plc "fault $fault"
  compare
  echo "compare with the fault $fault: $(answer)"
  compare
  message 当前打开的工程与PLC内的工程一致！
done
[ "$(plc_status)" = "$(plc_status)" ] && [ "$(plc_status | sed 's/^running . //')" = "${good#running ? }" ] ||
  ui_fail "the PLC's program or forces changed"
[ "$(project_files)" = "$project" ] || ui_fail "the project on disk changed"
# The line dies in the middle of an upload: the message, no project asked for, the open
# project unchanged on disk, and the next upload works at once.
plc "drop $(( upload_frames / 2 ))"
ui_key ctrl+F8
message 通讯超时错误，通讯失败！
dialog_up 上载至... && ui_fail "a failed upload asked where to put the project"
plc clear "station 2"
[ "$(project_files)" = "$project" ] || ui_fail "a failed upload changed the project on disk"
ui_key ctrl+F8
wait_dialog 上载至... $UI_FILE_DIALOG_WAIT
ui_key ctrl+a
ui_type "$(win "$work/up2/up2.qpr")"
ui_key Return
ui_wait_text '"工程 : up2"' 30
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
ui_key F7
sleep 3
# No answer to a force: the message, the PLC's forces as they were, and the next force works.
status_table "$work/up2/up2.qpr" %I0.0 %M0.1 %Q0.0 %MW2
unforced=$(plc_forces)
ui_click 775 "$(status_row 2)"; ui_type '2#1'; ui_key Return   # %M0.1 forced to 1
ui_click 300 "$(status_row 2)"
plc "fault silent"
menu 373 390 157                     # 调试 > 强制
message 通讯超时错误，通讯失败！
[ "$(plc_forces)" = "$unforced" ] || ui_fail "a failed force changed the PLC's forces"
menu 373 390 157
sleep 2
[ "$(plc_forces)" != "$unforced" ] || ui_fail "the force after a failed one did not reach the PLC"
menu 373 390 177                     # 调试 > 取消强制
sleep 2
[ "$(plc_forces)" = "$unforced" ] || ui_fail "unforcing %M0.1 left the PLC's forces changed"
# Damaged and missing answers while monitoring: the user's message (monitoring stops) or
# the cycle goes on; either way monitoring runs again and the values come.
monitoring() { local n=$(frames); sleep 2; (( $(frames) > n )); }
ui_key F6
for fault in "crc" "silent" "short"; do
  monitoring || ui_fail "monitoring does not run before the fault $fault"
  plc "fault $fault"
  text=
  for _ in $(seq 10); do
    sleep 1
    text=$(ui_text | grep -A8 '^window #32770' | grep -o '"[^"]*\(通讯\|监测\)[^"]*' | head -1)
    [ -n "$text" ] && break
  done
  if [ -n "$text" ]; then
    ui_shot online-monitor-fault
    ui_key Return; sleep 1
    echo "monitoring with the fault $fault: ${text#\"}"
    monitoring && ui_fail "monitoring goes on behind the message for the fault $fault"
    ui_key F6
  else
    echo "monitoring with the fault $fault: no message, the cycle goes on"
  fi
done
monitoring || ui_fail "monitoring does not run after the faults"
ui_shot online-status-after-faults
ui_key F6

ui_key alt+F4
ui_wait_exit 30
exit 0
