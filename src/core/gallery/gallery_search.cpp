#include "gallery/gallery_search.h"

#include <array>

#include "gallery/category_captions.h"
#include "text/text_helpers.h"

namespace zorna {
namespace {

bool StartsCharacter(unsigned char byte) {
  return (byte & 0xC0) != 0x80;
}

// The synonym table, tested row by row. A row's beginnings of three characters are compared with
// the first three characters of the text and those of four with its first four, which is to say
// that the text starts with one of them.
struct Synonym {
  std::string_view beginnings;  // separated by "|"
  std::string_view key;
};

constexpr std::array<Synonym, 24> kSynonyms = {{
    {"FAX|MOBI", "TELEFÓN"},
    {"MICK", "DISNEY"},
    {"KANC", "PRÁCA"},
    {"POČA", "NEŽIVÁ PRÍRODA"},
    {"DOM|STAV", "BUDOVY"},
    {"HODI", "SPOTREB"},
    {"PLAN|ZEM", "VESMÍR"},
    {"PERO|CERU", "TEXT"},
    {"OBRÁ|OBRA", "MAĽOVANIE"},
    {"ZVUK|NIKR|KAZE|HUDB", "AUDIO"},
    {"PES", "MAČK"},
    {"VTÁK|VTÁC", "LIETAJÚ"},
    {"RYBA|RYBY|ŽABA|ŽABY", "OBOJŽIVE"},
    {"HTTP|INTE|FTP|URL", "WWW"},
    {"LIST|EMAI|E-MA|E MA", "POŠTA"},
    {"VLOŽ|KOPÍ|VYST|PRIL", "SCHRÁNKA"},
    {"NOTE", "ČASOPIS"},
    {"HARD", "PEVNÝ DISK"},
    {"AUTO|SEMA|CEST", "CESTNÁ"},
    {"LOED|LOĎ", "VODNÁ"},
    {"ZVIE", "FAUNA"},
    {"LUPA", "ZOBRAZ"},
    {"DVD", "CD"},
    {"KLÁV|JOYS|PALM|SKEN|PROC|SCAN|TLAČ|MYŠ", "ĎALŠIE ZARIADENIA"},
}};

// English words, tested after the Slovak rows, so that an English word wins over a Slovak row
// it happens to start with. They lead where the Slovak words lead; what the shipped gallery's
// English captions say already ("network", "arrows") needs no row.
constexpr std::array<Synonym, 27> kEnglishSynonyms = {{
    {"PHON|CELL", "TELEFÓN"},
    {"OFFI|WORK|CALC|CALE|SPRE", "PRÁCA"},
    {"WEAT|RAIN|SNOW|CLOU", "NEŽIVÁ PRÍRODA"},
    {"HOUS|HOME|BUIL", "BUDOVY"},
    {"CLOC|WATC|CAME|BATT", "SPOTREB"},
    {"EART|SPAC|MOON|GLOB|WORL", "VESMÍR"},
    {"PEN|WRIT|FONT|WORD", "TEXT"},
    {"PICT|IMAG|PAIN|PHOT|DRAW", "MAĽOVANIE"},
    {"MUSI|SOUN|SPEA|MICR|VIDE|SONG", "AUDIO"},
    {"DOG|CAT", "MAČK"},
    {"BIRD", "LIETAJÚ"},
    {"FISH|FROG", "OBOJŽIVE"},
    {"WEB|BROW", "WWW"},
    {"MAIL|LETT|ENVE", "POŠTA"},
    {"COPY|PAST|CLIP|CUT", "SCHRÁNKA"},
    {"MAGA|NEWSP", "ČASOPIS"},
    {"DRIV|DISK|FLOP", "PEVNÝ DISK"},
    {"CAR|TRAF|ROAD|SIGN", "CESTNÁ"},
    {"SHIP|BOAT", "VODNÁ"},
    {"ANIM", "FAUNA"},
    {"MAGN|ZOOM|FIND|SEAR", "ZOBRAZ"},
    {"DISC", "CD"},
    {"LAPT|NOTEB", "POČÍTAČ"},
    {"TRAS|RECY", "PRIEČINKY"},
    {"SMIL|EMOT", "TVÁRE"},
    {"KEYB|MOUS|PRIN|MONI|SCRE|CARD", "ĎALŠIE ZARIADENIA"},
    {"PLANT|FLOW|TREE", "PRÍRODA"},
}};

bool StartsWithOneOf(std::string_view text, std::string_view beginnings) {
  while (!beginnings.empty()) {
    const size_t bar = beginnings.find('|');
    if (text.starts_with(beginnings.substr(0, bar))) return true;
    beginnings.remove_prefix(bar == std::string_view::npos ? beginnings.size() : bar + 1);
  }
  return false;
}

// A node matches by its caption in the tree file or by the one it shows.
bool NodeMatches(std::string_view key, std::string_view caption, InterfaceLanguage language) {
  if (CaptionMatches(key, caption)) return true;
  const std::string_view shown = ShownCaption(caption, language);
  return shown != caption && CaptionMatches(key, shown);
}

}  // namespace

int CharacterCount(std::string_view utf8) {
  int count = 0;
  for (const char c : utf8) count += StartsCharacter(static_cast<unsigned char>(c)) ? 1 : 0;
  return count;
}

std::string SearchKey(std::string_view typed, InterfaceLanguage language) {
  const std::string upper = UpperSlovak(typed);
  // Every row looks at the text as typed, so a later matching row wins over an earlier one.
  std::string_view key = upper;
  const auto apply = [&](std::span<const Synonym> rows) {
    for (const Synonym& row : rows) {
      if (StartsWithOneOf(upper, row.beginnings)) key = row.key;
    }
  };
  apply(kSynonyms);
  if (language == InterfaceLanguage::kEnglish) apply(kEnglishSynonyms);
  return std::string(key);
}

bool CaptionMatches(std::string_view key, std::string_view caption) {
  // Upper-casing keeps every character's length, so comparing bytes compares characters.
  const std::string upper = UpperSlovak(caption);
  if (upper.starts_with(key)) return true;
  return CharacterCount(key) >= kShortestInnerMatch && upper.find(key) != std::string::npos;
}

std::optional<int> FindCategory(std::string_view key, std::span<const std::string> captions,
                                int current, InterfaceLanguage language) {
  const int count = static_cast<int>(captions.size());
  if (count == 0) return std::nullopt;
  // Nodes counted from 1: the one after the current category.
  int start = current >= 0 && current < count - 1 ? current + 2 : 1;
  int node = start;
  do {
    // Node 0 is the tree's caption, no category: selecting it would load nothing.
    if (node > 1 && NodeMatches(key, captions[node - 1], language)) return node - 1;
    node = CyclicNext(node, 1, count);
  } while (node != start);
  return std::nullopt;
}

SearchResult SearchGallery(std::string_view typed, std::span<const std::string> captions,
                           int current, InterfaceLanguage language) {
  SearchResult result;
  if (CharacterCount(typed) < kShortestSearchText) return result;
  result.searched = true;
  result.key = SearchKey(typed, language);
  result.found = FindCategory(result.key, captions, current, language);
  return result;
}

}  // namespace zorna
