# Building Quillpad.exe and running Windows programs under Wine. Sourced by scripts/run and
# scripts/test after scripts/lib/packages.sh.

WINDOWS_BUILD=build/win32

# Whether this machine runs 32-bit Wine: some kernels are built without 32-bit support.
wine_runs_32_bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Configures and builds the 32-bit Windows program (and, with BUILD_TESTING=ON, its tests).
build_windows() {
  local testing=$1
  shift
  cmake -S . -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$testing" >/dev/null
  cmake --build "$WINDOWS_BUILD" "$@"
  if ! file "$WINDOWS_BUILD/frontends/win32/Quillpad.exe" | grep -q "PE32 executable (GUI) Intel 80386"; then
    echo "Quillpad.exe is not a 32-bit Windows program:" >&2
    file "$WINDOWS_BUILD/frontends/win32/Quillpad.exe" >&2
    exit 1
  fi
}
