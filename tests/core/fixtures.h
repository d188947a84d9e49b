#pragma once
// The test files under tests/data/<format>/valid and invalid, the sidecars beside them that say
// what a reader must make of each (tests/data/make_fixtures.py writes both), and the hex text
// that the sidecars and the worked examples of docs/formats/ are written in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "picture/bitmap.h"
#include "support/error.h"
#include "support/files.h"

namespace zorna::testing {

// The files of tests/data/<format>/<kind> with the extension, sorted by name.
inline std::vector<std::filesystem::path> FixtureFiles(const std::string& format,
                                                       const std::string& kind,
                                                       const std::string& extension) {
  const std::filesystem::path folder = std::filesystem::path(ZORNA_TEST_DATA) / format / kind;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == extension) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  EXPECT_FALSE(files.empty()) << "no " << extension << " files in " << folder;
  return files;
}

inline std::filesystem::path Sidecar(std::filesystem::path file, const std::string& extension) {
  return file.replace_extension(extension);
}

inline std::string ReadText(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

inline std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// Bytes as hex pairs separated by white space; "HH*N" stands for N bytes HH, "(...)*N" for N
// copies of the bytes in brackets, and "#" starts a comment. Anything else throws.
class HexText {
 public:
  static std::vector<uint8_t> Parse(std::string_view text) {
    HexText reader(text);
    std::vector<uint8_t> bytes = reader.Sequence();
    if (reader.at_ < text.size()) reader.Fail("unmatched ')'");
    return bytes;
  }

 private:
  explicit HexText(std::string_view text) : text_(text) {}

  std::vector<uint8_t> Sequence() {
    std::vector<uint8_t> out;
    for (SkipSpace(); at_ < text_.size() && text_[at_] != ')'; SkipSpace()) {
      std::vector<uint8_t> item;
      if (text_[at_] == '(') {
        ++at_;
        item = Sequence();
        if (at_ >= text_.size()) Fail("missing ')'");
        ++at_;
      } else {
        item.push_back(Byte());
      }
      for (size_t n = Count(); n > 0; --n) out.insert(out.end(), item.begin(), item.end());
    }
    return out;
  }
  void SkipSpace() {
    while (at_ < text_.size()) {
      if (text_[at_] == '#') {
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
      } else if (std::isspace(static_cast<unsigned char>(text_[at_]))) {
        ++at_;
      } else {
        return;
      }
    }
  }
  uint8_t Byte() {
    if (text_.size() - at_ < 2 || !std::isxdigit(static_cast<unsigned char>(text_[at_])) ||
        !std::isxdigit(static_cast<unsigned char>(text_[at_ + 1])) ||
        (text_.size() - at_ > 2 && std::isxdigit(static_cast<unsigned char>(text_[at_ + 2])))) {
      Fail("not a hex pair");
    }
    at_ += 2;
    return static_cast<uint8_t>(std::stoi(std::string(text_.substr(at_ - 2, 2)), nullptr, 16));
  }
  size_t Count() {
    if (at_ >= text_.size() || text_[at_] != '*') return 1;
    const size_t start = ++at_;
    while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
    if (at_ == start) Fail("'*' without a count");
    return std::stoul(std::string(text_.substr(start, at_ - start)));
  }
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::invalid_argument(what + " at \"" + std::string(text_.substr(at_, 20)) + "\"");
  }

  std::string_view text_;
  size_t at_ = 0;
};

inline std::vector<uint8_t> ParseHex(std::string_view text) {
  return HexText::Parse(text);
}

// Lines "name = bytes": the entries of a pack with their contents, in order.
using Entries = std::vector<std::pair<std::string, std::vector<uint8_t>>>;
inline Entries ParseEntries(std::string_view text) {
  Entries entries;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    if (Trimmed(line).empty() || Trimmed(line).front() == '#') continue;
    const size_t equals = line.rfind('=');
    if (equals == std::string::npos) throw std::invalid_argument("no '=' in " + line);
    entries.emplace_back(std::string(Trimmed(std::string_view(line).substr(0, equals))),
                         ParseHex(std::string_view(line).substr(equals + 1)));
  }
  return entries;
}

// A binary PPM picture, as Pillow writes them.
inline Bitmap ReadPpm(const std::filesystem::path& path) {
  std::istringstream in(ReadText(path));
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();
  if (magic != "P6" || maximum != 255 || !in) throw std::invalid_argument("not a PPM picture");
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int r = in.get(), g = in.get(), b = in.get();
      picture.SetPixel(
          x, y, Rgb(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)));
    }
  }
  if (!in) throw std::invalid_argument("PPM picture cut short");
  return picture;
}

// Same size, and no colour channel further apart than tolerance; the message names the first
// pixel that is.
inline void ExpectSamePicture(const Bitmap& got, const Bitmap& want, int tolerance,
                              const std::string& what) {
  ASSERT_EQ(got.Width(), want.Width()) << what;
  ASSERT_EQ(got.Height(), want.Height()) << what;
  for (int y = 0; y < want.Height(); ++y) {
    for (int x = 0; x < want.Width(); ++x) {
      const Colorref a = got.Pixel(x, y), b = want.Pixel(x, y);
      const int most = std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                                 std::abs(BlueOf(a) - BlueOf(b))});
      if (most > tolerance) {
        auto rgb = [](Colorref c) {
          char text[8];
          std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
          return std::string(text);
        };
        ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << rgb(a) << ", not "
                      << rgb(b);
        return;
      }
    }
  }
}

// Equal bytes; the message gives the sizes and the first offset that differs.
inline void ExpectSameBytes(const std::vector<uint8_t>& got, const std::vector<uint8_t>& want,
                            const std::string& what) {
  const auto differ = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
  if (differ.first == got.end() && differ.second == want.end()) return;
  ADD_FAILURE() << what << ": " << got.size() << " bytes, expected " << want.size()
                << "; first difference at offset " << (differ.first - got.begin());
}

// Every valid file of the format reads, through decode (bytes to picture), as the picture of
// its ".ppm" sidecar.
template <typename Decode>
void ExpectValidFilesShowTheirPictures(const std::string& format, const std::string& extension,
                                       Decode decode, int tolerance) {
  for (const auto& file : FixtureFiles(format, "valid", extension)) {
    Bitmap picture;
    ASSERT_NO_THROW(picture = decode(ReadWholeFile(file))) << file.filename();
    ExpectSamePicture(picture, ReadPpm(Sidecar(file, ".ppm")), tolerance, file.filename().string());
  }
}

// Every invalid file of the format is refused with a zorna::Error whose message starts with
// `message`, all of them within `milliseconds`: a lying header must not cost time or memory.
template <typename Decode>
void ExpectInvalidFilesRefused(const std::string& format, const std::string& extension,
                               Decode decode, const std::string& message, int milliseconds) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& file : FixtureFiles(format, "invalid", extension)) {
    std::string error = "accepted";
    try {
      decode(ReadWholeFile(file));
    } catch (const Error& e) {
      error = e.what();
    }
    EXPECT_EQ(error.rfind(message, 0), 0u) << file.filename() << ": " << error;
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), milliseconds);
}

}  // namespace zorna::testing
