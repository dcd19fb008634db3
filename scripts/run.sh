#!/bin/sh
# Installs what is missing, builds the program, creates a demo Tarvo.mdb in ./work
# when there is none and starts the program from that folder.
set -eu
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$ROOT/build"
mkdir -p "$ROOT/work"
if [ ! -f "$ROOT/work/Tarvo.mdb" ] && [ -x "$ROOT/build/bin/tarvo-store" ]; then
    "$ROOT/build/bin/tarvo-store" demo "$ROOT/work/Tarvo.mdb"
fi
cd "$ROOT/work"
exec "$ROOT/build/bin/tarvo"
