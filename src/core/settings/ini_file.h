#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zorna {

// A settings file with the desktop's profile semantics: section and key names compared without
// regard to case, values trimmed, a missing or non-numeric value reads as the default, "0x"
// and "$" start hexadecimal numbers, booleans are "1"/"0". Names and values are UTF-8 in the
// program and Windows-1250 on disk. Every group of reads or writes opens its own IniFile; the
// writes of a group reach the disk with Save(), atomically, keeping every other line as it was.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  bool HasKey(std::string_view section, std::string_view key) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Writes the file when something changed; throws CannotCreateFile when it cannot, and for a
  // file that exists but could not be read, which is kept as it is.
  void Save();
  bool Modified() const { return modified_; }
  // The file exists but could not be read (permissions, an I/O error, a folder of that name):
  // every read gives its default and Save() never overwrites it.
  bool Unreadable() const { return unreadable_; }

  // Files larger than this are not parsed; their readers get the defaults.
  static constexpr std::uintmax_t kMaxSize = 16u << 20;

 private:
  struct Line {
    std::string text;  // as on disk, Windows-1250, without the line break
  };
  // Index of the section header line, or -1.
  int FindSection(std::string_view section_cp) const;
  // Index of the key line inside the section starting at header, or -1.
  int FindKey(int header, std::string_view key_cp) const;
  int SectionEnd(int header) const;

  std::filesystem::path path_;
  std::vector<Line> lines_;
  bool modified_ = false;
  bool too_large_ = false;
  bool unreadable_ = false;
};

// The profile rule for integers: optional sign, decimal digits or "0x"/"$" hexadecimal, the
// whole trimmed text; anything else is not a number.
bool ParseProfileInteger(std::string_view text, int32_t& value);

}  // namespace zorna
