#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Google Benchmark (the version the Linux build uses, Debian's own source package) as a
# static library for 64-bit Windows with MinGW-w64, for the benchmarks run under Wine.
#   build-benchmark.sh PREFIX [WORK]   installs into PREFIX; WORK keeps the source and the build.
set -euo pipefail
source "$(dirname "$0")/../lib/debian-source.sh"
source "$(dirname "$0")/cross-build.sh"
prefix=$(realpath -m "$1")
work=$(realpath -m "${2:-$(mktemp -d)}")

debian_source "$work" benchmark=1.7.1-1 benchmark_1.7.1.orig.tar.gz \
    6430e4092653380d9dc4ccb45a1e2dc9259d581f4866dc0759713126056bc1d7
cross_build "$work" benchmark_1.7.1.orig.tar.gz benchmark-1.7.1 "$prefix" \
    -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
    -DBENCHMARK_ENABLE_LTO=OFF -DBENCHMARK_INSTALL_DOCS=OFF -DBUILD_SHARED_LIBS=OFF
