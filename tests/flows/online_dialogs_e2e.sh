# A new user works the PLC's own dialogs by menus and buttons: the PLC information
# (read, and refreshed after the PLC was started), the PLC clock (read, a new date chosen
# and written, the PLC's clock changed), and the password: set on the PLC, then a download
# to the protected PLC asks for it, refuses a wrong one with its message, takes the right
# one; the password cleared again (a wrong old password refused first), after which a
# download asks nothing. The PLC is the simulated one (tools/simplc) on one end of two
# linked pseudo-terminals; the program's COM5 is the other.
source "$(dirname "$0")/online-session"

program() { plc_status | sed 's/^running . //; s/ forces .*//'; }

online_start online-dialogs
choose_port

# ---- the PLC information ---------------------------------------------------------------------
menu 319 345 169                     # PLC > PLC信息
wait_dialog PLC信息
for shown in 'Edit id=1228 .* " 停 止"$' 'Edit id=1226 .* " CPU245"$' 'Edit id=1224 .* " 2.1.7"$' \
             'item "1" | "R245-40DT" | "0" | ""' 'item "2" | "R253-16DT" | "0" | ""' \
             'item "3" | "R241Ex-14DT" | "2" | ""'; do
  dialog_text PLC信息 | grep -q -- "$shown" || ui_fail "the information dialog does not show $shown"
done
ui_shot online-dialogs-info
plc "run 1"
ui_press PLC信息 1582                   # 刷新显示
ui_wait_text '" 运 行"'
ui_shot online-dialogs-info-running
ui_press PLC信息 2                      # 关 闭
dialog_gone PLC信息

# ---- the PLC clock: read, a year later chosen, written --------------------------------------------
menu 319 355 189                     # PLC > 调整CPU时钟
wait_dialog 调整CPU时钟
[ "$(control_text 调整CPU时钟 1159) $(control_text 调整CPU时钟 1160)" = "2026年12月10日星期四 14:30:00" ] ||
  ui_fail "the dialog does not show the PLC's clock 2026-12-10 14:30:00"
ui_shot online-dialogs-clock
ui_press 调整CPU时钟 1157 16             # the year of the date to write
ui_key Up
chosen=$(control_text 调整CPU时钟 1157)
[ "${chosen:0:4}" = $(( $(date +%Y) + 1 )) ] || ui_fail "the date to write did not go a year on: $chosen"
ui_press 调整CPU时钟 1156                # 修改PLC时钟
# The PLC holds the chosen date (BCD yy-mm-dd), and the dialog's next read shows it.
expected=$(echo "$chosen" | sed 's/^..\(..\)年\([0-9]*\)月\([0-9]*\)日.*/\1 \2 \3/' | { read -r y m d; printf '%s-%02d-%02d' "$y" "$m" "$d"; })
deadline=$(( SECONDS + 20 ))
until [ "$(plc_says clock | cut -c1-8)" = "$expected" ]; do
  (( SECONDS < deadline )) || ui_fail "the PLC's clock reads $(plc_says clock), not $expected"
  sleep 0.5
done
deadline=$(( SECONDS + 20 ))
until [ "$(control_text 调整CPU时钟 1159)" = "$chosen" ]; do
  (( SECONDS < deadline )) || ui_fail "the dialog does not show the PLC's new date"
  sleep 0.5
done
ui_shot online-dialogs-clock-written
ui_press 调整CPU时钟 2                   # 关 闭
dialog_gone 调整CPU时钟

# ---- a password set on the PLC -------------------------------------------------------------------
menu 319 345 141                     # PLC > 修改密码
wait_dialog CPU密码保护
ui_press CPU密码保护 1104                # 等级2：部分保护
ui_press CPU密码保护 1188; ui_type s3cret
ui_press CPU密码保护 1191; ui_type s3cret
ui_shot online-dialogs-password
ui_press CPU密码保护 3                   # 应 用
message 您确认要修改CPU内的保护密码吗？
message 密码修改成功，新密码已经生效！ online-dialogs-password-set
[ "$(plc_says password)" = "level 2, empty 0" ] || ui_fail "the PLC's protection is $(plc_says password)"
ui_press CPU密码保护 2                   # 关闭
dialog_gone CPU密码保护

# ---- a download to the protected PLC: the password asked, a wrong one refused, the right one taken --
mkdir -p "$work/projects"
new_project "$work/projects/demo.qpr"
empty=$(program)
ui_key F8                            # PLC > 下载
wait_dialog 下载用户工程
ui_key alt+d                         # 开始下载
message CPU正处于运行状态。            # the information step started it: stopped for the download
wait_dialog 请输入密码
ui_type wrong1
ui_shot online-dialogs-plc-password
ui_key Return
message PLC需要密码进行当前的操作，用户输入的密码错误！ online-dialogs-password-refused
[ "$(control_text 下载用户工程 1233)" = "下载结果：失败。" ] || ui_fail "the result line reads $(control_text 下载用户工程 1233)"
[ "$(program)" = "$empty" ] || ui_fail "the PLC took a program without its password"
ui_key alt+d
wait_dialog 请输入密码
ui_type s3cret
ui_key Return
dialog_gone 下载用户工程 60
outputs | grep -q '提示： 程序下载成功。' || ui_fail "no download line in the output window"
downloaded=$(program)
[ "$downloaded" != "$empty" ] || ui_fail "the PLC's program did not change"

# ---- the password cleared: a wrong old password refused first --------------------------------------
menu 319 345 141                     # PLC > 修改密码
wait_dialog CPU密码保护
ui_press CPU密码保护 999; ui_type nope   # level 1 stays chosen
ui_press CPU密码保护 3
message 您确认要修改CPU内的保护密码吗？
message 密码验证没有通过！ online-dialogs-old-password-refused
[ "$(plc_says password)" = "level 2, empty 0" ] || ui_fail "a wrong old password changed the protection"
ui_press CPU密码保护 999; ui_key End shift+Home Delete; ui_type s3cret
ui_press CPU密码保护 3
message 您确认要修改CPU内的保护密码吗？
message 密码修改成功，新密码已经生效！
[ "$(plc_says password)" = "level 1, empty 1" ] || ui_fail "the PLC's protection is $(plc_says password)"
ui_press CPU密码保护 2
dialog_gone CPU密码保护

# ---- unprotected again: the next download asks nothing -------------------------------------------
ui_key F8
wait_dialog 下载用户工程
ui_key alt+d
dialog_gone 下载用户工程 60
dialog_up 请输入密码 && ui_fail "the unprotected PLC asked for its password"
[ "$(outputs | grep -c '提示： 程序下载成功。')" = 2 ] || ui_fail "no second download line in the output window"
echo "ui: the PLC dialogs worked"
