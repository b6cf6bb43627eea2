# A new user's first session: the style changed to the third through the View menu, the
# project manager and output panes closed with Alt+1 and Alt+3, the program ended and
# started again. The style and the toolbars are kept, the window placement, the tab
# position and the pane layout are written at the end; the panes come back at the next
# start (their layout is written but not read back).
set -u
source "$(dirname "$0")/../../scripts/ui-session"

profile='HKCU\Software\QLX Tessaron\QLX_R2'

# The value's data as reg prints it: the text after the type.
value_of() { ui_reg query "$1" /v "$2" | LC_ALL=C sed -n "s/.*$3[[:space:]]*//p" | head -1; }
main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
end_program() { ui_key alt+F4; ui_wait_exit 30; }
# The project tree in its pane at the left, the output view's tab strip at the bottom.
project_pane_shown() { ui_text | grep -qE 'SysTreeView32 id=59648 \[[0-9],'; }
output_pane_shown() { ui_text | grep -qF 'TxWnd id=32868'; }
# The third style is stored as " 2".
third_style_stored() { [ "$(value_of "$profile\\Configuration" Interface REG_SZ | tr -d ' ')" = 2 ]; }
open_style_menu() { ui_click 145 30; ui_click 170 249; sleep 1; }

# A new user: nothing stored from an earlier run of this prefix.
ui_start shell-style
main_window_up
end_program
ui_reg delete "$profile" /f >/dev/null
ui_launch
main_window_up
project_pane_shown || ui_fail "no project manager pane at the first start"
output_pane_shown || ui_fail "no output pane at the first start"
open_style_menu
ui_click 363 289
ui_wait_steady 30
ui_shot shell-style-three

ui_key alt+1
ui_key alt+3
ui_wait_steady 30
ui_shot shell-panes-closed
project_pane_shown && ui_fail "Alt+1 left the project manager pane"
output_pane_shown && ui_fail "Alt+3 left the output pane"
end_program

third_style_stored || ui_fail "the third style was not stored"
placement=$(value_of "$profile\\Settings" "Window Position" REG_BINARY)
[ "${#placement}" -eq 96 ] || ui_fail "Window Position is not 48 bytes: $placement"
[ "$(value_of "$profile\\TabDocking" Position REG_DWORD)" = "0x0" ] || ui_fail "no tab position written"
ui_reg query "$profile\\DockingPaneLayouts\\QLXNormalLayout" /s >/dev/null || ui_fail "no pane layout written"
ui_reg query "$profile\\QLXCommandBars-DockBar0" /s >/dev/null || ui_fail "no toolbar state written"

ui_launch
main_window_up
ui_shot shell-restarted
project_pane_shown || ui_fail "the project manager pane did not come back"
output_pane_shown || ui_fail "the output pane did not come back"
end_program
third_style_stored || ui_fail "the style was not kept"
exit 0
