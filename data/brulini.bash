# Bash completion for brulini: the commands and options, the machine numbers
# of the settings file, the control names and values of `set`, the pages of
# `controls`, and the controller types and variants of `preset`.
#
# Installed as share/bash-completion/completions/brulini; to try it from a
# build, `source data/brulini.bash`. The lists come from brulini itself
# (`--help`, `ports --by-machine`, `controls`, `presets`), so they follow the
# program and the settings file the line names with --ini.

# The word without the shell's quoting: "A B", 'A B' and A\ B are A B.
_brulini_uten_sitat() {
  local w=$1
  case $w in
    \"*\") w=${w:1:${#w}-2} ;;
    \'*\') w=${w:1:${#w}-2} ;;
    \"* | \'*) w=${w:1} ;;
    *) w=${w//\\/} ;;
  esac
  printf '%s' "$w"
}

# $2 written as it must stand after the quote $1 the word opened and left
# open (readline closes it): inside "…" only \ " $ ` are escaped, inside '…'
# a ' is closed, escaped and opened again, and with no quote the shell's own
# quoting keeps blanks and brackets in one argument.
_brulini_sitat() {
  local t=$2
  case $1 in
    \")
      t=${t//\\/\\\\}
      t=${t//\"/\\\"}
      t=${t//\$/\\\$}
      t=${t//\`/\\\`}
      printf '%s' "$t"
      ;;
    \') printf '%s' "${t//\'/\'\\\'\'}" ;;
    *) printf '%q' "$t" ;;
  esac
}

# Offers the lines of $1 (one candidate a line) that start with $2, quoted for
# the quote $3 the word is in (none: the shell's quoting), so that names with
# blanks stay one argument.
_brulini_tilby() {
  local kandidat
  local IFS=$'\n'
  for kandidat in $1; do
    [[ -z $kandidat || $kandidat != "$2"* ]] && continue
    COMPREPLY+=("$(_brulini_sitat "$3" "$kandidat")")
  done
}

_brulini() {
  COMPREPLY=()
  local program=${COMP_WORDS[0]}
  program=$(_brulini_uten_sitat "$program")
  program=${program/#\~/$HOME}
  command -v -- "$program" >/dev/null 2>&1 || program=brulini

  # Bash splits KONTROLL=VERDI at "=": put such words back together, and note
  # where the word being completed starts.
  local -a ord=()
  local i w nyttOrd=1
  for ((i = 1; i < COMP_CWORD; i++)); do
    w=${COMP_WORDS[i]}
    if [[ $w == "=" ]]; then
      ord[${#ord[@]}-1]+="="
      nyttOrd=0
    elif ((nyttOrd == 0)); then
      ord[${#ord[@]}-1]+=$w
      nyttOrd=1
    else
      ord+=("$w")
    fi
  done
  local cur=${COMP_WORDS[COMP_CWORD]} kontroll=""
  if [[ $cur == "=" ]]; then
    kontroll=${ord[${#ord[@]}-1]}
    unset 'ord[${#ord[@]}-1]'
    cur=""
  elif ((nyttOrd == 0)); then
    kontroll=${ord[${#ord[@]}-1]%=}
    unset 'ord[${#ord[@]}-1]'
  fi
  # A word in an open quote is not split at "=": readline replaces all of it
  # after the quote, so the candidates are whole words, in that quoting.
  local sitat=""
  case $cur in
    \"* | \'*) [[ ${#cur} -eq 1 || ${cur: -1} != "${cur:0:1}" ]] && sitat=${cur:0:1} ;;
  esac
  local ren
  ren=$(_brulini_uten_sitat "$cur")

  # The global options may stand anywhere; the first other word is the
  # command, the rest its arguments.
  local -a ini=() args=()
  local kommando="" forrige=""
  for w in "${ord[@]}"; do
    if [[ $forrige == --ini ]]; then
      ini=(--ini "$(_brulini_uten_sitat "$w")")
    elif [[ $forrige == --svar ]]; then
      :
    elif [[ $w == --ini=* ]]; then
      ini=(--ini "$(_brulini_uten_sitat "${w#--ini=}")")
    elif [[ $w == --ini || $w == --svar || $w == --svar=* || $w == -h || $w == --help || $w == -V ||
            $w == --version ]]; then
      :
    elif [[ -z $kommando ]]; then
      kommando=$w
    else
      args+=("$(_brulini_uten_sitat "$w")")
    fi
    forrige=$w
  done

  if [[ $forrige == --ini ]]; then
    COMPREPLY=($(compgen -f -- "$cur"))
    compopt -o filenames 2>/dev/null
    return
  fi
  [[ $forrige == --svar ]] && return
  if [[ $cur == -* ]]; then
    local valg="--ini --svar --help --version"
    case $kommando in
      ports) valg+=" --by-port --by-machine" ;;
      preset) valg+=" --opprett-henteprogram --behold-port" ;;
    esac
    COMPREPLY=($(compgen -W "$valg" -- "$cur"))
    return
  fi
  if [[ -z $kommando ]]; then
    local kommandoer
    kommandoer=$("$program" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p')
    COMPREPLY=($(compgen -W "$kommandoer" -- "$cur"))
    return
  fi

  local maskiner='"$program" "${ini[@]}" ports --by-machine 2>/dev/null | sed -n "s/^0*\([0-9][0-9]*\):.*/\1/p"'
  local n=${#args[@]}
  case $kommando in
    show)
      ((n == 0)) && COMPREPLY=($(compgen -W "$(eval "$maskiner")" -- "$cur"))
      ;;
    set)
      if ((n == 0)); then
        COMPREPLY=($(compgen -W "$(eval "$maskiner")" -- "$cur"))
      elif [[ -n $kontroll || (-n $sitat && $ren == *=*) ]]; then
        # The values the control takes, from its line in `controls`: after
        # its label, "A | B", "tekst eller A | B" or only "tekst". In a quote
        # the word holds the control too, and so does each candidate.
        local foran=""
        if [[ -z $kontroll ]]; then
          kontroll=${ren%%=*}
          foran=$kontroll=
          ren=${ren#*=}
        fi
        local linje verdier v liste=""
        linje=$("$program" controls 2>/dev/null | awk -v k="$kontroll" '$1 == k { print; exit }')
        verdier=$(printf '%s\n' "$linje" | sed -e 's/^ *[^ ]* *\("[^"]*"\)\{0,1\} *//' -e 's/^tekst eller //' \
          -e 's/^tekst.*$//' -e 's/ | /\n/g')
        while IFS= read -r v; do
          [[ -n $v ]] && liste+=$foran$v$'\n'
        done <<<"$verdier"
        _brulini_tilby "$liste" "$foran$ren" "$sitat"
      else
        local navn
        navn=$("$program" controls 2>/dev/null | awk '/^  / { n = $1; sub(/\[.*/, "[", n); if (n !~ /\[$/) n = n "="; print n }')
        _brulini_tilby "$navn" "$ren" "$sitat"
        compopt -o nospace 2>/dev/null
      fi
      ;;
    preset)
      if ((n == 0)); then
        COMPREPLY=($(compgen -W "$(eval "$maskiner")" -- "$cur"))
      elif ((n == 1)); then
        _brulini_tilby "$("$program" presets 2>/dev/null | grep -v '^ ')" "$ren" "$sitat"
      elif ((n == 2)); then
        _brulini_tilby "$("$program" presets "${args[1]}" 2>/dev/null)" "$ren" "$sitat"
      fi
      ;;
    presets)
      ((n == 0)) && _brulini_tilby "$("$program" presets 2>/dev/null | grep -v '^ ')" "$ren" "$sitat"
      ;;
    controls)
      ((n == 0)) && _brulini_tilby "$("$program" controls 2>/dev/null | sed -n 's/^\[\(.*\)\]$/\1/p')" "$ren" "$sitat"
      ;;
    ports)
      ((n == 0)) && COMPREPLY=($(compgen -W "--by-port --by-machine" -- "$cur"))
      ;;
  esac
}

complete -F _brulini brulini
