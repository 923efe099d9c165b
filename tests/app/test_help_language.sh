#!/bin/sh
# The program's own language choice, through its --help: the system's language, the option
# over it, English for a language it does not have, and a refusal of a missing code.
# Usage: test_help_language.sh PROGRAM
program=$1
failed=0
expect() {  # NAME PATTERN OUTPUT
  if printf '%s\n' "$3" | head -1 | grep -q "$2"; then return; fi
  echo "FAIL: $1: the first line is \"$(printf '%s\n' "$3" | head -1)\""
  failed=1
}
expect "the system's language" '^使い方：trx61-utility' "$(LANGUAGE=ja LANG=ja_JP.UTF-8 "$program" --help)"
expect "the option over the system's" '^Aufruf: trx61-utility' "$(LANGUAGE=ja LANG=ja_JP.UTF-8 "$program" --language de --help)"
expect "a language it does not have" '^Usage: trx61-utility' "$(LANG=C.UTF-8 "$program" --help --language=pt 2>/dev/null)"
expect "an unknown system language" '^Usage: trx61-utility' "$(LANGUAGE='' LANG=pt_BR.UTF-8 "$program" --help)"
if "$program" --language >/dev/null 2>&1; then
  echo "FAIL: --language without a code was accepted"
  failed=1
fi
[ $failed -eq 0 ] && echo "every language choice as expected"
exit $failed
