# The tabbed document area of the real program: a new project opens its MAIN program, the
# global variables, cross reference and status table windows join it, each with a tab; a
# right press on a tab activates its window and offers the tab menu, whose last entry moves
# the strip to the bottom; the position is written when the program ends.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

profile='HKCU\Software\QLX Tessaron\QLX_R2'
main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }

ui_start shell-tabs
main_window_up
# A fresh folder for the project each run.
folder="$WINEPREFIX/drive_c/users/Public/tabsflow"
rm -rf "$folder" && mkdir -p "$folder"
ui_key ctrl+n
ui_wait_text '"新建工程"' $UI_FILE_DIALOG_WAIT
ui_key ctrl+a
ui_type 'C:\users\Public\tabsflow\tabs.qpr'
ui_key Return
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"' 30
# The global variables, the status table and the initial data from the project tree.
ui_double_click 129 210
ui_wait_text '"VAR_GLOBAL"' 30
ui_double_click 91 226
ui_wait_text '"变量状态表"' 30
ui_double_click 116 130
ui_wait_text '"初始化数据表"' 30
ui_wait_steady 30
ui_shot shell-document-tabs

# The first tab, "MAIN", pressed with the right button.
ui_click 232 81 3
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"'
ui_wait_steady 30
ui_shot shell-document-tab-menu
# "切换标签位置" of the tab menu.
ui_click 300 169
ui_wait_steady 30
ui_shot shell-document-tabs-bottom

ui_key alt+F4
sleep 3
ui_text | grep -qF '是否保存' && ui_key n
ui_wait_exit 30
[ "$(ui_reg query "$profile\\TabDocking" /v Position | LC_ALL=C sed -n 's/.*REG_DWORD[[:space:]]*//p')" = "0x2" ] ||
  ui_fail "the bottom position was not written"
exit 0
