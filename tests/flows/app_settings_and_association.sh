# Settings and the project file association across starts: the program makes itself the
# handler of project files, writes its settings when it ends, reads them at the next start
# (a CPU the settings list lacks reads as the first one), and asks at every start while
# another program owns project files, until the user answers Yes.
set -u
source "$(dirname "$0")/../../scripts/ui-session"

config='HKCU\Software\QLX Tessaron\QLX_R2\Configuration'
command_key='HKCR\Tessaron.Project\shell\open\command'
question='本软件不是工程文件(扩展名为qpr)的默认处理程序。'

# The value's data as reg prints it: the text after the type.
value_of() { ui_reg query "$1" "${@:2}" | LC_ALL=C sed -n 's/.*REG_SZ[[:space:]]*//p' | head -1; }
main_window_up() { ui_wait_text '"Tessaron V' 60; ui_wait_steady 30; }
end_program() { ui_key alt+F4; ui_wait_exit 30; }

ui_start app-settings
main_window_up
# An earlier run of this prefix may have left another handler: take it back.
if ui_text | grep -qF -- "$question"; then ui_key y; fi
end_program
value_of "$command_key" /ve | grep -qF 'Tessaron.exe" "%1"' || ui_fail "the association is not this program's"
[ "$(value_of 'HKCR\.qpr' /ve)" = "Tessaron.Project" ] || ui_fail ".qpr does not name Tessaron.Project"
[ -n "$(value_of "$config" /v Interface)" ] || ui_fail "no Interface written at the end"

# A stored style, a CPU the list lacks, another program owning project files.
ui_reg add "$config" /v Interface /d ' 2' /f >/dev/null
ui_reg add "$config" /v DefaultCPU /d 99 /f >/dev/null
ui_reg add "$command_key" /ve /d '"C:\other\other.exe" "%1"' /f >/dev/null

ui_launch
ui_wait_text "$question" 60
ui_shot app-settings-question
ui_key n
main_window_up
end_program
value_of "$command_key" /ve | grep -qF 'other.exe' || ui_fail "No did not leave the other handler"
[ "$(value_of "$config" /v Interface | tr -d ' ')" = "2" ] || ui_fail "the stored style was not kept"
[ "$(value_of "$config" /v DefaultCPU)" = "0" ] || ui_fail "a CPU the list lacks was kept"

# Asked again at the next start; Yes makes this program the handler, and no more questions.
ui_launch
ui_wait_text "$question" 60
ui_key y
main_window_up
end_program
value_of "$command_key" /ve | grep -qF 'Tessaron.exe" "%1"' || ui_fail "Yes did not take the association"
ui_launch
main_window_up
ui_text | grep -qF -- "$question" && ui_fail "asked although the association is this program's"
end_program
exit 0
