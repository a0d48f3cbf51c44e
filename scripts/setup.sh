# Shared set-up for run.sh and test.sh: installs the Debian packages that are
# missing, then configures and builds into build/. Sourced, not run. Where
# root is needed and neither root nor sudo is at hand, it prints the command
# to run as root and fails.

WINGMAP_PACKAGES=(
    g++ clang libclang-rt-14-dev cmake make
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core locales libxcb1-dev
    desktop-file-utils dpkg-dev file lintian appstream
)

# Sets the caller's array `sudo` to what runs a command as root here: nothing
# for root, else sudo. With neither, prints why root is needed and the
# command to run as root, and fails. Usage: wingmap_as_root WHY COMMAND
wingmap_as_root() {
    sudo=()
    [ "$(id -u)" -eq 0 ] && return 0
    if ! command -v sudo >/dev/null; then
        echo "$1; as root, run:" >&2
        echo "$2" >&2
        return 1
    fi
    sudo=(sudo)
}

wingmap_install_missing() {
    local missing=()
    local package
    for package in "${WINGMAP_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo
    wingmap_as_root "Some Debian packages are missing and installing them needs root" \
        "apt-get install --no-install-recommends ${missing[*]}" || return 1
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# The suite also runs the number texts under a comma-decimal locale.
wingmap_ensure_locale() {
    locale -a 2>/dev/null | grep -qix 'de_DE.utf8' && return 0
    local sudo
    wingmap_as_root "The tests need the de_DE.UTF-8 locale, and making it needs root" \
        "localedef -i de_DE -f UTF-8 de_DE.UTF-8" || return 1
    echo "Generating the de_DE.UTF-8 locale"
    "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

# wingmap_build DIR [cmake options...]
wingmap_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" --log-level=WARNING "$@" >/dev/null
    cmake --build "$dir" -j2 -- --no-print-directory
}

# wingmap_build_program DIR: configures DIR and builds the program alone. It
# shows what had to be compiled or linked, and any warning or error; nothing
# when all is up to date.
wingmap_build_program() {
    local dir=$1
    cmake -S . -B "$dir" --log-level=WARNING >/dev/null
    cmake --build "$dir" --target wingmap -j2 -- --no-print-directory |
        { grep --line-buffered -v -E '^(\[ *[0-9]+%\] )?(Built target|Automatic (MOC|UIC|RCC))' || true; }
}
