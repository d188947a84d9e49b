#include "payload.h"

#include <cstdint>

namespace zorna::clipboard {
namespace {

std::optional<std::string> ReadBlock(std::FILE* in) {
  unsigned char size_bytes[4];
  if (std::fread(size_bytes, 1, 4, in) != 4) return std::nullopt;
  const std::uint32_t size = size_bytes[0] | (size_bytes[1] << 8) | (size_bytes[2] << 16) |
                             (std::uint32_t(size_bytes[3]) << 24);
  if (size == 0 || size > kMaxEncodingSize) return std::nullopt;
  std::string block(size, '\0');
  if (std::fread(block.data(), 1, size, in) != size) return std::nullopt;
  return block;
}

}  // namespace

std::optional<Payload> ReadPayload(std::FILE* in) {
  Payload payload;
  auto png = ReadBlock(in);
  auto bmp = png ? ReadBlock(in) : std::nullopt;
  if (!png || !bmp) return std::nullopt;
  payload.png = std::move(*png);
  payload.bmp = std::move(*bmp);
  return payload;
}

}  // namespace zorna::clipboard
