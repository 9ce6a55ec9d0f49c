# Sourced by the project's scripts: the Debian packages the build, the tests and the program
# need, and a function that installs whichever of the packages it is given are missing.

zephyrane_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev libsqlite3-dev
  xvfb xauth libxcb1-dev
  fonts-hosny-amiri fonts-noto-core fonts-dejavu-core fonts-liberation2
  qt6-translations-l10n librsvg2-bin
  desktop-file-utils appstream dpkg-dev file
)

install_missing() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  ((${#missing[@]})) || return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
