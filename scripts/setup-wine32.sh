#!/usr/bin/env bash
# Installs Debian's 32-bit Wine (wine32:i386) for the Wine tests of the 32-bit build. It does not
# install on every machine; then the i386 architecture is taken back out, so that later apt runs
# do not fail on its indexes, and the script ends with 1.
set -uo pipefail
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' && exit 0
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
if $SUDO dpkg --add-architecture i386 && $SUDO apt-get update -qq &&
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null; then
  exit 0
fi
dpkg -l | grep -q ':i386 ' || $SUDO dpkg --remove-architecture i386
exit 1
