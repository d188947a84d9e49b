#include "pack/block_codec_file.h"

#include <algorithm>

#include "pack/block_codec.h"

namespace zorna {

std::vector<uint8_t> EncodeBlockFile(std::span<const uint8_t> block) {
  const BlockPayload encoded = EncodeBlock(block);
  std::vector<uint8_t> file;
  file.reserve(4 + encoded.payload.size());
  file.push_back(encoded.method);
  if (MethodStoresEscapePair(encoded.method)) {
    file.push_back(encoded.pair.first);
    file.push_back(encoded.pair.second);
  }
  if (MethodStoresEntryCount(encoded.method)) file.push_back(0);
  file.insert(file.end(), encoded.payload.begin(), encoded.payload.end());
  return file;
}

BlockFileContents DecodeBlockFile(std::span<const uint8_t> file) {
  if (file.empty()) return {{}, false};
  const uint8_t method = file[0];
  const size_t header =
      1 + (MethodStoresEscapePair(method) ? 2 : 0) + (MethodStoresEntryCount(method) ? 1 : 0);
  if (file.size() < header) return {{}, false};
  const EscapePair pair =
      MethodStoresEscapePair(method) ? EscapePair{file[1], file[2]} : EscapePair{};
  const uint8_t entry_count = MethodStoresEntryCount(method) ? file[header - 1] : 0;
  const std::span<const uint8_t> payload =
      file.subspan(header, std::min(file.size() - header, kBlockSize));
  BlockFileContents contents;
  contents.block = DecodeBlock(method, pair, entry_count, payload, &contents.complete);
  return contents;
}

}  // namespace zorna
