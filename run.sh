#!/usr/bin/env bash
# Installs what the build needs, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target varno-editor --parallel "$(nproc)"
exec build/app/varno-editor "$@"
