#!/usr/bin/env bash
# Installs, builds and starts MZ58Win.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh build
if [ -x build/src/app/mz58win ]; then
    exec build/src/app/mz58win "$@"
fi
# Until the window application exists: a fresh image, described by the command-line tool.
build/src/cli/mz58 new -o build/fresh.q7m
exec build/src/cli/mz58 info build/fresh.q7m
