#!/usr/bin/env bash
# Runs scripts/setup.sh against stand-in apt-get, dpkg and dpkg-query commands and
# checks what it decides when package indexes or the install fail.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin" "$work/jpeg"
touch "$work/jpeg/.built"
cat >"$work/os-release" <<'END'
VERSION_CODENAME=bookworm
END
# apt-get logs each call; STAND_IN_UPDATE and STAND_IN_INSTALL name how many
# calls fail and with which message.
cat >"$work/bin/apt-get" <<'END'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STAND_IN_LOG"
verb=$1
[ "$verb" = install ] || verb=update
count_file=$STAND_IN_DIR/$verb.count
count=$(($(cat "$count_file" 2>/dev/null || echo 0) + 1))
echo "$count" >"$count_file"
if [ "$verb" = update ]; then fails=$STAND_IN_UPDATE_FAILS; message="E: Some index files failed to download."
else fails=$STAND_IN_INSTALL_FAILS; message=$STAND_IN_INSTALL_MESSAGE; fi
if [ "$count" -le "$fails" ]; then echo "$message"; exit 100; fi
END
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

# Runs set-up with the given failures; sets status, output and calls.
run_setup() {
  rm -f "$work"/*.count "$work/log"
  output=$(PATH="$work/bin:$PATH" STAND_IN_LOG="$work/log" STAND_IN_DIR="$work" \
    STAND_IN_UPDATE_FAILS=$1 STAND_IN_INSTALL_FAILS=$2 STAND_IN_INSTALL_MESSAGE=$3 \
    TW_OS_RELEASE="$work/os-release" TW_LIBJPEG_CACHE="$work/jpeg" TW_APT_RETRY_DELAY=0 \
    "$repo/scripts/setup.sh" 2>&1)
  status=$?
  calls=$(cat "$work/log")
}

expect() {
  if ! eval "$2"; then
    echo "FAILED: $1"
    echo "--- output:"; echo "$output"; echo "--- calls:"; echo "$calls"
    failures=$((failures + 1))
  fi
}

run_setup 9 0 ""
expect "an index that never downloads is left out" '[ "$status" = 0 ]'
expect "update is tried three times" '[ "$(grep -c "update" <<<"$calls")" = 3 ]'
expect "one line says set-up goes on" 'grep -q "going on with the lists that were fetched" <<<"$output"'

run_setup 1 1 "E: Unable to correct problems, you have held broken packages."
expect "held broken packages resolve by the base release" '[ "$status" = 0 ]'
expect "update that fails once is tried again" '[ "$(grep -c "update" <<<"$calls")" = 2 ]'
expect "the retry names the release" 'grep -q "^apt-get install .*-t bookworm" <<<"$calls"'

run_setup 0 2 "E: Unable to correct problems, you have held broken packages."
expect "a retry that fails too ends set-up" '[ "$status" != 0 ]'
expect "the message names the install step" 'grep -q "setup: installing packages .* failed" <<<"$output"'

run_setup 0 1 "E: Unable to locate package wine32"
expect "a package that does not exist ends set-up" '[ "$status" != 0 ]'
expect "no retry for a missing package" '[ "$(grep -c "install" <<<"$calls")" = 1 ]'

[ "$failures" = 0 ] && echo "setup decisions: all passed"
exit "$failures"
