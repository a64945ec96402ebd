# Debian packages Quillpad needs, and a helper that installs only what is missing.
# Sourced by scripts/run, scripts/test and bench/run.

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libxcb1-dev pkgconf)
RUN_PACKAGES=(fonts-liberation2 xdg-utils qt6-translations-l10n)
TEST_PACKAGES=(xvfb trayer xdotool xclip dbus dbus-bin x11-utils python3 python3-xlib imagemagick
               dpkg-dev file binutils desktop-file-utils appstream valgrind
               # Debian's own checks of the package and of its manual page.
               lintian man-db
               # The real desktops the end-to-end cases also run under: window managers, a
               # panel hosting icons over StatusNotifierItem, an XSMP session manager.
               openbox xfwm4 xfce4-panel x11-session-utils x11-xserver-utils
               # The accessibility bus and a client reading it as screen readers do.
               at-spi2-core python3-pyatspi
               # A Wayland desktop with its X server for X clients, and the toolkit's plugin.
               mutter xwayland qt6-wayland
               # GNOME Shell, bare and with the extension that hosts StatusNotifierItems in
               # its top bar, driven over D-Bus (input, its own reports) from Python.
               gnome-shell gnome-shell-extension-appindicator python3-gi
               # KDE Plasma on Wayland: KWin, kded5's StatusNotifierWatcher, plasmashell with
               # its panel and tray (Plasma's own programs use Qt 5's Wayland plugin), and
               # KWin's screenshots read over D-Bus (with python3-gi); the tests' client of
               # KWin's fake input protocol is built from the protocol's description.
               kwin-wayland kded5 plasma-workspace plasma-desktop qtwayland5
               libwayland-dev plasma-wayland-protocols)
# Quillpad.exe: cross-compiled for 32-bit Windows and run under Wine, which needs the i386
# architecture; 64-bit Wine and compiler stand in where the kernel cannot run 32-bit code.
# Wine's own fonts give its dialog font the Tahoma that Windows programs are drawn in.
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix googletest file wine wine32:i386
                  wine64 g++-mingw-w64-x86-64-posix fonts-wine)
# The benchmark's timing library, chart and the two programs it measures Quillpad against.
BENCH_PACKAGES=(libbenchmark-dev gnuplot-nox keepassxc copyq)

missing_packages() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || echo "$package"
  done
}

# The i386 architecture, which wine32 comes from; added to dpkg when missing.
ensure_i386_architecture() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Quillpad.exe is tested with 32-bit Wine; enable it with:" >&2
    echo "  sudo dpkg --add-architecture i386 && sudo apt-get update" >&2
    exit 1
  fi
  dpkg --add-architecture i386
  apt-get update -qq
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
