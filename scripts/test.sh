#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds from scratch-or-incrementally and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
cmake --preset default -DFALORYS_WERROR=ON
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"
