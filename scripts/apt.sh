# Sourced by the set-up scripts: apt-get steps that survive a mirror out of sync.

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Ends set-up with one line naming the step that failed.
apt_fail() {
  echo "setup: $1 failed; see the apt-get output above" >&2
  exit 1
}

# Fetches the package lists, a few times if need be. An index that still fails
# (a mirror in the middle of a sync) is left out: the lists fetched are used.
# With "quiet", apt-get's own output is not shown.
apt_update() {
  local try out=/dev/stdout
  [ "${1:-}" = quiet ] && out=/dev/null
  for try in 1 2 3; do
    as_root apt-get update -q >"$out" 2>&1 && return 0
    [ "$try" -lt 3 ] && sleep "${TW_APT_RETRY_DELAY:-5}"
  done
  echo "setup: some package indexes failed to download; going on with the lists that were fetched"
}

# The Debian release of this machine (bookworm, ...), empty when unknown.
debian_release() {
  (
    # shellcheck disable=SC1090
    . "${TW_OS_RELEASE:-/etc/os-release}" 2>/dev/null || exit 0
    echo "${VERSION_CODENAME:-}"
  )
}

# Installs the packages named. When the install cannot be resolved (updates whose
# twins of another architecture are missing from a failed index), it tries once
# more with the machine's base release as target release.
apt_install() {
  local log release status
  log=$(mktemp)
  set +e
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@" 2>&1 |
    tee "$log"
  status=${PIPESTATUS[0]}
  set -e
  release=$(debian_release)
  if [ "$status" != 0 ] && [ -n "$release" ] &&
    grep -qE 'held broken packages|unmet dependencies' "$log"; then
    echo "setup: retrying the install with $release as target release"
    set +e
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
      -t "$release" "$@"
    status=$?
    set -e
  fi
  rm -f "$log"
  [ "$status" = 0 ] || apt_fail "installing packages ($*)"
}
