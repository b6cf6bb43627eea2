# A user's small checks of the main window: the settings dialog comes up centred on the
# main window; a compile error reached by a double click is the line the status bar tells
# (screenshot); Alt+R in the global variables grid opens the cross reference rather than
# the 工程 menu; once the project is closed the status bar's line panes are empty
# (screenshot).
set -u
source "$(dirname "$0")/../../scripts/ui-session"

main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
# The rectangle's centre of the first window dump line holding TEXT, as "x y".
centre_of() { ui_text | grep -aF "$1" | head -1 | sed -n 's/.*\[\(-*[0-9]*\),\(-*[0-9]*\),\(-*[0-9]*\),\(-*[0-9]*\)\].*/\1 \2 \3 \4/p' |
  { read -r l t r b; echo $(( (l + r) / 2 )) $(( (t + b) / 2 )); }; }

ui_start shell-dialogs
main_window_up
folder="$WINEPREFIX/drive_c/users/Public/dialogsflow"
rm -rf "$folder" && mkdir -p "$folder"

# 工具 > 软件设置: centred on the maximised main window (the screen's middle).
ui_click 427 30
ui_click 455 54
ui_wait_text '"软件设置"'
read -r x y <<<"$(centre_of '"软件设置"')"
(( x >= 510 && x <= 514 && y >= 382 && y <= 386 )) || ui_fail "the settings dialog is centred at $x,$y"
ui_key Escape

# A new project switched to IL, one faulty line, F7, a double click on the error.
ui_key ctrl+n
ui_wait_text '"新建工程"' $UI_FILE_DIALOG_WAIT
ui_key ctrl+a
ui_type 'C:\users\Public\dialogsflow\Flow.qpr'
ui_key Return
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
ui_wait_steady 30
ui_click 200 30                 # 工程 > IL语言
ui_click 240 53
ui_wait_steady 30
ui_click 500 300
ui_key ctrl+End Return
for line in 'LD %I0.0' 'XX %Q0.0' 'ST %Q0.1'; do ui_type "$line"; ui_key Return; done
ui_key F7
ui_wait_text '编译失败' 30
ui_wait_steady 30
ui_double_click 200 667         # the first error line: the editor shows its line
ui_wait_steady 30
ui_shot shell-error-line-status

# Alt+R in the global variables grid.
ui_double_click 129 210
ui_wait_text '"VAR_GLOBAL"' 30
ui_click 400 125
ui_key alt+r
ui_wait_text 'QLX_CROSSREF_FRMAME'
ui_text | grep -qaF '"Tessaron V1.9.5.1 - [交叉索引表]"' || ui_fail "Alt+R did not bring the cross reference forward"

# Close the project: no document window is left, the status bar's panes are empty.
ui_key ctrl+F4
sleep 2
ui_text | grep -qF '是否保存' && ui_key n
ui_wait_text '"Tessaron V1.9.5.1"'
ui_wait_steady 30
ui_shot shell-closed-status
ui_key alt+F4
ui_wait_exit 30
exit 0
