#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests, on a Unix socket in its own folder (no TCP):
#   cluster.sh start DIR   makes and starts it; prints nothing on success
#   cluster.sh stop DIR    stops it (and clusters made in DIR/*/) and removes DIR
# As root the server runs as the "postgres" user, as PostgreSQL refuses to run as root.
set -euo pipefail
action=$1 dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
[ -n "$bin" ] || { echo "cluster.sh: no PostgreSQL server installed" >&2; exit 1; }
as_owner=()
[ "$(id -u)" -ne 0 ] || as_owner=(runuser -u postgres --)

case "$action" in
  start)
    "$0" stop "$dir" >/dev/null 2>&1 || true
    mkdir -p "$dir"
    [ ${#as_owner[@]} -eq 0 ] || chown postgres "$dir"
    "${as_owner[@]}" "$bin/initdb" -D "$dir/data" -U postgres -A trust --no-locale -E UTF8 --no-sync >"$dir/initdb.log"
    "${as_owner[@]}" "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start \
      -o "-c listen_addresses='' -k $dir -c fsync=off -c max_connections=40" >/dev/null
    ;;
  stop)
    # Clusters a test made inside this one's folder go too.
    for data in "$dir"/*/data "$dir/data"; do
      [ -d "$data" ] || continue
      "${as_owner[@]}" "$bin/pg_ctl" -D "$data" -m immediate -w stop >/dev/null 2>&1 || true
    done
    rm -rf "$dir"
    ;;
  *) echo "usage: cluster.sh start|stop DIR" >&2; exit 2 ;;
esac
