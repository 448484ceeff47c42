# Sourced by the menu entry's launcher and by scripts/run.sh (one rule for both):
# gives a first start the test library of the user's language. Linux side.

# keyrill_first_library LANGUAGES DIR: unless DIR/tests.tst exists, copies to it the
# library in LANGUAGES that the locale names, looked up as gettext looks up a
# catalogue: from the first set of LC_ALL, LC_MESSAGES and LANG ("sr_RS.UTF-8@latin"),
# sr_RS@latin, sr@latin, sr_RS, sr, then en. Prints the language copied.
keyrill_first_library() {
  kfl_target="$2/tests.tst"
  [ ! -e "$kfl_target" ] || return 0
  kfl_locale="${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}"
  kfl_language="${kfl_locale%%[_.@]*}"
  kfl_territory=
  kfl_modifier=
  case "$kfl_locale" in "$kfl_language"_*)
    kfl_territory="${kfl_locale#"$kfl_language"_}"
    kfl_territory="${kfl_territory%%[.@]*}" ;;
  esac
  case "$kfl_locale" in *@*) kfl_modifier="${kfl_locale#*@}" ;; esac
  for kfl_name in \
    "${kfl_territory:+${kfl_modifier:+${kfl_language}_$kfl_territory@$kfl_modifier}}" \
    "${kfl_modifier:+$kfl_language@$kfl_modifier}" \
    "${kfl_territory:+${kfl_language}_$kfl_territory}" "$kfl_language" en; do
    if [ -n "$kfl_name" ] && [ -f "$1/$kfl_name.tst" ]; then
      cp "$1/$kfl_name.tst" "$kfl_target" || return 1
      echo "$kfl_name"
      return 0
    fi
  done
}
