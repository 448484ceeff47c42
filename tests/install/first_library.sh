#!/usr/bin/env bash
# The first start's choice of library (packaging/linux/first-library.sh, shared by the
# menu entry's launcher and scripts/run.sh): for each setting of LC_ALL, LC_MESSAGES
# and LANG, the library copied to a fresh directory; a tests.tst that exists stays.
# Test side (ctest).
#   first_library.sh <first-library.sh> <samples/languages>
set -uo pipefail
source "$(dirname "$0")/../lib/checks.sh"
rule=$1 languages=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
choose() {  # choose <LC_ALL> <LC_MESSAGES> <LANG> <directory>: prints the library copied
  env -i LC_ALL="$1" LC_MESSAGES="$2" LANG="$3" \
    sh -c '. "$1" && keyrill_first_library "$2" "$3"' sh "$rule" "$languages" "$4"
}
case=0
while IFS='|' read -r lc_all lc_messages lang want; do
  case=$((case + 1))
  mkdir "$work/$case"
  got=$(choose "$lc_all" "$lc_messages" "$lang" "$work/$case")
  if [ "$got" = "$want" ] && cmp -s "$work/$case/tests.tst" "$languages/$want.tst"; then
    pass "LC_ALL=$lc_all LC_MESSAGES=$lc_messages LANG=$lang: $want.tst"
  else
    fail "LC_ALL=$lc_all LC_MESSAGES=$lc_messages LANG=$lang: got '$got', want $want.tst"
  fi
done <<'TABLE'
||ru_RU.UTF-8|ru
||pl_PL.UTF-8|pl
||el_GR.UTF-8|el
||pt_BR.UTF-8|pt_BR
||pt_PT.UTF-8|pt
||sr_RS.UTF-8@latin|sr@latin
||sr_RS.UTF-8|sr
||de_DE@euro|de
||xx_YY.UTF-8|en
||C.UTF-8|en
|||en
|pl_PL.UTF-8|ru_RU.UTF-8|pl
el_GR.UTF-8|pl_PL.UTF-8|ru_RU.UTF-8|el
TABLE
printf 'mine' >"$work/1/tests.tst"
got=$(choose "" "" pl_PL.UTF-8 "$work/1")
[ -z "$got" ] && [ "$(cat "$work/1/tests.tst")" = mine ] && pass "a tests.tst that exists stays" \
  || fail "an existing tests.tst was replaced (got '$got')"
finish
