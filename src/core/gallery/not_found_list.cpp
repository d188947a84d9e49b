#include "gallery/not_found_list.h"

#include <algorithm>
#include <system_error>

#include "gallery/gallery_search.h"
#include "support/cp1250.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna {
namespace {

bool IsSearchTextByte(unsigned char byte) {
  // Control characters, and the five bytes that code page 1250 leaves unassigned.
  if (byte < 0x20 || byte == 0x7F) return false;
  return byte != 0x81 && byte != 0x83 && byte != 0x88 && byte != 0x90 && byte != 0x98;
}

bool IsSearchText(std::string_view cp1250_line) {
  return !cp1250_line.empty() && std::all_of(cp1250_line.begin(), cp1250_line.end(), [](char c) {
    return IsSearchTextByte(static_cast<unsigned char>(c));
  });
}

}  // namespace

std::vector<std::string> ParseNotFoundList(std::string_view cp1250_text) {
  std::vector<std::string> lines;
  while (!cp1250_text.empty()) {
    const size_t end = cp1250_text.find('\n');
    std::string_view line = cp1250_text.substr(0, end);
    cp1250_text.remove_prefix(end == std::string_view::npos ? cp1250_text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (IsSearchText(line)) lines.push_back(Cp1250ToUtf8(line));
  }
  return lines;
}

std::string FormatNotFoundList(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    const std::string stored = Utf8ToCp1250(line);
    if (!IsSearchText(stored)) continue;
    text += stored;
    text += "\r\n";
  }
  return text;
}

bool RecordNotFound(std::vector<std::string>& lines, const std::string& key) {
  if (CharacterCount(key) < kShortestInnerMatch) return false;
  const std::string stored = Utf8ToCp1250(key);
  if (!IsSearchText(stored) || Cp1250ToUtf8(stored) != key) return false;
  // Starting the scan again after a removal meets the same lines in the same order, so one pass
  // that drops them as it goes gives the same list, also for a huge file of repeated lines.
  size_t kept = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == key) {
      // The key is there already: the lines from here on stay as they are.
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(kept),
                  lines.begin() + static_cast<std::ptrdiff_t>(i));
      return kept != i;
    }
    if (key.find(lines[i]) != std::string::npos) continue;
    if (kept != i) lines[kept] = std::move(lines[i]);
    ++kept;
  }
  lines.resize(kept);
  lines.push_back(key);
  return true;
}

std::vector<std::string> ReadNotFoundList(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  // A folder of that name, or one that cannot even be looked at, is not an empty list.
  if (ec || !std::filesystem::is_regular_file(status)) throw CannotOpenFile(path.string());
  const std::vector<uint8_t> bytes = ReadFileStart(path, kNotFoundListLimit + 1);
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (bytes.size() > kNotFoundListLimit) {
    text = text.substr(0, kNotFoundListLimit);
    text = text.substr(0, text.rfind('\n') + 1);  // npos + 1 is 0: no whole line at all
  }
  return ParseNotFoundList(text);
}

void WriteNotFoundList(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  const std::string text = FormatNotFoundList(lines);
  if (text.empty()) {
    ZmazSubor(path.string());
    return;
  }
  WriteFileAtomically(path, text);
}

}  // namespace zorna
