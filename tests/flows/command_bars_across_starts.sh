# The toolbars come back where the user left them: one floated, one hidden from the View
# menu, one moved to a second row; after the program ends and starts again the same
# arrangement shows.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
end_program() { ui_key alt+F4; ui_wait_exit 30; }
# A press, two moves and the release, as a hand drags.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1; sleep 0.3
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.3
  xdotool mousemove "$3" "$4"; sleep 0.3
  xdotool mouseup 1; sleep 0.5
}
# Whether the top-level window with that title lies in front of the main window.
in_front() {
  ui_text | grep '^window' | grep -F -e "\"$1\"" -e '"Tessaron V' | head -1 | grep -qF -- "\"$1\""
}
# The rectangle of the bar with that title, "" when it is not shown.
bar_rect() { ui_text | grep -F -- "\"$1\"" | sed -n 's/.*\(\[[-0-9,]*\]\).*/\1/p' | head -1; }

app='HKCU\Software\QLX Tessaron\QLX_R2'
# A first start makes the prefix; the bar places an earlier run of it left are dropped.
ui_start command-bars
main_window_up
end_program
for key in $(ui_reg query "$app" | grep -o 'QLXCommandBars-[A-Za-z]*[0-9]*' | grep -v Options); do
  ui_reg delete "$app\\$key" /f >/dev/null
done
ui_launch
main_window_up
[ "$(bar_rect 'PLC工具栏')" = "[618,43,751,70]" ] || ui_fail "the PLC toolbar is not at the end of the first row"
drag 621 56 500 400            # the PLC toolbar's gripper into the middle: it floats
ui_wait_steady 30
drag 286 56 100 88             # the project toolbar's gripper below the first row
ui_wait_steady 30
ui_click 145 30                # 查看(V); its eighth entry is the ladder toolbar
ui_key Down Down Down Down Down Down Down Down Return
ui_wait_steady 30
floating=$(bar_rect 'PLC工具栏')
second_row=$(bar_rect '工程工具栏')
[ -n "$floating" ] && [ "$floating" != "[618,43,751,70]" ] || ui_fail "the PLC toolbar did not float"
[ "${second_row#\[*,}" != "${second_row}" ] && [ "$(echo "$second_row" | cut -d, -f2)" -ge 70 ] ||
  ui_fail "the project toolbar is not in a second row: $second_row"
[ -z "$(bar_rect '梯形图工具栏')" ] || ui_fail "the ladder toolbar is still shown"
in_front 'PLC工具栏' || ui_fail "the floating toolbar fell behind the main window"
ui_shot command-bars-left
end_program

ui_launch
main_window_up
ui_shot command-bars-restored
[ "$(bar_rect 'PLC工具栏')" = "$floating" ] || ui_fail "the PLC toolbar came back at $(bar_rect 'PLC工具栏'), not $floating"
[ "$(bar_rect '工程工具栏')" = "$second_row" ] || ui_fail "the project toolbar came back at $(bar_rect '工程工具栏')"
[ -z "$(bar_rect '梯形图工具栏')" ] || ui_fail "the ladder toolbar came back shown"
[ "$(bar_rect '标准工具栏')" = "[0,43,283,70]" ] || ui_fail "the standard toolbar moved"
in_front 'PLC工具栏' || ui_fail "the restored floating toolbar lies behind the main window"
end_program
ui_reg query "$app" | grep -qF 'QLXCommandBars-Controls' && ui_fail "the program wrote its controls"
ui_reg query "$app" | grep -qF 'QLXCommandBars-Summary' || ui_fail "no bar state was stored"
exit 0
