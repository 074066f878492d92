#!/bin/sh
# A throw-away PostgreSQL cluster for the test run.
#   pgcluster.sh start DIR [tls]
#                            initdb into DIR/data, start the server on a free
#                            loopback port with its socket in DIR; writes
#                            DIR/port and DIR/pgpass (the password file for
#                            user "morvane" over TCP); trust over the socket.
#                            With tls, TCP takes TLS connections only: the
#                            server's certificate (for localhost and
#                            127.0.0.1) is signed by DIR/ca.crt, and
#                            DIR/other-ca.crt is a CA that did not sign it
#   pgcluster.sh stop DIR    stop the server and remove DIR
#   pgcluster.sh halt DIR    stop the server at once, as a crash or a cut cable
#                            would: sessions end without finishing their work
#                            or releasing their locks; keep DIR
#   pgcluster.sh resume DIR  start a halted server again on its port
# initdb refuses root: as root the cluster belongs to "nobody".
set -eu
action=$1
dir=$2
variant=${3:-}

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] && command -v pg_ctl >/dev/null 2>&1; then
    bindir=$(dirname "$(command -v pg_ctl)")
fi
[ -n "$bindir" ] || { echo "pgcluster: PostgreSQL is not installed" >&2; exit 1; }

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u nobody -- "$@"
    else
        "$@"
    fi
}

# Loopback only; no sync to disk for a cluster thrown away after the run. A
# commit still reaches the kernel before it is answered, so a halted server
# recovers every committed row when it resumes.
server_options() {
    tls=""
    if [ -f "$dir/data/server.crt" ]; then
        tls="-c ssl=on"
    fi
    echo "-c listen_addresses=127.0.0.1 -p $1 -k $dir -c fsync=off -c full_page_writes=off -c max_connections=200 $tls"
}

# A CA of its own (NAME.key, NAME.crt in DIR) and a server certificate it
# signs, in the data folder where the server looks for them; TCP sessions
# then must use TLS.
make_tls() {
    ec="-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes"
    for ca in ca other-ca; do
        openssl req -x509 $ec -days 2 -subj "/CN=Morvane test $ca" \
            -keyout "$dir/$ca.key" -out "$dir/$ca.crt" 2>/dev/null
    done
    openssl req $ec -subj "/CN=localhost" -keyout "$dir/data/server.key" \
        -out "$dir/server.csr" 2>/dev/null
    printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\n' > "$dir/server.ext"
    openssl x509 -req -in "$dir/server.csr" -CA "$dir/ca.crt" -CAkey "$dir/ca.key" \
        -CAcreateserial -days 2 -extfile "$dir/server.ext" -out "$dir/data/server.crt" 2>/dev/null
    rm -f "$dir/server.csr" "$dir/server.ext" "$dir/ca.key" "$dir/other-ca.key"
    chmod 600 "$dir/data/server.key"
    [ "$(id -u)" -eq 0 ] && chown nobody "$dir/data/server.key" "$dir/data/server.crt"
    sed -i 's/^host /hostssl /' "$dir/data/pg_hba.conf"
}

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

case "$action" in
start)
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    password=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    printf '%s\n' "$password" > "$dir/pwfile"
    [ "$(id -u)" -eq 0 ] && chown nobody "$dir" "$dir/pwfile"
    chmod 700 "$dir"
    # The server's sessions may only be reached by this user, through the
    # folder; root reaches it anyway.
    as_owner "$bindir/initdb" -D "$dir/data" -U morvane --pwfile="$dir/pwfile" \
        --auth-local=trust --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 \
        || { cat "$dir/initdb.log" >&2; exit 1; }
    rm -f "$dir/pwfile"
    if [ "$variant" = tls ]; then
        make_tls
    fi
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        if as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
            -o "$(server_options "$port")" \
            start >/dev/null; then
            printf '%s\n' "$port" > "$dir/port"
            umask 077
            printf '127.0.0.1:%s:*:morvane:%s\n' "$port" "$password" > "$dir/pgpass"
            [ "$(id -u)" -eq 0 ] && chown root "$dir/pgpass"
            echo "pgcluster: server on 127.0.0.1:$port, socket in $dir"
            exit 0
        fi
        echo "pgcluster: start on port $port failed (attempt $attempt)" >&2
    done
    cat "$dir/server.log" >&2
    exit 1
    ;;
halt)
    # A fast stop would end the sessions one by one: a save waiting on a
    # session that ends first could still commit before its own end.
    as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null
    ;;
resume)
    port=$(cat "$dir/port")
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "$(server_options "$port")" \
        start >/dev/null
    ;;
stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: pgcluster.sh start DIR [tls] | stop|halt|resume DIR" >&2
    exit 2
    ;;
esac
