// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace app {

/** Pictures larger than this many pixels (or wider or taller than kMaxJpegSide) are refused. */
inline constexpr std::int64_t kMaxJpegPixels = 16 * 1024 * 1024;
inline constexpr int kMaxJpegSide = 16384;

/**
 * Decodes a baseline or progressive JPEG held in memory with libjpeg. Greyscale and colour
 * pictures come back as Format_RGB32. Anything wrong with the data (empty, truncated, corrupt,
 * an unsupported colour space, absurd dimensions, even a recoverable libjpeg warning) gives
 * std::nullopt and, when `error` is given, a one-line reason; nothing is printed and the
 * process is never ended.
 */
std::optional<QImage> decodeJpeg(std::span<const std::uint8_t> data, std::string *error = nullptr);

} // namespace app
