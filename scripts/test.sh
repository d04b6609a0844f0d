#!/usr/bin/env bash
# Sets up what is missing, builds both builds and runs every test with ctest:
# the host tests under the sanitizers and the Wine tests of tarnvik.exe.
# Extra arguments go to ctest (for example -R wine.Form).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
exec ctest --preset windows "$@"
