# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# bash completion for TalvikCapture

_TalvikCapture()
{
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    case $prev in
        --capture)
            mapfile -t COMPREPLY < <(compgen -W "region window scrolling fullscreen" -- "$cur")
            return
            ;;
        --output)
            mapfile -t COMPREPLY < <(compgen -f -X '!*.@(png|jpg|jpeg|bmp|PNG|JPG|JPEG|BMP)' -- "$cur")
            mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -d -- "$cur")
            return
            ;;
        --format)
            mapfile -t COMPREPLY < <(compgen -W "png jpg bmp" -- "$cur")
            return
            ;;
        --monitor)
            mapfile -t COMPREPLY < <(compgen -W "all $(TalvikCapture --list-monitors 2>/dev/null | cut -d' ' -f1,2)" -- "$cur")
            return
            ;;
        --at | --delay | --region)
            return
            ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "--capture --output --auto-name --clipboard --format --at --active --region --monitor --list-monitors --print-geometry --delay --help --help-all --version /autorun" -- "$cur")
}
complete -o filenames -F _TalvikCapture TalvikCapture
