#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, builds and runs every test headless: once normally, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/check-format.sh

export QT_QPA_PLATFORM=offscreen

tools/build.sh build
ctest --test-dir build --output-on-failure -j2 --timeout 300

tools/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DMZ58_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2 --timeout 600
