# The bars tried by hand: menus walked by keys and by the mouse (a submenu opened by
# resting on its entry, an entry chosen), the chevron of a toolbar clipped by a narrow
# window, a toolbar floated off its row and docked back, the open menu in each style,
# and a start in the style kept from the last run. Every popup shot must show drawn.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
# A press, two moves and the release, as a hand drags.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1; sleep 0.3
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.3
  xdotool mousemove "$3" "$4"; sleep 0.3
  xdotool mouseup 1; sleep 0.8
}
# The rectangle of the window with that title ("" when not shown), and its parts.
rect_of() { ui_text | grep -F -- "\"$1\"" | sed -n 's/.*\[\([-0-9,]*\)\].*/\1/p' | head -1; }
part() { echo "$1" | cut -d, -f"$2"; }
# The popups open now: top-level bar windows without a title (not the thin shadow
# strips beside them), as "left top right bottom", and by their left edges.
popup_rects() {
  ui_text | sed -n 's/^window Tx:[^ ]* id=0 \[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\] ""$/\1 \2 \3 \4/p' |
    while read -r l t r b; do (( r - l > 20 && b - t > 20 )) && echo "$l $t $r $b"; done
}
popups() { popup_rects | cut -d' ' -f1; }
# shot_popups NAME: the screen as NAME, where every open popup shows drawn: light
# entries, not a black box.
shot_popups() {
  local rects l t r b
  rects=$(popup_rects)
  [ -n "$rects" ] || ui_fail "no popup open for $1"
  ui_shot "$1"
  while read -r l t r b; do
    awk -v mean="$(ui_brightness "$1" "$l" "$t" "$r" "$b")" 'BEGIN { exit !(mean > 0.5) }' ||
      ui_fail "the popup at [$l,$t,$r,$b] shows dark in $1.png"
  done <<<"$rects"
}
# wait_popups N: N popups are open (within a few seconds).
wait_popups() {
  for _ in $(seq 10); do [ "$(popups | wc -l)" -eq "$1" ] && return 0; sleep 0.5; done
  return 1
}
menu_up() { [ -n "$(popups)" ]; }
rest_on() { xdotool mousemove "$1" "$2"; sleep 1.2; }

profile='HKCU\Software\QLX Tessaron\QLX_R2'

# A new user: nothing stored by an earlier run of this prefix (its style, window placement
# and toolbar rows would change where the steps below click).
ui_start command-bars-hand
main_window_up
ui_key alt+F4
ui_wait_exit 30
ui_reg delete "$profile" /f >/dev/null
ui_launch
main_window_up

# ---- menus by keys ---------------------------------------------------------------------------
ui_key alt+f
wait_popups 1 || ui_fail "Alt+F opened no menu"
first=$(popups | head -1)
ui_key Right
sleep 1
wait_popups 1
second=$(popups | head -1)
[ -n "$second" ] && [ "$second" -gt "$first" ] || ui_fail "Right did not open the next menu ($first -> $second)"
ui_key Escape
wait_popups 0 || ui_fail "Esc left the menu open"
ui_key Escape
# Once menu mode has ended, Alt+letter opens that letter's menu again.
ui_key alt+v
wait_popups 1 || ui_fail "Alt+V after Esc opened no menu"
[ "$(popups | head -1)" -gt "$second" ] || ui_fail "Alt+V after Esc did not open 查看"
ui_shot command-bars-alt-v
ui_key Escape Escape
wait_popups 0 || ui_fail "Esc left 查看 open"

# ---- menus by the mouse: a submenu by resting on its entry, an entry chosen ---------------------
ui_click 145 30                      # 查看
rest_on 170 249                      # 界面风格
wait_popups 2 || ui_fail "resting on 界面风格 opened no submenu"
shot_popups command-bars-submenu
ui_key Escape Escape
ui_click 145 30; rest_on 160 141; ui_click 160 141   # 查看 > 状态栏: hidden
ui_wait_steady 30
ui_text | grep -q 'msctls_statusbar32' && ui_fail "the status bar is still shown"
ui_click 145 30; rest_on 160 141; ui_click 160 141   # shown again
ui_wait_text 'msctls_statusbar32'

# ---- the chevron of a clipped toolbar --------------------------------------------------------------
ui_click 995 8                       # restore the main window
ui_wait_steady 30
frame=$(rect_of 'Tessaron V1.9.5.1')
drag "$(( $(part "$frame" 3) - 2 ))" 300 520 300     # its right edge to the left
ui_wait_steady 30
standard=$(rect_of 标准工具栏)
ui_shot command-bars-narrow
chevron_x=$(( $(part "$standard" 3) - 6 )); chevron_y=$(( ($(part "$standard" 2) + $(part "$standard" 4)) / 2 ))
ui_click "$chevron_x" "$chevron_y"
wait_popups 1 || ui_fail "the chevron of the standard toolbar opened nothing"
shot_popups command-bars-chevron
ui_key Escape
ui_double_click 200 12               # the title bar: maximised again
ui_wait_steady 30

# ---- a toolbar floated and docked back ---------------------------------------------------------------
docked=$(rect_of PLC工具栏)
drag "$(( $(part "$docked" 1) + 3 ))" 56 500 400      # its gripper into the middle
floating=$(rect_of PLC工具栏)
[ "$(part "$floating" 2)" -gt 100 ] || ui_fail "the PLC toolbar did not float: $floating"
ui_shot command-bars-floating
drag "$(( $(part "$floating" 1) + 30 ))" "$(( $(part "$floating" 2) + 8 ))" 800 56   # its caption onto the row
back=$(rect_of PLC工具栏)
(( $(part "$back" 2) >= 43 && $(part "$back" 4) <= 100 )) || ui_fail "the PLC toolbar did not dock below the menu bar: $back"
ui_shot command-bars-docked-back

# ---- the open menu in each style ------------------------------------------------------------------------
# The styles' entries share the submenu's height in thirds.
for style in 1 2 3; do
  ui_click 145 30; rest_on 170 249
  wait_popups 2 || ui_fail "no style submenu"
  read -r _ top _ bottom < <(popup_rects | sort -n | tail -1)
  entry_y=$(( top + (bottom - top) * (2 * style - 1) / 6 ))
  xdotool mousemove 330 249; sleep 0.3
  rest_on 355 "$entry_y"; ui_click 355 "$entry_y"
  ui_wait_steady 30
  ui_click 145 30; rest_on 170 249; sleep 1
  shot_popups "command-bars-style-$style"
  ui_key Escape Escape
done

ui_key alt+F4
ui_wait_exit 30
interface() { ui_reg query "$profile\\Configuration" /v Interface | sed -n 's/.*REG_SZ    //p'; }
[ "$(interface)" = " 2" ] || ui_fail "the third style was not kept: Interface \"$(interface)\""

# ---- started again in the kept third style: its menus drawn from the first one ---------------------------
ui_launch
main_window_up
ui_click 145 30
wait_popups 1 || ui_fail "查看 opened no menu after the start in the third style"
shot_popups command-bars-started-in-style-3
ui_key Escape Escape
ui_key alt+F4
ui_wait_exit 30
exit 0
