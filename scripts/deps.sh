#!/usr/bin/env bash
# Installs the Debian packages Kestrane needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qtkeychain-qt6-dev
  libgmime-3.0-dev libgif-dev libcurl4-openssl-dev
  libcli11-dev nlohmann-json3-dev
  dovecot-imapd postfix dbus-daemon
  xvfb xauth xdg-utils python3 openbox x11-utils
  desktop-file-utils appstream dpkg-dev file fakeroot
  clang-14 libclang-rt-14-dev lld
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# Postfix serves only the tests' own SMTP server, started with a configuration
# of their own. It is installed without a system configuration, so no mail
# system starts or listens; and never in place of another mail system
# (installing it would remove that one): the SMTP tests skip then.
if [[ " ${missing[*]} " == *" postfix "* ]] && [ -e /usr/sbin/sendmail ]; then
  echo "Another mail system is installed: not installing postfix; the SMTP tests will skip."
  kept=()
  for p in "${missing[@]}"; do [ "$p" = postfix ] || kept+=("$p"); done
  missing=("${kept[@]}")
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  echo "postfix postfix/main_mailer_type select No configuration" | $SUDO debconf-set-selections
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
