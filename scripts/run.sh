#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and starts it; arguments are passed through.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run

# The program alone: the tests and benchmarks need more packages (scripts/test.sh builds them).
cmake --preset default -DFALORYS_BUILD_TESTS=OFF -DFALORYS_BUILD_BENCHMARKS=OFF
cmake --build --preset default -j "$(nproc)" --target falorys
exec build/default/app/falorys "$@"
