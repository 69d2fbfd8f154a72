#!/usr/bin/env bash
# Builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display to open the window on (DISPLAY is not set)" >&2
    exit 1
fi
# Only what the window needs: the program and its download module, without the tests
# (./test.sh turns them back on in the same folder).
./setup-debian.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMARIK_BUILD_TESTS=OFF
cmake --build build -j "$(nproc)" --target tesmarik tesmarik-download

# The stand-in seller server on a free loopback port serves the price list; it stops
# when the window closes.
seller_port_file=$(mktemp)
python3 tools/seller/seller.py --host 127.0.0.1 --port 0 --quiet >"$seller_port_file" &
seller_pid=$!
trap 'kill "$seller_pid" 2>/dev/null || true; rm -f "$seller_port_file"' EXIT
seller_port=
for _ in $(seq 100); do
    seller_port=$(head -n 1 "$seller_port_file")
    [ -n "$seller_port" ] && break
    kill -0 "$seller_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$seller_port" ]; then
    echo "run.sh: the stand-in seller server did not start" >&2
    exit 1
fi
TESMARIK_SELLER="127.0.0.1:$seller_port" ./build/tesmarik
