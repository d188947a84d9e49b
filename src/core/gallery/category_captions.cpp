#include "gallery/category_captions.h"

#include <array>
#include <utility>

namespace zorna {
namespace {

// Every caption of data/gallery/tango-map.txt; a category added there needs its row here.
constexpr std::array<std::pair<std::string_view, std::string_view>, 26> kEnglishCaptions = {{
    {"GALÉRIA", "GALLERY"},
    {"POČÍTAČ", "COMPUTER"},
    {"PEVNÝ DISK", "HARD DISK"},
    {"CD A DVD", "CD AND DVD"},
    {"ĎALŠIE ZARIADENIA", "OTHER DEVICES"},
    {"SIEŤ", "NETWORK"},
    {"SYSTÉM", "SYSTEM"},
    {"KOMUNIKÁCIA", "COMMUNICATION"},
    {"TELEFÓN A KONTAKTY", "PHONE AND CONTACTS"},
    {"POŠTA", "MAIL"},
    {"WWW", "WWW"},
    {"PRÁCA V KANCELÁRII", "OFFICE WORK"},
    {"TEXT", "TEXT"},
    {"SCHRÁNKA", "CLIPBOARD"},
    {"MAĽOVANIE", "PAINTING"},
    {"AUDIO", "AUDIO"},
    {"SPOTREBIČE", "APPLIANCES"},
    {"ZOBRAZENIE", "VIEW"},
    {"PRIEČINKY A SÚBORY", "FOLDERS AND FILES"},
    {"BUDOVY", "BUILDINGS"},
    {"CESTNÁ PREMÁVKA", "ROAD TRAFFIC"},
    {"ŠÍPKY", "ARROWS"},
    {"PRÍRODA", "NATURE"},
    {"NEŽIVÁ PRÍRODA", "WEATHER"},
    {"VESMÍR", "SPACE"},
    {"TVÁRE A HRY", "FACES AND GAMES"},
}};

}  // namespace

std::optional<std::string_view> EnglishCaption(std::string_view caption) {
  for (const auto& [slovak, english] : kEnglishCaptions) {
    if (slovak == caption) return english;
  }
  return std::nullopt;
}

std::string_view ShownCaption(std::string_view caption, InterfaceLanguage language) {
  if (language != InterfaceLanguage::kEnglish) return caption;
  return EnglishCaption(caption).value_or(caption);
}

}  // namespace zorna
