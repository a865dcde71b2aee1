# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for corvane-plan: commands, each command's options, and recorder model
# names (asked from the program itself, so the list never goes stale), and the estimate's
# resolutions, codecs, qualities and scenes.

_corvane_plan_models()
{
    corvane-plan models 2>/dev/null | awk '{ print $2 }'
}

_corvane_plan()
{
    local cur prev words cword
    _init_completion -n = || return

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W 'models cameras recorders estimate --help --version' -- "$cur"))
        return
    fi

    local command=${words[1]} options
    case $command in
        models) options='--catalogue --json' ;;
        cameras) options='--catalogue --first --second --recorder --plan --json --bandwidth-reserve' ;;
        recorders) options='--catalogue --model --disable --camera --plan --json --storage --retention-days --hours-per-day --recorded-percent --streams --disk-tb --redundancy --storage-reserve --hot-spares --disks-per-nvr --bandwidth-reserve' ;;
        estimate) options='--resolution --fps --codec --quality --scene --night-percent --json' ;;
        *) return ;;
    esac

    # "--name=value" is one word here (-n =): complete the value and keep the name in front.
    local option=$prev value=$cur prefix=
    if [[ $cur == --*=* ]]; then
        option=${cur%%=*}
        value=${cur#*=}
        prefix=$option=
    fi
    case $option in
        --first | --second)
            COMPREPLY=($(compgen -P "$prefix" -W '0 32k 64k 128k 256k 512k 1M 2M 4M 8M 16M' -- "$value"))
            return
            ;;
        --model)
            COMPREPLY=($(compgen -P "$prefix" -W "$(_corvane_plan_models)" -- "$value"))
            return
            ;;
        --recorder)
            # A model name, then ":DISABLED=COUNT" or "=COUNT" typed by hand.
            COMPREPLY=($(compgen -P "$prefix" -W "$(_corvane_plan_models)" -- "$value"))
            compopt -o nospace
            return
            ;;
        --streams)
            COMPREPLY=($(compgen -P "$prefix" -W 'first both' -- "$value"))
            return
            ;;
        --disk-tb)
            COMPREPLY=($(compgen -P "$prefix" -W '1 2 3 4 6 8 10 12 14 16 18 20 22 24 smallest' -- "$value"))
            return
            ;;
        --redundancy)
            COMPREPLY=($(compgen -P "$prefix" -W 'none mirror parity1 parity2' -- "$value"))
            return
            ;;
        --resolution)
            COMPREPLY=($(compgen -P "$prefix" -W '720p 1080p 4MP 5MP 4K 8MP 12MP' -- "$value"))
            return
            ;;
        --codec)
            COMPREPLY=($(compgen -P "$prefix" -W 'h264 h265 h264-smart h265-smart mjpeg' -- "$value"))
            return
            ;;
        --quality)
            COMPREPLY=($(compgen -P "$prefix" -W 'low normal high' -- "$value"))
            return
            ;;
        --scene)
            COMPREPLY=($(compgen -P "$prefix" -W 'quiet normal busy' -- "$value"))
            return
            ;;
        --plan | --catalogue)
            COMPREPLY=($(compgen -P "$prefix" -f -- "$value"))
            compopt -o filenames
            return
            ;;
        --disable | --camera | --storage-reserve | --hot-spares | --disks-per-nvr | --bandwidth-reserve | --retention-days | --hours-per-day | --recorded-percent | --fps | --night-percent)
            return
            ;;
    esac

    if [[ $cur == -* || -z $cur ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    fi
}
complete -F _corvane_plan corvane-plan
