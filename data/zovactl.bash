# bash completion for zovactl: options, commands and their words, and sim or the detected serial devices
# after --port.

# Serial devices present on this machine: USB adapters by their stable names, then every tty with a
# driver behind it (a legacy ttyS port without a UART reports type 0 and is left out).
_zovactl_serial_devices() {
  local link tty
  for link in /dev/serial/by-id/*; do
    [[ -e $link ]] && printf '%s\n' "$link"
  done
  for tty in /sys/class/tty/*/device; do
    [[ -e $tty ]] || continue
    tty=${tty%/device}
    tty=${tty##*/}
    if [[ $tty == ttyS* && $(cat "/sys/class/tty/$tty/type" 2>/dev/null) == 0 ]]; then continue; fi
    [[ -e /dev/$tty ]] && printf '%s\n' "/dev/$tty"
  done
}

_zovactl() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local options='--port --settings --axes --machine-type --timeout --handshake-timeout --trace --sim-options --quiet --lang --help --version'
  local commands='ping close servo alarm-reset outputs inputs sensors positions error set-output zero-return jog move run stop reset loc-set compile check list loc sft program syspara axpara firmware backup restore compare diff fleet history record alarms'
  local IFS=$'\n'
  COMPREPLY=()

  # The command word: the first word that is neither a global option nor its value.
  local i=1 command='' at=0
  while ((i < COMP_CWORD)); do
    case ${COMP_WORDS[i]} in
      --quiet) ;;
      --*) ((i++)) ;;
      *)
        command=${COMP_WORDS[i]}
        at=$i
        break
        ;;
    esac
    ((i++))
  done

  case $prev in
    --port)
      COMPREPLY=($(compgen -W "sim"$'\n'"$(_zovactl_serial_devices)" -- "$cur"))
      return
      ;;
    --settings)
      COMPREPLY=($(compgen -W $'9600,n,8,1\n19200,n,8,1\n38400,n,8,1\n57600,n,8,1\n115200,n,8,1' -- "$cur"))
      return
      ;;
    --axes)
      [[ -z $command ]] && COMPREPLY=($(compgen -W $'2\n3\n4\n5\n6' -- "$cur"))
      return
      ;;
    --machine-type)
      COMPREPLY=($(compgen -W $'0\n1\n2' -- "$cur"))
      return
      ;;
    --lang)
      COMPREPLY=($(compgen -W $'ko\nen' -- "$cur"))
      return
      ;;
    --trace | --file)
      COMPREPLY=($(compgen -f -- "$cur"))
      return
      ;;
    --only)
      COMPREPLY=($(compgen -W $'programs\nloc\nsft\nsys\naxis' -- "$cur"))
      return
      ;;
    --signals)
      COMPREPLY=($(compgen -W $'in\nout\nsensors\npositions\nerror' -- "$cur"))
      return
      ;;
    --trigger)
      COMPREPLY=($(compgen -W $'error\nin0:rise\nin0:fall\nout0:rise\nout0:fall\naxis1:above:\naxis1:below:' -- "$cur"))
      return
      ;;
    --out)
      COMPREPLY=($(compgen -f -- "$cur"))
      return
      ;;
    --timeout | --handshake-timeout | --sim-options | --speed | --ms | --accel | --program | --line | --keep | --jobs | \
      --interval | --for | --pre | --post | --since)
      return
      ;;
  esac

  if [[ -z $command ]]; then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "${options// /$'\n'}" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "${commands// /$'\n'}" -- "$cur"))
    fi
    return
  fi

  local n=$((COMP_CWORD - at)) words=''
  case $command in
    servo) ((n == 1)) && words=$'on\noff' ;;
    set-output) ((n == 2)) && words=$'on\noff' ;;
    jog)
      if ((n == 2)); then words=$'+\n-'; elif ((n > 2)); then words=$'--speed\n--ms'; fi
      ;;
    move) ((n > 1)) && words=$'--speed\n--accel' ;;
    loc | sft)
      case $n in
        1) words=$'receive\nsend' ;;
        2) [[ $command == loc ]] && words=$'single\nblock\nall' || words=$'single\nall' ;;
        *) words='--file' ;;
      esac
      ;;
    program)
      if ((n == 1)); then
        words=$'send\nsend-all\nreceive\nreceive-all'
      else
        COMPREPLY=($(compgen -f -- "$cur"))
        return
      fi
      ;;
    syspara | axpara)
      if ((n == 1)); then words=$'fetch\nsend'; else words='--file'; fi
      ;;
    compile)
      if [[ $cur != -* ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
        return
      fi
      words=$'--program\n--line'
      ;;
    check | list | firmware)
      COMPREPLY=($(compgen -f -- "$cur"))
      return
      ;;
    backup | restore | compare)
      if [[ $cur != -* ]]; then
        COMPREPLY=($(compgen -d -- "$cur"))
        return
      fi
      words='--only'
      ;;
    diff)
      COMPREPLY=($(compgen -d -- "$cur"))
      return
      ;;
    fleet)
      if ((n == 1)); then
        words='backup'
      elif [[ $cur != -* && $prev != --into ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
        return
      elif [[ $prev == --into ]]; then
        COMPREPLY=($(compgen -d -- "$cur"))
        return
      else
        words=$'--into\n--only\n--keep\n--jobs'
      fi
      ;;
    history)
      if [[ $cur != -* && $prev != --since && $prev != --item ]]; then
        COMPREPLY=($(compgen -d -- "$cur"))
        return
      fi
      words=$'--since\n--item'
      ;;
    record) words=$'--signals\n--interval\n--for\n--trigger\n--pre\n--post\n--out' ;;
    alarms) words=$'--since\n--csv' ;;
  esac
  COMPREPLY=($(compgen -W "$words"$'\n--help' -- "$cur"))
}

complete -o filenames -F _zovactl zovactl
