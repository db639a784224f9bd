# Installs the Debian packages that are missing, as root; otherwise says which ones to install.
# Usage: installe_paquets paquet...
installe_paquets() {
    local manquants=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' \
            || manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${manquants[*]}" >&2
        echo "Install them with: sudo apt-get install -y ${manquants[*]}" >&2
        exit 1
    fi
    echo "Installing ${manquants[*]}..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
}

# What building the program needs: SQLite's C library keeps the training progress; Liberation
# Sans has the metrics that the fixed layouts were drawn for; Qt SVG draws the scalable desktop
# icon at build time.
PAQUETS_PROGRAMME=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libsqlite3-dev
                   fonts-liberation2 fonts-dejavu-core)
# What building and running the tests and benchmarks needs on top of it: the validators of the
# desktop entry and the AppStream file, and what CPack needs to build the Debian package
# (dpkg-shlibdeps computes its dependencies, and `file` finds the binaries to look at),
# Debian's checker of packages (lintian, which reads the manual pages with man-db), and Qt's
# French translations, which the program loads.
PAQUETS_TESTS=(libgtest-dev libbenchmark-dev python3 desktop-file-utils appstream dpkg-dev file
              lintian man-db qt6-translations-l10n)
# What the fuzz targets need: clang with its sanitizers and libFuzzer.
PAQUETS_FUZZ=(clang libclang-rt-14-dev)
