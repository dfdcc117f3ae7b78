# Shared by scripts/run and scripts/test: install what is missing, configure, build.
# Sourced, not run: the caller has set -euo pipefail and is in the repository root.
packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core xvfb xauth xdotool xclip openbox qt6-translations-l10n cc65 xa65 dasm acme 64tass desktop-file-utils appstream shared-mime-info dpkg-dev file clang)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Install them with:" >&2
    echo "sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi
# The emulator comes from Debian's contrib component, which a machine may not have enabled: the package sources
# are changed only when asked to (TAVREL_INSTALL_EMULATOR=1, as .ci/run does), never on a developer's own.
if [ "${TAVREL_INSTALL_EMULATOR:-}" = 1 ] && ! dpkg-query -W -f='${Status}' atari800 2>/dev/null | grep -q 'install ok installed'; then
  if [ "$(id -u)" != 0 ]; then
    echo "TAVREL_INSTALL_EMULATOR=1 needs root to enable contrib and install atari800" >&2
    exit 1
  fi
  for sources in /etc/apt/sources.list.d/*.sources; do
    [ -f "$sources" ] || continue
    # The stanza of the main archive (not the security one): its Components line gains contrib.
    sed -i -E '/^URIs: .*\/debian\/?$/,/^Components:/ { /^Components:/ { / contrib( |$)/! s/$/ contrib/ } }' "$sources"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -i -E '/^deb .*\/debian\/? [a-z-]+ .*main/ { / contrib( |$)/! s/$/ contrib/ }' /etc/apt/sources.list
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends atari800
fi
# A caller that builds elsewhere only (scripts/sanitize) stops here.
if [ "${TAVREL_SETUP_ONLY:-}" = 1 ]; then
  return 0
fi
if [ ! -f build/build.ninja ]; then
  # Optimised as for use, without debug information, with each target's common headers parsed once:
  # a build from scratch (as in CI) takes about a third less time so.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DTAVREL_PCH=ON
fi
cmake --build build
