#pragma once
#include <cstdint>
#include <span>
#include <vector>

// A block stored alone in a file, as the gallery pictures (".iko") store theirs: the method code,
// the method's parameter bytes (escape pair, then dictionary entry count) and the payload up to
// the end of the file.
namespace zorna {

// Encodes a block of at most 65 025 bytes into the file's bytes.
std::vector<uint8_t> EncodeBlockFile(std::span<const uint8_t> block);

struct BlockFileContents {
  std::vector<uint8_t> block;
  // False for a file too short for its header, an unknown method or a damaged payload; block
  // holds what could be decoded.
  bool complete = true;
};
// Decodes the file's bytes; at most 65 025 bytes of payload are read, as the gallery does.
BlockFileContents DecodeBlockFile(std::span<const uint8_t> file);

}  // namespace zorna
