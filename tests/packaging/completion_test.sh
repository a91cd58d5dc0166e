#!/usr/bin/env bash
# The bash completion of volmar-cli offers the program's own commands and a
# command's own options. Usage: completion_test.sh COMPLETION-FILE CLI-DIR
set -euo pipefail
source "$1"
PATH="$2:$PATH"
complete_words() {
  COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=()
  _volmar_cli
  echo "${COMPREPLY[*]}"
}
expect() {
  [ "$1" = "$2" ] || { echo "completing '$3': got '$1', want '$2'"; exit 1; }
}
expect "$(complete_words volmar-cli net)" "network network-settings" "volmar-cli net"
expect "$(complete_words volmar-cli --quiet dec)" "decompress" "volmar-cli --quiet dec"
expect "$(complete_words volmar-cli terminal --t)" "--timestamps" "volmar-cli terminal --t"
expect "$(complete_words volmar-cli --v)" "--version" "volmar-cli --v"
options=$(complete_words volmar-cli status --)
for o in --serial --host --unit --login --help; do
  [[ " $options " == *" $o "* ]] || { echo "status lacks $o: $options"; exit 1; }
done
echo "completion: ok"
