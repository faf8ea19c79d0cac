#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and starts it; arguments are passed through.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run

# The program alone, in a build of its own (build/run): the tests and benchmarks need more
# packages, and scripts/test.sh's build/default keeps them.
cmake --preset run
cmake --build --preset run -j "$(nproc)" --target falorys
exec build/run/app/falorys "$@"
