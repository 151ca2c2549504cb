# Installs the Debian packages the project builds, tests and runs with, where any is missing.
# Source this file, then call ensure_packages.

OLVEX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libfreetype-dev libfontconfig-dev fontconfig libpng-dev
    libx11-dev libxext-dev libxtst-dev
    xvfb xauth xdotool x11-utils imagemagick
    fonts-dejavu-core fonts-liberation2 fonts-wine
)

ensure_packages() {
    local missing=() package
    for package in "${OLVEX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if ((EUID != 0)); then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
