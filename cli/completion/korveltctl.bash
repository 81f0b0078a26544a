# bash completion for korveltctl: its commands, each command's options, the holiday presets
# (as the tool itself lists them) and files by their ending; names with spaces are one
# candidate each.

_korveltctl_presets()
{
    korveltctl help holidays 2>/dev/null | sed -n '/CODE:/,$p' | sed 's/.*CODE://; s/ or /, /; s/\.$//' | tr ',' '\n' | tr -d ' '
}

_korveltctl()
{
    local cur prev command word i
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
            --demo) [[ ${COMP_WORDS[i+1]} =~ ^[0-9]+$ ]] && ((i++)) ;;
            -*) ;;
            *) command=$word; break ;;
        esac
    done
    local commands="list write verify read clock export import check holidays report help"
    local device="--device --all --json --quiet"
    case $prev in
        --device) return 0 ;;
        --demo) mapfile -t COMPREPLY < <(compgen -W "--help list write verify read clock" -- "$cur"); return 0 ;;
        --preset) mapfile -t COMPREPLY < <(compgen -W "$(_korveltctl_presets)" -- "$cur"); return 0 ;;
        --format)
            case $command in
                read) mapfile -t COMPREPLY < <(compgen -W "dat json" -- "$cur") ;;
                holidays) mapfile -t COMPREPLY < <(compgen -W "text csv json" -- "$cur") ;;
                *) mapfile -t COMPREPLY < <(compgen -W "json csv" -- "$cur") ;;
            esac
            return 0 ;;
        --year|--at|--count|--retry) return 0 ;;
        --rules) mapfile -t COMPREPLY < <(compgen -f -X '!*.json' -- "$cur"; compgen -d -- "$cur"); return 0 ;;
        --from) mapfile -t COMPREPLY < <(compgen -f -X '!*.@(dat|json)' -- "$cur"; compgen -d -- "$cur"); return 0 ;;
        -o|--log) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); return 0 ;;
    esac
    if [[ -z $command ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$commands --demo --help --version" -- "$cur")
        return 0
    fi
    local options files
    case $command in
        list) options="--json" ;;
        write) options="$device --no-verify --force --dry-run --watch --set-clock --log --count --retry"; files='!*.@(dat|json)' ;;
        verify) options="$device"; files='!*.@(dat|json)' ;;
        read) options="$device --format" ;;
        clock) options="$device --pc --at --dry-run" ;;
        export) options="--format -o"; files='!*.@(dat|json)' ;;
        import) options="-o"; files='!*.json' ;;
        check) options=""; files='!*.@(dat|json)' ;;
        report) options="-o --quiet"; files='!*.@(dat|json)' ;;
        holidays) options="--preset --rules --year --from -o --repeat-last --dry-run --json --format --quiet" ;;
        help) mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur"); return 0 ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options --help" -- "$cur")
    elif [[ $command == clock && $prev == clock ]]; then
        mapfile -t COMPREPLY < <(compgen -W "read set" -- "$cur")
    elif [[ -n $files ]]; then
        mapfile -t COMPREPLY < <(compgen -f -X "$files" -- "$cur"; compgen -d -- "$cur")
    elif [[ $command == read ]]; then
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
    return 0
}
shopt -s extglob
complete -o filenames -F _korveltctl korveltctl
