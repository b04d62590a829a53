# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# fish completion for TalvikCapture

complete -c TalvikCapture -f
complete -c TalvikCapture -l capture -x -a "region window scrolling fullscreen" -d "Start a capture"
complete -c TalvikCapture -l output -r -F -d "Write the capture to a file and exit"
complete -c TalvikCapture -l auto-name -d "Write the capture under the automatic name and exit"
complete -c TalvikCapture -l clipboard -d "Put the capture on the clipboard and exit"
complete -c TalvikCapture -l format -x -a "png jpg bmp" -d "Write this format whatever the suffix"
complete -c TalvikCapture -l at -x -d "The window under the global point x,y"
complete -c TalvikCapture -l active -d "The window with the keyboard focus"
complete -c TalvikCapture -l region -x -d "Exactly this area of the desktop, WxH+X+Y"
complete -c TalvikCapture -l monitor -x -a "all" -d "This monitor (an index or a name), or all"
complete -c TalvikCapture -l list-monitors -d "Print the monitors"
complete -c TalvikCapture -l print-geometry -d "Print the region picked in the overlay"
complete -c TalvikCapture -l delay -x -d "Wait this many milliseconds before capturing"
complete -c TalvikCapture -s h -l help -d "Show the options"
complete -c TalvikCapture -l help-all -d "Show the options and the toolkit's own"
complete -c TalvikCapture -s v -l version -d "Show the version"
complete -c TalvikCapture -a /autorun -d "Start hidden in the notification area"
