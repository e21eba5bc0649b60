# Helpers shared by the project's scripts. Source it; do not run it.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export ROOT

say() { printf '\n==> %s\n' "$*" >&2; }

# Packages that every build needs, and those of each optional part.
NATIVE_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev binutils python3)
HOST_PACKAGES=(libtomlplusplus-dev libcli11-dev libboost-math-dev gnuplot-nox)
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 zip)

missing_packages() {
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$pkg"
        fi
    done
}

# Installs whatever of the named packages is missing (as root, with apt-get).
ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]}" >&2
        echo "run this script as root, or install them with apt-get" >&2
        exit 1
    fi
    for pkg in "${missing[@]}"; do
        if [[ "$pkg" == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
            say "adding the i386 architecture (32-bit Wine)"
            dpkg --add-architecture i386
            APT_UPDATED=""
        fi
    done
    if [ -z "${APT_UPDATED:-}" ]; then
        say "apt-get update"
        apt-get update -q
        APT_UPDATED=1
    fi
    say "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# A private Wine prefix per checkout, so that tests never depend on a user's.
setup_wine() {
    export WINEPREFIX="$ROOT/build/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        say "creating a Wine prefix in $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot --init >/dev/null 2>&1 || true
        wineserver -w || true
    fi
}
