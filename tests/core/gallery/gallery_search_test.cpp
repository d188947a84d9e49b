#include "gallery/gallery_search.h"

#include <gtest/gtest.h>

#include <fstream>

#include "gallery/category_captions.h"
#include "gallery/not_found_list.h"
#include "text/text_helpers.h"

namespace zorna {
namespace {

using Captions = std::vector<std::string>;

TEST(GallerySearch, ShortTextsMatchOnlyBeginningsAndFourCharactersMatchAnywhere) {
  const Captions tree = {"GALÉRIA", "POČÍTAČ", "TEXT", "ZVIERATÁ NA FARME", "NÁRADIE"};
  EXPECT_FALSE(SearchGallery("te", tree, 0).searched);
  EXPECT_EQ(SearchGallery("tex", tree, 0).found, 2);
  EXPECT_EQ(SearchGallery("ádi", tree, 0).found, std::nullopt);  // inside NÁRADIE only
  EXPECT_EQ(SearchGallery("radi", tree, 0).found, 4);
  EXPECT_EQ(SearchGallery("na f", tree, 0).found, 3);
  // Lower- and upper-case accented letters search the same.
  EXPECT_EQ(SearchGallery("poč", tree, 0).found, 1);
  EXPECT_EQ(SearchGallery("POČ", tree, 0).found, 1);
  EXPECT_EQ(SearchGallery("PoČíTaČ", tree, 0).found, 1);
}

TEST(GallerySearch, SynonymsLeadCommonWordsToTheGallerysCategories) {
  EXPECT_EQ(SearchKey("mobil"), "TELEFÓN");
  EXPECT_EQ(SearchKey("fax"), "TELEFÓN");
  EXPECT_EQ(SearchKey("pes"), "MAČK");
  EXPECT_EQ(SearchKey("klávesnica"), "ĎALŠIE ZARIADENIA");
  EXPECT_EQ(SearchKey("myš"), "ĎALŠIE ZARIADENIA");
  EXPECT_EQ(SearchKey("e-mail"), "POŠTA");
  EXPECT_EQ(SearchKey("loďka"), "VODNÁ");
  EXPECT_EQ(SearchKey("mobster"), "MOBSTER");  // a row's beginning must be there whole
  const Captions tree = {"GALÉRIA", "KOMUNIKÁCIA", "TELEFÓN A KONTAKTY", "ZVIERATÁ", "MAČKY"};
  EXPECT_EQ(SearchGallery("mobil", tree, 0).found, 2);
  EXPECT_EQ(SearchGallery("pes", tree, 0).found, 4);
}

TEST(GallerySearch, StartsAfterTheCurrentCategoryWrapsAndTriesItLast) {
  const Captions all(8, "KVETY");
  EXPECT_EQ(FindCategory("KVET", all, 5), 6);
  EXPECT_EQ(FindCategory("KVET", all, 7), 1);  // from the last node past the root caption
  EXPECT_EQ(SearchGallery("gala", Captions{"GALAXIA", "TEXT", "SYSTÉM"}, 2).found, std::nullopt);
  Captions only_current(8, "STROM");
  only_current[5] = "KVETY";
  EXPECT_EQ(FindCategory("KVET", only_current, 5), 5);
  EXPECT_EQ(FindCategory("KVET", only_current, 3), 5);
  EXPECT_EQ(FindCategory("KVET", only_current, 99), 5);  // a stale number starts at the top
  EXPECT_EQ(FindCategory("KVET", only_current, -1), 5);
  EXPECT_EQ(FindCategory("KVET", {}, 0), std::nullopt);
}

TEST(GallerySearch, AMissIsRememberedOnceInCapitalsAndOnlyFromFourCharacters) {
  const Captions tree = {"GALÉRIA", "TEXT"};
  std::vector<std::string> lines = {"STARÉ"};
  for (const char* typed : {"abc", "abcd", "abcdé"}) {
    const SearchResult r = SearchGallery(typed, tree, 0);
    ASSERT_FALSE(r.found);
    RecordNotFound(lines, r.key);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"STARÉ", "ABCDÉ"}));
  RecordNotFound(lines, "ABCDÉ");
  EXPECT_EQ(lines, (std::vector<std::string>{"STARÉ", "ABCDÉ"}));
  // A line equal to the key stops the scan: lines after it stay, even one inside the key.
  lines = {"AB", "ABCD", "BC"};
  RecordNotFound(lines, "ABCD");
  EXPECT_EQ(lines, (std::vector<std::string>{"ABCD", "BC"}));
}

TEST(GallerySearch, AnyTextIsSafeAndTheFileNeverGetsALineItCannotHold) {
  const Captions tree = {"GALÉRIA", "TEXT", "ĎALŠIE ZARIADENIA"};
  std::vector<std::string> lines;
  const std::string long_text(10000, 'x');
  const std::string texts[] = {long_text,          "tex\nt",    std::string("te\0xt", 5),
                               "\x01\x02\x03\x04", "ĀĒĪŌ text", "日本語の本",
                               "\xff\xfe\xfd\xfc"};
  for (const std::string& typed : texts) {
    const SearchResult r = SearchGallery(typed, tree, 0);
    RecordNotFound(lines, r.key);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{UpperSlovak(long_text)}));
  EXPECT_EQ(ParseNotFoundList(FormatNotFoundList({lines, {}})).texts, lines);
}

TEST(GallerySearch, EnglishWordsFindWhatSlovakWordsFindOnlyUnderEnglish) {
  constexpr auto kEn = InterfaceLanguage::kEnglish, kSk = InterfaceLanguage::kSlovak;
  const Captions tree = {
      "GALÉRIA", "POČÍTAČ", "TELEFÓN A KONTAKTY", "PRÁCA V KANCELÁRII", "BUDOVY", "VESMÍR",
      "AUDIO",   "POŠTA",   "SCHRÁNKA",           "MOJE VECI"};
  const struct {
    const char* typed;
    InterfaceLanguage language;
    std::optional<int> found;
  } cases[] = {{"phone", kEn, 2},    {"mobile", kEn, 2},    {"office", kEn, 3},  {"house", kEn, 4},
               {"earth", kEn, 5},    {"music", kEn, 6},     {"mail", kEn, 7},    {"copy", kEn, 8},
               {"contacts", kEn, 2}, {"mobil", kEn, 2},     {"počítač", kEn, 1}, {"moje", kEn, 9},
               {"phone", kSk, {}},   {"computer", kSk, {}}, {"music", kSk, {}},  {"mobil", kSk, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(SearchGallery(c.typed, tree, 0, c.language).found, c.found) << c.typed;
  }
}

TEST(GallerySearch, EveryShippedCategoryIsShownAndFoundInEnglish) {
  using enum InterfaceLanguage;
  std::ifstream map(ZORNA_GALLERY_MAP);
  Captions tree;
  for (std::string line; std::getline(map, line);) {
    line.erase(0, line.find_first_not_of("\t "));
    if (!line.empty() && line[0] != '#' && line[0] != ':') tree.push_back(line);
  }
  ASSERT_GT(tree.size(), 20u);
  for (int node = 0; node < static_cast<int>(tree.size()); ++node) {
    const auto english = EnglishCaption(tree[node]);
    ASSERT_TRUE(english) << tree[node];
    EXPECT_TRUE(node == 0 || SearchGallery(*english, tree, 0, kEnglish).found == node) << *english;
  }
}

}  // namespace
}  // namespace zorna
