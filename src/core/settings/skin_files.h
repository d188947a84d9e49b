#pragma once
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

// What a skin folder holds. Names are the program's text (UTF-8, "/" between folders); on the
// desktop the skins come from they are code page 1250 and letter case does not matter.
namespace zorna {

// The tool panels in the order a skin dresses them, and the fifteen buttons a skin may give a
// glyph, in the order they are dressed ("Btn" + name is the button).
inline constexpr std::array<const char*, 4> kSkinPanels = {"Vstup", "Vystup", "Lupa", "Podklad"};
inline constexpr std::array<const char*, 15> kSkinButtons = {
    "Right", "Left",        "Theme",      "Gallery",          "Copy",
    "Close", "Info",        "Minimize",   "Odomknute",        "Zamknute",
    "Save",  "OtocDoprava", "OtocDolava", "PreklopVodorovne", "PreklopZvislo"};

namespace skin_file {
inline constexpr const char* kOkno = "okno.bmp";                 // the button strip
inline constexpr const char* kSkinVyrobil = "skin_vyrobil.bmp";  // the author's mark
inline constexpr const char* kSpodok = "spodok.bmp";             // the column's bottom edge
inline constexpr const char* kSpodokEnd = "spodok_end.bmp";      // its right end
inline constexpr const char* kRozmiestnenie = "rozmiestnenie.ini";
inline constexpr const char* kSkinVyrobilText = "Skin_Vyrobil.txt";  // first line: the link
// Inside "okno/" + panel + "/".
inline constexpr const char* kHlavicka = "hlavička.bmp";  // caption; its height is the bar's
// The caption in English, shown instead when the window speaks English; a skin may lack it.
inline constexpr const char* kHlavickaEnglish = "hlavička_en.bmp";
inline constexpr const char* kHlavickaEnd = "hlavička_end.bmp";
inline constexpr const char* kHlavickaMin = "hlavička_min.bmp";  // the collapse picture
inline constexpr const char* kPanelOkno = "okno.bmp";            // the panel's body
}  // namespace skin_file

// "okno/Vstup/hlavička.bmp" and the like.
std::string SkinPanelFile(std::string_view panel, std::string_view file);
// "buttons/Save.bmp"; a glyph is the one optional picture of a skin.
std::string SkinGlyphFile(std::string_view button);
// Save and Copy show two glyph cells side by side (enabled, disabled); the others one.
bool HasTwoGlyphCells(std::string_view button);
// Whether the button sits on the strip (else on the input or result panel's body).
bool IsStripButton(std::string_view button);

// The file of a skin folder, found without regard to letter case; a name that an unpacker left
// in code page 1250 bytes is found too. A file that is nowhere keeps the name as asked.
std::filesystem::path FindSkinFile(const std::filesystem::path& skin_folder,
                                   std::string_view relative);

}  // namespace zorna
