#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorna {

// Where the save dialog's file-type order is remembered.
inline constexpr std::string_view kSaveTypeSection = "Obrázok";
inline constexpr std::string_view kSaveTypeKey = "Uložiť ako";
inline constexpr std::string_view kSaveTypeDefault = "jpg";

// The save dialog's filter list for the remembered type ("bmp", "jpg", "ico", "btn", "png",
// "ico32", compared exactly); any other value keeps the design-time list. Entries are
// "description|pattern" pairs joined by "|".
std::string SaveFilterFor(std::string_view remembered_type);

// One entry of a filter list: "Jpeg súbory (*.jpg, *.jpeg)" with patterns "*.jpg", "*.jpeg".
struct FilterEntry {
  std::string description;
  std::vector<std::string> patterns;
};
std::vector<FilterEntry> ParseFilterList(std::string_view filter);

// The 1-based index of the button entry: the "|" before "TLAČÍTKO" in the upper-cased list,
// halved, plus one. 0 when the list has no button entry.
int ButtonFilterIndex(std::string_view filter);

// The 1-based index of the entry "Ikona s priehľadnosťou (*.ico)"; 0 when the list has none.
int AlphaIconFilterIndex(std::string_view filter);

// The first extension of the chosen entry (1-based), without the dot: "bmp", "jpg", "ico";
// empty when the index names no entry.
std::string DefaultExtension(std::string_view filter, int filter_index);

// The name as the save dialog hands it over: a name whose last part has no extension gets the
// chosen type's first extension.
std::string WithDefaultExtension(const std::string& file_name, std::string_view filter,
                                 int filter_index);

enum class SaveKind { kIcon, kButton, kBitmap, kJpeg, kPng, kAlphaIcon };

// The save decision, tested in this order: ".ICO" anywhere in the upper-cased name (the icon
// with alpha when its entry is chosen, else the classic icon), the button entry chosen, ".PNG"
// anywhere in the name, ".BMP" anywhere in the name, else JPEG under whatever name was given.
SaveKind RouteSave(std::string_view file_name, std::string_view filter, int filter_index);

// The remembered type that a successful save writes ("ico32" for the icon with alpha); a JPEG
// save writes nothing.
std::optional<std::string> RememberedTypeAfterSave(SaveKind kind);

}  // namespace zorna
