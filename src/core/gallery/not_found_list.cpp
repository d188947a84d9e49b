#include "gallery/not_found_list.h"

#include <algorithm>
#include <system_error>

#include "gallery/gallery_search.h"
#include "support/error.h"
#include "support/files.h"
#include "text/cp1250.h"

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

NotFoundList ParseNotFoundList(std::string_view cp1250_text) {
  NotFoundList list;
  while (!cp1250_text.empty()) {
    const size_t end = cp1250_text.find('\n');
    std::string_view line = cp1250_text.substr(0, end);
    cp1250_text.remove_prefix(end == std::string_view::npos ? cp1250_text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (IsSearchText(line)) {
      list.texts.push_back(Cp1250ToUtf8(line));
    } else {
      list.foreign.emplace_back(line);
    }
  }
  return list;
}

std::string FormatNotFoundList(const NotFoundList& list) {
  std::string text;
  for (const std::string& line : list.foreign) text += line + "\r\n";
  for (const std::string& line : list.texts) {
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

NotFoundList ReadNotFoundList(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  // A folder of that name, or one that cannot even be looked at, is not an empty list.
  if (ec || !std::filesystem::is_regular_file(status)) throw CannotOpenFile(path.string());
  const std::vector<uint8_t> bytes = ReadFileStart(path, kNotFoundListLimit + 1);
  if (bytes.size() > kNotFoundListLimit) {
    throw Error("The list of searches not found " + path.string() +
                    " is larger than 1 MiB; it is left as it is and searches are not kept",
                "Zoznam nenájdených hesiel „" + path.string() +
                    "“ je väčší ako 1 MiB; program ho nechá tak, ako je, a nové heslá doň "
                    "neuloží.");
  }
  return ParseNotFoundList(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void WriteNotFoundList(const std::filesystem::path& path, const NotFoundList& list) {
  const std::string text = FormatNotFoundList(list);
  if (text.empty()) {
    ZmazSubor(path.string());
    return;
  }
  WriteFileAtomically(path, text);
}

}  // namespace zorna
