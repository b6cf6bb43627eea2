# Working with a PLC as a new user would: a project typed in, the PLC found by the
# automatic detection, then download, run, the status table online with values, forcing,
# compare, upload into a new project, export and import; then faults injected into the
# PLC's answers, each on the command it hits. The PLC is the simulated one (tools/simplc)
# on one end of two linked pseudo-terminals; the program's COM port is the other end.
set -u
source "$(dirname "$0")/../../scripts/ui-session"
top=$(cd "$(dirname "$0")/../.." && pwd)
command -v socat >/dev/null || { echo "ui: socat is not installed" >&2; exit 77; }

work=$(mktemp -d)
win() { echo "Z:${1//\//\\}"; }  # a Linux path as the program sees it

ui_start online-e2e
ui_at_exit "kill \$socat_pid 2>/dev/null; rm -rf '$work'"
ui_wait_text '"Tessaron V' 60
ui_wait_steady 30

# ---- the cable and the PLC --------------------------------------------------------------
socat pty,raw,echo=0,link="$work/pc" pty,raw,echo=0,link="$work/plc" 2>"$work/socat.log" &
socat_pid=$!
for _ in $(seq 50); do [ -e "$work/pc" ] && [ -e "$work/plc" ] && break; sleep 0.1; done
[ -e "$work/pc" ] || ui_fail "socat did not link the ports"
ln -sfn "$work/pc" "$WINEPREFIX/dosdevices/com5"
ln -sfn "$work/plc" "$WINEPREFIX/dosdevices/com6"
ui_reg add 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' /v '\Device\Serial4' /d COM5 /f >/dev/null
cp "$top/build/tests/pkzipc.exe" "$WINEPREFIX/drive_c/windows/pkzipc.exe"
"$top/scripts/wine-run" --display "$top/build/tools/simplc/simplc.exe" --port COM6 \
  --log "$(win "$work/plc.log")" --control "$(win "$work/control")" </dev/null >"$work/simplc.out" 2>&1 &
for _ in $(seq 100); do grep -q "serving on" "$work/plc.log" 2>/dev/null && break; sleep 0.2; done
grep -q "serving on" "$work/plc.log" 2>/dev/null || ui_fail "the simulated PLC did not start: $(cat "$work/simplc.out")"

# plc COMMAND...: the simulated PLC takes the commands (faults, station, status).
plc() {
  printf '%s\n' "$@" >"$work/control.new" && mv "$work/control.new" "$work/control"
  for _ in $(seq 100); do [ -e "$work/control" ] || return 0; sleep 0.05; done
  ui_fail "the simulated PLC did not take: $*"
}
# plc_status: the PLC's run state, program and forces as one line.
plc_status() { plc status; grep 'status:' "$work/plc.log" | tail -1 | sed 's/.*status: //'; }
frames() { grep -c ' RX ' "$work/plc.log"; }

# ---- menus (the menu bar's titles and entries by position on the 1024 x 768 screen) ------
# The pointer rests on the entry before the click, as a user's would.
menu() { ui_click "$1" 30; sleep 1; xdotool mousemove "$2" "$3"; sleep 0.5; ui_click "$2" "$3"; }
compare() { menu 319 337 101; }     # PLC > 比较
run_plc() { menu 373 388 53; }       # 调试 > 启动
# dialog_up CAPTION: a dialog box (or message box) of this caption is up now.
dialog_up() { ui_text | grep -q "^window #32770 .*\"$1\"\$"; }
wait_dialog() {
  local deadline=$(( SECONDS + ${2:-30} ))
  while (( SECONDS < deadline )); do dialog_up "$1" && return 0; sleep 0.5; done
  ui_fail "no dialog \"$1\" after ${2:-30} s"
}
dialog_gone() {
  local deadline=$(( SECONDS + ${2:-30} ))
  while (( SECONDS < deadline )); do dialog_up "$1" || return 0; sleep 0.5; done
  ui_fail "the dialog \"$1\" is still up"
}
# message TEXT: a message box holding TEXT is up; Enter closes it.
shows_message() { ui_text | grep -A8 '^window #32770' | grep -qF -- "$1"; }
message() {
  local deadline=$(( SECONDS + 60 ))
  until shows_message "$1"; do (( SECONDS < deadline )) || ui_fail "no message \"$1\""; sleep 0.5; done
  ui_key Return
  deadline=$(( SECONDS + 30 ))
  while shows_message "$1"; do (( SECONDS < deadline )) || ui_fail "the message \"$1\" stays"; sleep 0.5; done
}
outputs() { ui_text | grep -A200 'ListBox id=2500' | grep '^ *item'; }
# 调试 > 变量状态表, the four addresses typed into its rows.
status_table() {
  ui_key alt+n
  ui_wait_text 'MFC_STATUS_FRAME' 20
  local row=0 address
  for address in '%I0.0' '%M0.1' '%Q0.0' '%MW2'; do
    ui_click 300 $(( 101 + 20 * row )); ui_type "$address"; ui_key Return; row=$(( row + 1 ))
  done
}

# ---- the PLC found by the automatic detection -----------------------------------------------
plc "station 2"
before=$(frames)
menu 427 468 81                      # 工具 > PC机通讯设置
wait_dialog PC机通讯设置
ui_click 170 155; ui_key Down Return # COM口: COM5, the second port of the list
ui_click 317 145                     # 自动检测
ui_wait_text '检测成功！各参数已设置。' 120
ui_shot online-detected
ui_text | grep -q 'ComboBox id=2047 .* "2"' || ui_fail "the station found is not 2"
# Pseudo-terminals carry every baud rate alike: station 1's 15 combinations go unanswered.
[ $(( $(frames) - before )) = 16 ] || ui_fail "the detection took $(( $(frames) - before )) requests, not 15 + 1"
ui_click 338 334                     # 确定
dialog_gone PC机通讯设置

# ---- a project typed in -------------------------------------------------------------------
mkdir -p "$work/projects"
ui_key ctrl+n
ui_wait_text '"新建工程"' 30
ui_key ctrl+a
ui_type "$(win "$work/projects/demo.qpr")"
ui_key Return
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
ui_wait_steady 30
menu 200 240 53                      # 工程 > IL语言
sleep 1
ui_click 500 300
ui_key ctrl+a
ui_key BackSpace                     # all but the network's title
for line in 'LD %I0.0' 'AND %M0.1' 'ST %Q0.0'; do ui_type "$line"; ui_key Return; done
ui_key F7
ui_wait_text '编译成功' 30
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
status_table
ui_key F6                            # 调试 > 在线监视
sleep 3
ui_shot online-status-table
unforced=$(plc_status | sed 's/.*forces //')
ui_click 775 121; ui_type '2#1'; ui_key Return
ui_click 300 121
menu 373 390 157                     # 调试 > 强制
sleep 2
ui_shot online-status-forced
[ "$(plc_status | sed 's/.*forces //')" != "$unforced" ] || ui_fail "forcing %M0.1 did not reach the PLC"
menu 373 390 177                     # 调试 > 取消强制
sleep 2
[ "$(plc_status | sed 's/.*forces //')" = "$unforced" ] || ui_fail "unforcing %M0.1 left the PLC's forces changed"
ui_key F6
sleep 1
compare
message 当前打开的工程与PLC内的工程一致！

# ---- upload into a new project, rebuilt and recompiled to the same image --------------------------
mkdir -p "$work/up" "$work/up2" "$work/archives" "$work/imported"
before=$(frames)
ui_key ctrl+F8                       # PLC > 上载
wait_dialog 上载至...
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
wait_dialog 导出工程...
ui_text | grep -q 'Edit id=1148 .*"up备份"' || ui_fail "the archive name offered is not up备份"
ui_key ctrl+a
ui_type "$(win "$work/archives/up.zip")"
ui_key Return
message 导出工程成功！
[ -s "$work/archives/up.zip" ] || ui_fail "no archive"
menu 37 73 161                       # 文件 > 导入工程
wait_dialog 导入工程...
ui_key ctrl+a
ui_type "$(win "$work/archives/up.zip")"
ui_key Return
wait_dialog 请选择工程的存放路径： 20
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
wait_dialog 上载至...
ui_key ctrl+a
ui_type "$(win "$work/up2/up2.qpr")"
ui_key Return
ui_wait_text '"工程 : up2"' 30
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
ui_key F7
sleep 3
# No answer to a force: the message, the PLC's forces as they were, and the next force works.
status_table
unforced=$(plc_status | sed 's/.*forces //')
ui_click 775 121; ui_type '2#1'; ui_key Return
ui_click 300 121
plc "fault silent"
menu 373 390 157                     # 调试 > 强制
message 通讯超时错误，通讯失败！
[ "$(plc_status | sed 's/.*forces //')" = "$unforced" ] || ui_fail "a failed force changed the PLC's forces"
menu 373 390 157
sleep 2
[ "$(plc_status | sed 's/.*forces //')" != "$unforced" ] || ui_fail "the force after a failed one did not reach the PLC"
menu 373 390 177                     # 调试 > 取消强制
sleep 2
[ "$(plc_status | sed 's/.*forces //')" = "$unforced" ] || ui_fail "unforcing %M0.1 left the PLC's forces changed"
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
