# A new user configures the hardware of a new project: the hardware window from the
# project tree, the CPU241 deleted and a CPU243 inserted by double click in the module
# list, a DO and a DI module after it; the DO module's start byte typed onto the CPU's
# outputs; closing the window names the overlap and selects the module's row; "缺省值"
# mends it; saved with the window open, closed, reopened: the same configuration.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
# The module form's start byte field, and the box the program shows, if any.
start_byte() { ui_text | sed -n 's/.*Edit id=1011 .* "\(.*\)"$/\1/p' | head -1; }
box_text() { ui_text | sed -n 's/^  window Static id=65535 [^"]*"\(.*\)"$/\1/p' | head -1; }
slot_row() { ui_click 300 $(( 105 + 20 * $1 )); }
insert_model() { ui_double_click 960 "$1"; ui_wait_steady 10; }
open_hardware() {
  ui_double_click 130 194         # 配置 > 资源 > PLC硬件配置 in the project tree
  ui_wait_text '"硬件配置"'
  ui_wait_steady 30
}

ui_start hardware-e2e
folder="$WINEPREFIX/drive_c/hw"
rm -rf "$folder" && mkdir -p "$folder"
main_window_up
if ui_text | grep -qF '本软件不是工程文件'; then ui_key y; main_window_up; fi

ui_key ctrl+n
ui_wait_text '"新建工程"' $UI_FILE_DIALOG_WAIT
ui_key ctrl+a
ui_type 'C:\hw\Plant.qpr'
ui_key Return
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"'
open_hardware
ui_text | grep -qF '"PLC模块列表"' || ui_text | grep -qF 'R243-24DT' || ui_fail "no module list beside the hardware window"

# The new project's CPU241 goes; a CPU243, then a DO and a DI module by double click.
slot_row 1
ui_key Delete
ui_wait_text '确实要删除选中的模块吗？'
ui_key y
slot_row 1
insert_model 194                  # R243-24DT
insert_model 290                  # R252-08DT into slot 2
insert_model 258                  # R251-08DX into slot 3
slot_row 2
[ "$(start_byte)" = "2" ] || ui_fail "the DO module did not start after the CPU243's outputs: $(start_byte)"
ui_shot hardware-e2e-inserted

# Its start byte typed onto the CPU's outputs; the window refuses to close.
ui_double_click 375 318
ui_key End shift+Home
ui_type '1'
slot_row 3
slot_row 2
[ "$(start_byte)" = "1" ] || ui_fail "the typed start byte was not kept"
ui_click 1013 31                  # the maximised window's close box
ui_wait_text '模块2的Q区地址重叠！'
ui_shot hardware-e2e-overlap
ui_key Return
ui_wait_steady 30
ui_text | grep -qF '"硬件配置"' || ui_fail "the window closed with an overlap"
[ "$(start_byte)" = "1" ] || ui_fail "the overlapping module's row is not the selected one"

# "缺省值" mends it; saved with the window open.
ui_click 634 519
[ "$(start_byte)" = "2" ] || ui_fail "缺省值 did not give the first free byte: $(start_byte)"
ui_key ctrl+s
ui_wait_steady 30
[ -z "$(box_text)" ] || ui_fail "saving showed: $(box_text)"

# Closed (nothing asked after the save) and reopened from the recent list.
ui_key ctrl+F4
ui_wait_steady 30
[ -z "$(box_text)" ] || ui_fail "closing after the save asked: $(box_text)"
ui_click 36 30                    # File; the recent project below Print Setup
ui_wait_steady 30
ui_click 90 277
ui_wait_text '工程 : Plant'
open_hardware
slot_row 2
[ "$(start_byte)" = "2" ] || ui_fail "the reopened DO module starts at $(start_byte)"
ui_shot hardware-e2e-reopened
ui_click 1013 31
ui_wait_steady 30
[ -z "$(box_text)" ] || ui_fail "the mended configuration was refused: $(box_text)"
ui_key alt+F4
ui_wait_exit 30
exit 0
