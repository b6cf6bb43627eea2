# A new user rearranges the toolbars (floats one, moves one to a second row, hides one
# from the View menu), leaves the program and starts it again: the toolbars come back
# where they were left.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

# The toolbars' windows in the dump: title and rectangle, the floating one included.
toolbars() { ui_text | grep -E '"(标准|工程|梯形图|PLC)工具栏"' | sed -E 's/^ *window [^ ]+ id=[0-9]+ //' | sort; }

ui_start commandbars-state
ui_wait_text '"Tessaron V' 60
ui_wait_steady 30
ui_key alt+F4
ui_wait_exit 30
# As a new user: no settings of an earlier run.
ui_reg delete 'HKCU\Software\QLX Tessaron' /f >/dev/null
ui_launch
ui_wait_text '"Tessaron V' 60
ui_wait_steady 30
[ "$(toolbars | wc -l)" = 4 ] || ui_fail "four toolbars expected at the start"

# The PLC toolbar (right end of the first toolbar row) floats over the documents.
xdotool mousemove 621 56 mousedown 1 mousemove 600 150 sleep 0.2 mousemove 500 300 sleep 0.2 mouseup 1
sleep 1
# The project toolbar goes to a second row.
xdotool mousemove 286 56 mousedown 1 mousemove 290 66 sleep 0.2 mousemove 300 80 sleep 0.2 mouseup 1
sleep 1
# The ladder toolbar is hidden through the View menu's toolbar list.
ui_click 145 30
sleep 0.5
ui_click 180 201
ui_wait_steady 30
ui_shot commandbars-state-left
left=$(toolbars)
echo "$left"
echo "$left" | grep -q '"梯形图工具栏"' && ui_fail "the ladder toolbar is still shown"
echo "$left" | grep -qE '\[[0-9]+,(6[0-9]|7[0-9]|8[0-9]),[0-9]+,[0-9]+\] "工程工具栏"' ||
  ui_fail "the project toolbar is not in a second row"
echo "$left" | grep -qE '\[4[0-9][0-9],2[0-9][0-9],[0-9]+,[0-9]+\] "PLC工具栏"' || ui_fail "the PLC toolbar does not float"

ui_key alt+F4
ui_wait_exit 30
ui_launch
ui_wait_text '"Tessaron V' 60
ui_wait_steady 30
ui_shot commandbars-state-restored
restored=$(toolbars)
[ "$restored" = "$left" ] || ui_fail "toolbars after the restart:
$restored
expected:
$left"
ui_key alt+F4
ui_wait_exit 30
