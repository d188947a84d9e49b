#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The not-found list: the search texts that found nothing in the gallery, kept in the program
// folder as "nenájdené v galérii.txt", one text per line in code page 1250. The program's lines
// are UTF-8.
namespace zorna {

inline constexpr std::string_view kNotFoundListFile = "nenájdené v galérii.txt";

// A list is a few thousand short texts at most; a longer file is not one the program wrote, and
// it is neither read nor rewritten.
inline constexpr size_t kNotFoundListLimit = 1024 * 1024;

// The file's lines: the search texts (UTF-8), and the lines that no search could have left (one
// holding a control character or a byte that code page 1250 does not assign), kept as their
// bytes so that writing the list back keeps them unchanged.
struct NotFoundList {
  std::vector<std::string> texts;
  std::vector<std::string> foreign;
  bool operator==(const NotFoundList&) const = default;
};

// The lines of the file's bytes. Lines end in CR LF or LF; empty lines are dropped.
NotFoundList ParseNotFoundList(std::string_view cp1250_text);
// The file's bytes: the foreign lines as they were, then the texts in code page 1250 (a
// character it lacks becomes "?"), every line ended by CR LF. A text that would not read back as
// one text (an empty one, one with a line break) is left out.
std::string FormatNotFoundList(const NotFoundList& list);

// Remembers a search key that found nothing. Keys of fewer than four characters are not
// remembered, nor are those the file cannot hold as one line (a control character, a character
// that code page 1250 lacks). Otherwise the lines are scanned from the first: a line equal to
// the key leaves the list as it is; a line found inside the key (an earlier, shorter try of the
// same search) is removed and the scan starts again; past the last line the key is appended.
// Returns whether the list changed.
bool RecordNotFound(std::vector<std::string>& lines, const std::string& key);

// Reads the list from its file; a missing file is an empty list. A file that exists but cannot
// be read (or a folder of that name) throws CannotOpenFile, and one larger than
// kNotFoundListLimit throws too, so that the caller can keep it from being overwritten.
NotFoundList ReadNotFoundList(const std::filesystem::path& path);
// Replaces the file in one step (a failed write keeps the old one) and throws CannotCreateFile
// when it cannot be written; an empty list deletes the file (with ZmazSubor).
void WriteNotFoundList(const std::filesystem::path& path, const NotFoundList& list);

}  // namespace zorna
