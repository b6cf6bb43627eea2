# The output pane pinned away and back: its pin hides it into a band along the bottom
# edge, a click on its tab there slides it out over the documents, and the pin of the
# slid-out pane docks it again where it was.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

# The output view's rectangle on the screen: left top right bottom.
output_view_rect() {
  ui_text | sed -n 's/.*TxWnd id=32868 \[\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\)\].*/\1 \2 \3 \4/p' | head -1
}
# The pin sits in the caption above the view's top right corner.
click_output_pin() {
  local left top right bottom
  read -r left top right bottom <<<"$(output_view_rect)"
  [ -n "$right" ] || ui_fail "the output view is not shown"
  ui_click $(( right - 22 )) $(( top - 12 ))
  ui_wait_steady 30
}
# The bottom band: a window across the whole width, ending at the status bar.
bottom_band() { ui_text | grep -E ' id=0 \[0,7[0-9]{2},1024,744\] ""' | head -1; }

ui_start shell-auto-hide
ui_wait_text '"Tessaron V' 60
ui_wait_steady 30
docked=$(output_view_rect)
[ -n "$docked" ] || ui_fail "no output pane at the start"
[ -z "$(bottom_band)" ] || ui_fail "a bottom band before anything was hidden"

click_output_pin
ui_shot shell-output-hidden
[ -z "$(output_view_rect)" ] || ui_fail "the pin left the output pane docked"
band=$(bottom_band)
[ -n "$band" ] || ui_fail "no band along the bottom edge"

# The band's first tab: a little in from its left end, halfway down.
band_top=$(sed -n 's/.*\[0,\([0-9]*\),1024,744\].*/\1/p' <<<"$band")
ui_click 40 $(( (band_top + 744) / 2 ))
sleep 1
ui_shot shell-output-slid-out
read -r left top right bottom <<<"$(output_view_rect)"
[ -n "${bottom:-}" ] || ui_fail "the tab did not slide the output pane out"
(( bottom <= band_top )) || ui_fail "the slid-out pane covers the band: $left $top $right $bottom"

click_output_pin
ui_shot shell-output-docked-again
[ "$(output_view_rect)" = "$docked" ] || ui_fail "the output pane is not back in its place: $(output_view_rect)"
[ -z "$(bottom_band)" ] || ui_fail "the band stayed after the pane came back"

ui_key alt+F4
ui_wait_exit 30
exit 0
