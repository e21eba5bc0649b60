# Helpers shared by the project's scripts. Source it; do not run it.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export ROOT

say() { printf '\n==> %s\n' "$*" >&2; }

# Packages that every build needs, and those of each optional part.
NATIVE_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev binutils python3)
HOST_PACKAGES=(libtomlplusplus-dev libcli11-dev libboost-math-dev gnuplot-nox)
CHECK_PACKAGES=(clang clang-tidy cppcheck libclang-rt-14-dev time)
WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 wine64 qemu-user-static zip)

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

# Whether this kernel runs 32-bit x86 programs itself. Some virtual machines
# boot with 32-bit emulation off; 32-bit Wine then runs under qemu-user.
native_ia32() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Hands 32-bit ELF programs to qemu-i386 through binfmt_misc (as root).
register_qemu_i386() {
    local misc=/proc/sys/fs/binfmt_misc
    [ -e "$misc/qemu-i386" ] && return 0
    if [ ! -e "$misc/register" ]; then
        mount -t binfmt_misc binfmt_misc "$misc" 2>/dev/null || true
    fi
    if [ ! -w "$misc/register" ]; then
        echo "cannot run 32-bit programs: no 32-bit emulation and no binfmt_misc (run as root)" >&2
        return 1
    fi
    say "this kernel runs no 32-bit code: registering qemu-i386 for 32-bit Wine"
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        > "$misc/register"
}

# Makes 32-bit Wine usable and gives it a private prefix per checkout, so that
# tests never depend on a user's. Sets WINE_THREADS to ON when Wine runs on
# the CPU itself (qemu-user cannot run Wine's threads).
setup_wine() {
    WINE_THREADS=ON
    if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] || ! native_ia32; then
        register_qemu_i386
        WINE_THREADS=OFF  # 32-bit code runs under qemu-user
    fi
    export WINEPREFIX="$ROOT/build/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        say "creating a Wine prefix in $WINEPREFIX (a few minutes under emulation)"
        mkdir -p "$WINEPREFIX"
        wineboot --init >/dev/null 2>&1 || true
        wineserver -w || true
    fi
}
