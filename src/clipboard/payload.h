#pragma once
#include <cstdio>
#include <optional>
#include <string>

namespace zorna::clipboard {

// The picture handed over by the program, in the encodings the clipboard offers.
struct Payload {
  std::string png;
  std::string bmp;
};

// The program writes each encoding as a 4-byte little-endian length and the bytes, PNG first,
// then closes the pipe. Nothing, or a cut message, gives no payload.
std::optional<Payload> ReadPayload(std::FILE* in);

// The largest encoding accepted: far above a 128 x 128 picture, small enough for one message.
constexpr std::size_t kMaxEncodingSize = 200 * 1024;

}  // namespace zorna::clipboard
