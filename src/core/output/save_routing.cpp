#include "output/save_routing.h"

#include "text/text_helpers.h"

namespace zorna {

namespace {

constexpr std::string_view kBitmaps = "Bitmapy (*.bmp)|*.bmp";
constexpr std::string_view kJpegs = "Jpeg súbory (*.jpg, *.jpeg)|*.jpg;*.jpeg";
constexpr std::string_view kIcons = "Zorna (*.ico)|*.ico";
constexpr std::string_view kButtons = "Tlačítko (*.bmp)|*.bmp";
constexpr std::string_view kGifs = "Gif súbory (*.gif)|*.gif";
constexpr std::string_view kPngs = "PNG súbory (*.png)|*.png";
constexpr std::string_view kAlphaIcons = "Ikona s priehľadnosťou (*.ico)|*.ico";

std::string Join(std::initializer_list<std::string_view> entries) {
  std::string out;
  for (std::string_view e : entries) {
    if (!out.empty()) out += '|';
    out += e;
  }
  return out;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

std::string SaveFilterFor(std::string_view remembered_type) {
  // The two modern types follow the four classic ones; remembered, each leads the JPEG-first
  // order instead.
  if (remembered_type == "bmp")
    return Join({kBitmaps, kJpegs, kIcons, kButtons, kPngs, kAlphaIcons});
  if (remembered_type == "jpg")
    return Join({kJpegs, kBitmaps, kIcons, kButtons, kPngs, kAlphaIcons});
  if (remembered_type == "ico")
    return Join({kIcons, kBitmaps, kJpegs, kButtons, kPngs, kAlphaIcons});
  if (remembered_type == "btn")
    return Join({kButtons, kIcons, kBitmaps, kJpegs, kPngs, kAlphaIcons});
  if (remembered_type == "png")
    return Join({kPngs, kJpegs, kBitmaps, kIcons, kButtons, kAlphaIcons});
  if (remembered_type == "ico32")
    return Join({kAlphaIcons, kJpegs, kBitmaps, kIcons, kButtons, kPngs});
  return Join({kBitmaps, kJpegs, kGifs});
}

std::vector<FilterEntry> ParseFilterList(std::string_view filter) {
  std::vector<FilterEntry> entries;
  if (filter.empty()) return entries;
  const std::vector<std::string> parts = Split(filter, '|');
  for (size_t i = 0; i < parts.size(); i += 2) {
    FilterEntry entry{parts[i], {}};
    if (i + 1 < parts.size()) entry.patterns = Split(parts[i + 1], ';');
    entries.push_back(std::move(entry));
  }
  return entries;
}

int ButtonFilterIndex(std::string_view filter) {
  // Upper-casing keeps the length in bytes, so the position holds in the original list.
  const size_t p = UpperSlovak(filter).find("TLAČÍTKO");
  if (p == std::string::npos) return 0;
  return CountOccurrences("|", filter.substr(0, p)) / 2 + 1;
}

int AlphaIconFilterIndex(std::string_view filter) {
  const std::string_view description = kAlphaIcons.substr(0, kAlphaIcons.find('|'));
  const std::vector<FilterEntry> entries = ParseFilterList(filter);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].description == description) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string DefaultExtension(std::string_view filter, int filter_index) {
  const std::vector<FilterEntry> entries = ParseFilterList(filter);
  if (filter_index < 1 || filter_index > static_cast<int>(entries.size())) return "";
  const FilterEntry& entry = entries[filter_index - 1];
  if (entry.patterns.empty()) return "";
  const std::string& pattern = entry.patterns.front();
  const size_t dot = pattern.rfind('.');
  if (dot == std::string::npos) return "";
  const std::string extension = pattern.substr(dot + 1);
  return Contains(extension, "*") || Contains(extension, "?") ? "" : extension;
}

std::string WithDefaultExtension(const std::string& file_name, std::string_view filter,
                                 int filter_index) {
  const size_t slash = file_name.rfind('/');
  const std::string_view last =
      std::string_view(file_name).substr(slash == std::string::npos ? 0 : slash + 1);
  if (last.empty() || Contains(last, ".")) return file_name;
  const std::string extension = DefaultExtension(filter, filter_index);
  return extension.empty() ? file_name : file_name + "." + extension;
}

SaveKind RouteSave(std::string_view file_name, std::string_view filter, int filter_index) {
  const std::string upper = UpperSlovak(file_name);
  if (Contains(upper, ".ICO")) {
    const int alpha_icon = AlphaIconFilterIndex(filter);
    return alpha_icon != 0 && filter_index == alpha_icon ? SaveKind::kAlphaIcon : SaveKind::kIcon;
  }
  const int button = ButtonFilterIndex(filter);
  if (button != 0 && filter_index == button) return SaveKind::kButton;
  if (Contains(upper, ".PNG")) return SaveKind::kPng;
  if (Contains(upper, ".BMP")) return SaveKind::kBitmap;
  return SaveKind::kJpeg;
}

std::optional<std::string> RememberedTypeAfterSave(SaveKind kind) {
  switch (kind) {
    case SaveKind::kIcon:
      return "ico";
    case SaveKind::kButton:
      return "btn";
    case SaveKind::kBitmap:
      return "bmp";
    case SaveKind::kPng:
      return "png";
    case SaveKind::kAlphaIcon:
      return "ico32";
    case SaveKind::kJpeg:
      break;
  }
  return std::nullopt;
}

}  // namespace zorna
