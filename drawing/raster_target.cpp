// SPDX-License-Identifier: MIT
#include "raster_target.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define FALORYS_X86_STORES 1
#endif

namespace drawing::raster {

namespace {

#if defined(FALORYS_X86_STORES)
// The run's first and last stores may be unaligned and overlap the middle ones, which are
// aligned: a store that straddles two cache lines costs as much as two. n >= 8.
__attribute__((target("avx2"))) void fill32ByteStores(QRgb *p, std::size_t n, QRgb rgb)
{
    const __m256i eight = _mm256_set1_epi32(int(rgb));
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), eight);
    std::size_t i = 8 - (reinterpret_cast<std::uintptr_t>(p) % 32) / sizeof(QRgb);
    for (; i + 8 <= n; i += 8)
        _mm256_store_si256(reinterpret_cast<__m256i *>(p + i), eight);
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(p + n - 8), eight);
}

// The same with 16-byte stores; n >= 4.
__attribute__((target("sse2"))) void fill16ByteStores(QRgb *p, std::size_t n, QRgb rgb)
{
    const __m128i four = _mm_set1_epi32(int(rgb));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), four);
    std::size_t i = 4 - (reinterpret_cast<std::uintptr_t>(p) % 16) / sizeof(QRgb);
    for (; i + 4 <= n; i += 4)
        _mm_store_si128(reinterpret_cast<__m128i *>(p + i), four);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p + n - 4), four);
}

// Pixels are 4-byte aligned in every image, so the aligned stores above are.
static_assert(alignof(QRgb) == 4);

bool hasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

} // namespace

void fillLongRun(QRgb *p, std::size_t n, QRgb rgb)
{
#if defined(FALORYS_X86_STORES)
    static const bool avx2 = hasAvx2();
    if (avx2 && n >= 8) {
        fill32ByteStores(p, n, rgb);
        return;
    }
    if (n >= 4) {
        fill16ByteStores(p, n, rgb);
        return;
    }
#endif
    const std::uint64_t pair = (std::uint64_t(rgb) << 32) | rgb;
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2)
        std::memcpy(p + i, &pair, sizeof pair);
    if (i < n)
        p[i] = rgb;
}

} // namespace drawing::raster
