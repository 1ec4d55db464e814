#!/usr/bin/env bash
# Installs Debian's 32-bit Wine (wine32:i386) for the Wine tests of the 32-bit build, and checks
# that its loader runs: some machines cannot install it, some kernels cannot run 32-bit programs.
# Where it does not run, every i386 package and the i386 architecture are taken back out (later
# apt runs would fail on its indexes, and Debian's "wine" would go through a loader that cannot
# start), and the script ends with 1.
set -uo pipefail
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
loader_runs() { /usr/lib/wine/wine --version; }

if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  $SUDO dpkg --add-architecture i386 && $SUDO apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
fi
loader_runs && exit 0

echo "32-bit Wine does not run here; taking it back out"
mapfile -t i386_packages < <(dpkg-query -W -f='${Package}:${Architecture}\n' 2>/dev/null | grep ':i386$')
if ((${#i386_packages[@]})); then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq "${i386_packages[@]}" >/dev/null
fi
$SUDO dpkg --remove-architecture i386
exit 1
