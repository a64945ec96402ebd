# Debian packages Quillpad needs, and a helper that installs only what is missing.
# Sourced by scripts/run, scripts/test and bench/run.

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev)
RUN_PACKAGES=(fonts-liberation2)
TEST_PACKAGES=(xvfb trayer xdotool xclip dbus dbus-bin x11-utils python3 python3-xlib imagemagick)
# The benchmark's timing library, chart and the two programs it measures Quillpad against.
BENCH_PACKAGES=(libbenchmark-dev gnuplot-nox keepassxc copyq)

missing_packages() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || echo "$package"
  done
}

ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Quillpad needs these Debian packages; install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
