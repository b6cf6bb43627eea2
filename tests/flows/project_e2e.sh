# A new user's first project: IL made the default in the settings, a new project, a
# subroutine added, IL typed into MAIN and the subroutine with one faulty line, F7 shows
# the error in the compile tab, a double click on it reaches the line, mended, F7 builds
# the target file; saved, closed, reopened from the recent list: the same tree and texts,
# and a compile gives the same target file.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
# The compile tab's lines.
compile_lines() { ui_text | sed -n '/ListBox id=25001/,/^  window/p' | sed -n 's/^ *item "//p'; }
tree_pous() { ui_text | sed -n 's/^ *node "\((\(MAIN\|SBR[0-9]*\))[^"]*\)".*/\1/p'; }
# Types the lines into the IL editor at its line 2, each ended by Return.
type_il() {
  ui_click 400 246
  ui_key End
  local line
  for line in "$@"; do ui_type "$line"; ui_key Return; done
}

ui_start project-e2e
folder="$WINEPREFIX/drive_c/e2e"
rm -rf "$folder" && mkdir -p "$folder"
main_window_up
if ui_text | grep -qF '本软件不是工程文件'; then ui_key y; main_window_up; fi

# Tools > Settings: the default language becomes IL.
ui_click 427 30
ui_click 455 54
ui_wait_text '"软件设置"'
ui_press 软件设置 1219
ui_key Up Return
ui_text | grep -F 'id=1219' | grep -qF '"指令表 IL"' || ui_fail "IL was not chosen as the default language"
ui_press 软件设置 1

# File > New project, named in the file dialog.
ui_key ctrl+n
ui_wait_text '"新建工程"' $UI_FILE_DIALOG_WAIT
ui_key ctrl+a
ui_type 'C:\e2e\Pump.qpr'
ui_key Return
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"'
[ -f "$folder/Pump/MAIN_MAIN.ilp" ] || ui_fail "the new project has no MAIN file"

# Project > New subroutine: it opens in its own editor.
ui_click 200 30
ui_click 237 101
ui_wait_text '"Tessaron V1.9.5.1 - [SBR_0]"'
type_il 'LD %I0.1' 'ST %Q0.9'
ui_click 231 81                 # MAIN's document tab
ui_wait_text '"Tessaron V1.9.5.1 - [MAIN]"'
type_il 'LD %I0.0' 'ST %Q0.0' 'CAL SBR_0'
ui_shot project-e2e-typed

ui_key F7
ui_wait_text '编译失败' 30
compile_lines | grep -qF '程序: SBR_0 (第 3 行):[Error 041]' || ui_fail "the faulty line is not in the compile tab"
ui_shot project-e2e-error
ui_double_click 200 667         # the first error line
ui_wait_text '"Tessaron V1.9.5.1 - [SBR_0]"'
ui_shot project-e2e-error-line
ui_click 420 262                # the marked line 3: retyped
ui_key End shift+Home
ui_type 'ST %Q0.1'
ui_key Down
ui_key F7
ui_wait_text '编译成功' 30
[ -f "$folder/Pump/Pump.obj" ] || ui_fail "a clean compile wrote no target file"
cp "$folder/Pump/Pump.obj" "$_ui_work/first.obj"
ui_shot project-e2e-compiled

# Replace opens over the editor, which keeps the focus: the dialog must stay above
# the main window, not vanish behind it.
ui_key ctrl+r
ui_wait_text '"替换"'
ui_wait_steady 30
ui_text | grep -m1 '^window' | grep -qF '"替换"' || ui_fail "the replace dialog is behind the main window"
ui_shot project-e2e-replace
ui_press 替换 2

# Save, close (nothing asked after the save), reopen from the recent list.
ui_key ctrl+s
ui_key ctrl+F4
ui_wait_steady 30
ui_text | grep -qF '是否保存' && ui_fail "closing after a save asked to save"
[ -z "$(tree_pous)" ] || ui_fail "the tree still shows the closed project"
ui_click 36 30                  # File; the recent project below Print Setup
ui_wait_steady 30
ui_click 90 277
ui_wait_text '(SBR00)  SBR_0'
[ "$(tree_pous | tr '\n' ' ')" = "(MAIN)  MAIN (SBR00)  SBR_0 " ] || ui_fail "the reopened tree differs: $(tree_pous)"
grep -qx 'ST      %Q0.1' <(tr -d '\r' <"$folder/Pump/SBR00_SBR_0.ilp") || ui_fail "the mended line was not kept"
grep -qx 'CAL     SBR00' <(tr -d '\r' <"$folder/Pump/MAIN_MAIN.ilp") || ui_fail "MAIN's call (kept in the number form) was not kept"
ui_double_click 120 162         # the subroutine from the tree
ui_wait_text '"Tessaron V1.9.5.1 - [SBR_0]"'
ui_wait_steady 30
ui_shot project-e2e-reopened
rm "$folder/Pump/Pump.obj"
ui_key F7
ui_wait_text '编译成功' 30
cmp -s "$_ui_work/first.obj" "$folder/Pump/Pump.obj" || ui_fail "the reopened project compiles to another target file"
ui_key alt+F4
ui_wait_exit 30
exit 0
