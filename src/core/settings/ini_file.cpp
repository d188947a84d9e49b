#include "settings/ini_file.h"

#include <system_error>

#include "support/error.h"
#include "support/files.h"
#include "text/cp1250.h"
#include "text/number_scan.h"

namespace zorna {
namespace fs = std::filesystem;

namespace {

std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

// "[name]" gives name; anything else gives false.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

// "key=value" gives key and value; lines without "=" are not entries.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return !key.empty() && key.front() != ';';
}

}  // namespace

bool ParseProfileInteger(std::string_view text, int32_t& value) {
  text = Trim(text);
  const ScannedNumber n = ScanNumber(text);
  if (n.digits == 0 || n.end != text.size() || n.magnitude > 0xFFFFFFFFull) return false;
  if (n.hexadecimal && !n.negative) {
    value = static_cast<int32_t>(
        static_cast<uint32_t>(n.magnitude));  // "0xFFFFFFFF" is -1, as the desktop reads it
    return true;
  }
  const int64_t v =
      n.negative ? -static_cast<int64_t>(n.magnitude) : static_cast<int64_t>(n.magnitude);
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

IniFile::IniFile(fs::path path) : path_(std::move(path)) {
  std::error_code ec;
  // A missing file is the first run: every read gives its default and a write creates it.
  // A file in the place of its folder means the same: there is no settings file to lose.
  const fs::file_status status = fs::status(path_, ec);
  if (status.type() == fs::file_type::not_found || ec == std::errc::not_a_directory) return;
  const auto size = fs::file_size(path_, ec);
  if (!ec && size > kMaxSize) {
    too_large_ = true;
    return;
  }
  std::string text;
  try {
    if (ec) throw CannotOpenFile(path_.string(), ec.value());
    text = ReadWholeFileText(path_, kMaxSize);
  } catch (const Error&) {
    unreadable_ = true;
    return;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(Line{std::move(line)});
    start = end + 1;
  }
}

int IniFile::FindSection(std::string_view section_cp) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i].text, name) && EqualIgnoringCaseCp1250(name, section_cp)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int IniFile::SectionEnd(int header) const {
  size_t i = static_cast<size_t>(header) + 1;
  std::string_view name;
  while (i < lines_.size() && !SectionName(lines_[i].text, name)) ++i;
  return static_cast<int>(i);
}

int IniFile::FindKey(int header, std::string_view key_cp) const {
  const int end = SectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    std::string_view key, value;
    if (KeyValue(lines_[i].text, key, value) && EqualIgnoringCaseCp1250(key, key_cp)) return i;
  }
  return -1;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  const int header = FindSection(Utf8ToCp1250(section));
  return header >= 0 && FindKey(header, Utf8ToCp1250(key)) >= 0;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  const int header = FindSection(Utf8ToCp1250(section));
  if (header < 0) return std::string(def);
  const int at = FindKey(header, Utf8ToCp1250(key));
  if (at < 0) return std::string(def);
  std::string_view k, value;
  KeyValue(lines_[at].text, k, value);
  // The profile functions drop one pair of enclosing quotes.
  if (value.size() >= 2 && ((value.front() == '"' && value.back() == '"') ||
                            (value.front() == '\'' && value.back() == '\''))) {
    value = value.substr(1, value.size() - 2);
  }
  return Cp1250ToUtf8(value);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  const std::string text = ReadString(section, key, "");
  int32_t value = 0;
  return ParseProfileInteger(text, value) ? value : def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string section_cp = Utf8ToCp1250(section);
  const std::string key_cp = Utf8ToCp1250(key);
  std::string entry = key_cp + "=" + Utf8ToCp1250(value);
  int header = FindSection(section_cp);
  if (header < 0) {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(Line{""});
    lines_.push_back(Line{"[" + section_cp + "]"});
    lines_.push_back(Line{std::move(entry)});
    modified_ = true;
    return;
  }
  const int at = FindKey(header, key_cp);
  if (at >= 0) {
    if (lines_[at].text != entry) {
      lines_[at].text = std::move(entry);
      modified_ = true;
    }
    return;
  }
  // A new key goes after the section's last non-blank line.
  int insert = SectionEnd(header);
  while (insert - 1 > header && Trim(lines_[insert - 1].text).empty()) --insert;
  lines_.insert(lines_.begin() + insert, Line{std::move(entry)});
  modified_ = true;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::Save() {
  if (!modified_) return;
  // The user's keys are in there; writing the few keys of this group would lose them.
  if (unreadable_) throw CannotCreateFile(path_.string());
  std::error_code ec;
  if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
  if (too_large_) {
    // Not ours to parse: keep it beside the new file instead of overwriting it.
    fs::path aside = path_;
    aside += ".old";
    fs::rename(path_, aside, ec);
    too_large_ = false;
  }
  std::string text;
  for (const auto& line : lines_) {
    text += line.text;
    text += "\r\n";
  }
  WriteFileAtomically(path_, text);
  modified_ = false;
}

}  // namespace zorna
