# The program starts to its main window and ends on Alt+F4.
set -u
source "$(dirname "$0")/../../scripts/ui-session"
ui_start shell-start
ui_wait_text '"Tessaron V' 60
ui_wait_steady 30
ui_shot shell-start
ui_key alt+F4
ui_wait_exit 30
