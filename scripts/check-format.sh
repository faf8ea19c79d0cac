#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails, naming the file and line, if a tracked C++ file is not as clang-format (the tree's
# .clang-format) would lay it out. Generated sources live in the build directory, never in git.
# To fix: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files -z -- '*.cpp' '*.h' | xargs -0 --no-run-if-empty clang-format --dry-run --Werror
