# Faults on the PLC line while a user forces values from the status table and uploads a
# project: each fault injected into the answer of the command it hits shows the user's
# message, the next command works at once, and neither the PLC's program and forces nor
# the project on disk change behind the user's back. The PLC is the simulated one
# (tools/simplc) on one end of two linked pseudo-terminals; the program's COM5 is the other.
source "$(dirname "$0")/online-session"

online_start online-faults
choose_port
mkdir -p "$work/projects"
project="$work/projects/demo.qpr"
new_project "$project" 6            # 64 networks: an upload of several blocks
ui_key F8                            # PLC > 下载
wait_dialog 下载用户工程
ui_key alt+d                         # 开始下载
dialog_gone 下载用户工程 60
outputs | grep -q '提示： 程序下载成功。' || ui_fail "no download line in the output window"
program=$(plc_status | sed 's/^running . //; s/ forces .*//')

# ---- the status table's force commands ---------------------------------------------------------
status_table "$project" %I0.0 %M0.1 %Q0.0 %MW2
force() { menu 373 390 157; }        # 调试 > 强制
unforce() { menu 373 390 177; }      # 调试 > 取消强制
force_all() { menu 373 390 197; }    # 调试 > 全部强制
cancel_all() { menu 373 390 217; }   # 调试 > 全部取消强制
read_all() { menu 373 390 237; }     # 调试 > 读取所有强制
# forced_value ROW TEXT: typed into the row's forced-value cell; the row stays the focus row.
forced_value() {
  ui_click 775 "$(status_row "$1")"; ui_type "$2"; ui_key Return
  ui_click 300 "$(status_row "$1")"
}
# forced_values_become TEXTS: the forced-value texts the saved table holds become these (a
# force that went through empties its rows' texts).
forced_values_become() {
  local deadline=$(( SECONDS + 20 ))
  until ui_key ctrl+s; [ "$(grep -ao '2#1\|W#7' "$project" | tr '\n' ' ' | sed 's/ $//')" = "$1" ]; do
    (( SECONDS < deadline )) || ui_fail "the forced values saved are not \"$1\""
    sleep 0.5
  done
}
# forces_become OLD | forces_leave OLD: waits for the PLC's force table to be (or leave) OLD.
forces_become() {
  local deadline=$(( SECONDS + 20 ))
  until [ "$(plc_forces)" = "$1" ]; do (( SECONDS < deadline )) || ui_fail "the PLC's forces are not $1"; sleep 0.5; done
}
forces_leave() {
  local deadline=$(( SECONDS + 20 ))
  while [ "$(plc_forces)" = "$1" ]; do (( SECONDS < deadline )) || ui_fail "the PLC's forces stay $1"; sleep 0.5; done
}
# The row list of the saved project becomes this one (a read of all forces appends rows).
rows_become() {
  local deadline=$(( SECONDS + 20 ))
  until ui_key ctrl+s; [ "$(status_addresses "$project")" = "$*" ]; do
    (( SECONDS < deadline )) || ui_fail "the status table holds \"$(status_addresses "$project")\", not \"$*\""
    sleep 0.5
  done
}
unchanged() {
  [ "$(plc_forces)" = "$1" ] || ui_fail "$2 changed the PLC's forces: $1 -> $(plc_forces)"
  [ "$(plc_status | sed 's/^running . //; s/ forces .*//')" = "$program" ] || ui_fail "$2 changed the PLC's program"
}

# Faults are aimed at one kind of request by its letter: P reads the force table, J writes
# it, K cancels all forces.
none=$(plc_forces)
forced_value 2 '2#1'
force
forces_leave "$none"
m01=$(plc_forces)
unforce
forces_become "$none"

# The answer to the force write is damaged: the PLC has taken the table, the program cannot
# know it and says so; the row keeps its forced value. Reading all forces at once shows the
# force the PLC holds, and forcing again leaves the PLC's table as it is.
forced_value 2 '2#1'
plc "fault crc 0 1 0 J"
force
message 接收数据CRC校验错误，通讯失败！ online-faults-force-write
[ "$(plc_forces)" = "$m01" ] || ui_fail "the damaged write did not reach the PLC as sent"
forced_values_become '2#1'            # the row keeps its forced value
read_all
rows_become %I0.0 %M0.1 %Q0.0 %MW2 %M0.1
force
forced_values_become ''
unchanged "$m01" "forcing again"

# Unforce: the request to read the force table is lost, then the request to write it.
# Neither is taken for done; the next unforce works.
plc "fault lost 0 1 0 P"
unforce
message 通讯超时错误，通讯失败！ online-faults-unforce
unchanged "$m01" "an unforce without a read"
plc "fault lost 0 1 0 J"
unforce
message 通讯超时错误，通讯失败！
unchanged "$m01" "an unforce whose write was lost"
unforce
forces_become "$none"

# Force all: the PLC refuses the write; both rows keep their forced values; the next force
# all forces both.
forced_value 2 '2#1'
forced_value 4 '7'
forced_values_become '2#1 W#7'
plc "fault refuse 0 1 5 J"
force_all
message PLC响应错误（功能码），通讯失败！ online-faults-force-all
unchanged "$none" "a refused force all"
forced_values_become '2#1 W#7'
force_all
forced_values_become ''
both=$(plc_forces)
[ "$both" != "$m01" ] && [ "$both" != "$none" ] || ui_fail "force all did not force both rows"

# Read all forces: a short answer and a lost request each give the message and no rows;
# the next read appends both forced addresses.
for fault in "short 0 1 0 P:接收数据CRC校验错误，通讯失败！" "lost 0 1 0 P:通讯超时错误，通讯失败！"; do
  plc "fault ${fault%%:*}"
  read_all
  message "${fault#*:}" online-faults-read-all
  rows_become %I0.0 %M0.1 %Q0.0 %MW2 %M0.1
  unchanged "$both" "a failed read of all forces"
done
read_all
rows_become %I0.0 %M0.1 %Q0.0 %MW2 %M0.1 %M0.1 %MW2

# Cancel all forces: a lost request leaves the forces; the next cancel removes them all.
plc "fault lost 0 1 0 K"
cancel_all
message 通讯超时错误，通讯失败！ online-faults-cancel-all
unchanged "$both" "a lost cancel of all forces"
cancel_all
forces_become "$none"

# While monitoring runs a force takes its turn between two monitoring cycles and a failure
# shows no message: the force write is lost, the PLC keeps its forces, monitoring goes on;
# the row keeps its forced value, so the next force sends it. (The project cannot be saved
# while monitoring: the rows are checked once it is off.)
ui_key F6                            # 调试 > 在线监视
monitoring() { local n; n=$(grep -c ' RX 0. 4C' "$work/plc.log"); sleep 2; (( $(grep -c ' RX 0. 4C' "$work/plc.log") > n )); }
monitoring || ui_fail "monitoring does not run"
forced_value 2 '2#1'
plc "fault lost 0 1 0 J"
start=$(wc -l <"$work/plc.log")
force
deadline=$(( SECONDS + 30 ))
until tail -n +"$start" "$work/plc.log" | grep -A50 ' RX 0. 4A' | grep -q ' RX 0. 4C'; do  # the write, then monitoring
  (( SECONDS < deadline )) || ui_fail "monitoring did not go on after the lost force write"
  sleep 0.5
done
shows_message 通讯 && ui_fail "a failed force while monitoring showed a message"
unchanged "$none" "a lost force write while monitoring"
monitoring || ui_fail "monitoring stopped after a failed force"
ui_shot online-faults-monitoring
force
forces_become "$m01"
ui_key F6
forced_values_become ''
cancel_all
forces_become "$none"

# ---- upload ------------------------------------------------------------------------------------
# upload_into PATH: PLC > 上载, the project saved at PATH and opened.
upload_into() {
  ui_key ctrl+F8
  wait_dialog 上载至... $UI_FILE_DIALOG_WAIT
  ui_key ctrl+a
  ui_type "$(win "$1")"
  ui_key Return
  ui_wait_text "\"工程 : $(basename "$1" .qpr)\"" 30
  ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
}
project_files() { cat "$project" "${project%.qpr}/"*.ilp | cksum; }
# An upload reads the image in blocks of 200 bytes.
image=$(plc_status | sed 's/.* image \([0-9]*\) .*/\1/')
upload_frames=$(( (image + 199) / 200 ))
(( upload_frames >= 3 )) || ui_fail "an upload of $image bytes has no block in the middle"
files=$(project_files)
# A damaged, a short and a missing answer to a block in the middle of the transfer: the
# message, no project asked for, the open project unchanged on disk; the next upload works.
n=0
for fault in "crc:接收数据CRC校验错误，通讯失败！" "short:接收数据CRC校验错误，通讯失败！" "silent:通讯超时错误，通讯失败！"; do
  plc "fault ${fault%%:*} $(( upload_frames / 2 )) 1 0 G"
  ui_key ctrl+F8
  message "${fault#*:}"
  dialog_up 上载至... && ui_fail "a failed upload asked where to put the project"
  [ "$(project_files)" = "$files" ] || ui_fail "a failed upload changed the project on disk"
  unchanged "$none" "a failed upload"
  n=$(( n + 1 ))
  mkdir -p "$work/up$n"
  upload_into "$work/up$n/up$n.qpr"
  project="$work/up$n/up$n.qpr"
  files=$(project_files)
done
ui_shot online-faults-uploaded
ui_key F7
ui_wait_text '编译成功' 30
compare
message 当前打开的工程与PLC内的工程一致！

ui_key alt+F4
ui_wait_exit 30
exit 0
