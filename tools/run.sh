#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, builds and starts MZ58Win. Without a USB serial adapter the radio on COM1 is the
# built-in simulated radio, so reading and writing can be tried at once.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh build
args=("$@")
if ! compgen -G "/dev/ttyUSB*" > /dev/null; then
    args=(--simulator "${args[@]}")
fi
exec build/src/app/mz58win "${args[@]}"
