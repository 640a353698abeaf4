#!/usr/bin/env bash
# The command line completed as bash completes it, with the built orvel-query first in PATH: the
# commands, the orders, the diploma codes (read from the program's help) and the options.
#   completion_test.sh ORVEL_QUERY COMPLETION_SCRIPT
set -euo pipefail
source /usr/share/bash-completion/bash_completion
source "$2"
PATH=${1%/*}:$PATH

failures=0
expect() {
    COMP_LINE=$1 COMP_POINT=${#1} COMPREPLY=()
    read -ra COMP_WORDS <<< "$COMP_LINE"
    [[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _orvel_query
    if [[ "${COMPREPLY[*]}" != "$2" ]]; then
        echo "« $1 » : « ${COMPREPLY[*]} » au lieu de « $2 »" >&2
        failures=$((failures + 1))
    fi
}

expect "orvel-query " "list search revision"
expect "orvel-query --csv list " "commune reference canton postal"
expect "orvel-query list commune D" "DFCF DMF DIFI DIFM DPLF DFVS DAP DQP DIP"
expect "orvel-query list commune *" "\*\*\*\*"
expect "orvel-query --file x list postal DI" "DIFI DIFM DIP"
expect "orvel-query --work" "--worked --worked-only"
expect "orvel-query search " "1 2 3 4 5"
exit $((failures > 0))
