// The worked examples of docs/formats/ against the program's own readers and writers: every
// example is decoded and compared with the result its page states, and the ones marked
// "encode" are also encoded and compared byte for byte, so the pages cannot drift from the code.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "core/fixtures.h"
#include "core/pack/pack_test_files.h"
#include "gallery/category_tree.h"
#include "gallery/maintenance_jobs.h"
#include "output/alpha_icon_file.h"
#include "output/icon_file.h"
#include "output/transparent_result.h"
#include "pack/block_codec.h"
#include "pack/block_codec_file.h"
#include "pack/pack_file.h"

namespace zorna {
namespace {

using testing::Bytes;
using testing::ExpectSameBytes;
using testing::ParseHex;
namespace fs = std::filesystem;

// A fenced block: ```tag key=value flag ... up to the closing ```.
struct Fence {
  std::string tag;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::string body;
  bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
  const std::string& Value(const std::string& key) const {
    const auto found = values.find(key);
    if (found == values.end()) throw std::invalid_argument("no " + key + "= on " + tag);
    return found->second;
  }
};

struct Example {
  std::string name;
  Fence encoded;  // ```hex example=NAME
  Fence decoded;  // ```... decoded=NAME
};

std::vector<Example> ExamplesOf(const std::string& page) {
  std::istringstream lines(testing::ReadText(fs::path(ZORNA_FORMATS_DOCS) / page));
  std::map<std::string, Fence> encoded, decoded;
  std::vector<std::string> order;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("```", 0) != 0) continue;
    Fence fence;
    std::istringstream info(line.substr(3));
    info >> fence.tag;
    for (std::string word; info >> word;) {
      const size_t equals = word.find('=');
      if (equals == std::string::npos) {
        fence.flags.insert(word);
      } else {
        fence.values[word.substr(0, equals)] = word.substr(equals + 1);
      }
    }
    while (std::getline(lines, line) && line.rfind("```", 0) != 0) fence.body += line + "\n";
    if (fence.values.count("example")) {
      order.push_back(fence.values["example"]);
      EXPECT_TRUE(encoded.emplace(order.back(), fence).second)
          << page << ": twice " << order.back();
    } else if (fence.values.count("decoded")) {
      EXPECT_TRUE(decoded.emplace(fence.values["decoded"], fence).second)
          << page << ": twice " << fence.values["decoded"];
    }
  }
  std::vector<Example> examples;
  for (const std::string& name : order) {
    EXPECT_EQ(decoded.count(name), 1u) << page << ": no decoded=" << name;
    if (decoded.count(name)) examples.push_back({name, encoded[name], decoded[name]});
  }
  EXPECT_EQ(examples.size(), decoded.size()) << page << ": a decoded block without its example";
  EXPECT_FALSE(examples.empty()) << page;
  return examples;
}

EscapePair PairOf(const Fence& fence) {
  if (!fence.values.count("pair")) return {};
  const Bytes two = ParseHex(std::string(fence.Value("pair")).replace(2, 1, " "));
  return {two.at(0), two.at(1)};
}

void CheckBlockCodec(const Example& example) {
  const Fence& e = example.encoded;
  const auto method = static_cast<uint8_t>(std::stoi(e.Value("method")));
  const EscapePair pair = PairOf(e);
  const auto entries =
      static_cast<uint8_t>(e.values.count("entries") ? std::stoi(e.Value("entries")) : 0);
  const Bytes payload = ParseHex(e.body);
  const Bytes block = ParseHex(example.decoded.body);
  bool complete = false;
  ExpectSameBytes(DecodeBlock(method, pair, entries, payload, &complete), block, "decoded");
  EXPECT_EQ(complete, !e.Has("refused"));
  if (e.Has("encode")) {
    const BlockPayload encoded = EncodeBlock(block);
    EXPECT_EQ(encoded.method, method);
    if (method != 0) {
      EXPECT_EQ(encoded.pair, pair);
    }
    ExpectSameBytes(encoded.payload, payload, "encoded");
  }
}

void CheckGalleryPicture(const Example& example) {
  const Bytes file = ParseHex(example.encoded.body);
  const Bytes bitmap = ParseHex(example.decoded.body);
  // The file is the bitmap file without its first three bytes, which are always "BM6".
  const Bytes bm6 = {'B', 'M', '6'};
  const BlockFileContents contents = DecodeBlockFile(file);
  Bytes decoded = bm6;
  decoded.insert(decoded.end(), contents.block.begin(), contents.block.end());
  ExpectSameBytes(decoded, bitmap, "decoded");
  EXPECT_EQ(contents.complete, !example.encoded.Has("refused"));
  if (example.encoded.Has("encode")) {
    ASSERT_TRUE(std::equal(bm6.begin(), bm6.end(), bitmap.begin()));
    ExpectSameBytes(EncodeBlockFile(std::span(bitmap).subspan(3)), file, "encoded");
  }
}

void CheckPack(const Example& example) {
  testing::ScratchFolder scratch;  // also the current folder while it lives
  const fs::path root = scratch.Path() / "unpacked";
  fs::create_directories(root / "Data");
  const Bytes pack = ParseHex(example.encoded.body);
  testing::WriteFile("in.mk", pack);
  const testing::Entries entries = testing::ParseEntries(example.decoded.body);
  const PackResult result = RozbalArchiv("in.mk", root / "Data", root);
  EXPECT_EQ(result.completed, !example.encoded.Has("refused")) << result.problem;
  EXPECT_EQ(result.damaged_blocks, 0u);
  testing::ExpectSameFiles(testing::FilesWithContents(root),
                           testing::Destinations(entries, root / "Data", root), "unpacked");
  if (example.encoded.Has("encode")) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : entries) {
      names.push_back(StoredNameToPath(Utf8ToCp1250(name)));
      testing::WriteFile(names.back(), bytes);
    }
    ASSERT_TRUE(ZbalSubory(names, "out.mk").completed);
    ExpectSameBytes(testing::ReadFile("out.mk"), pack, "packed");
  }
}

// One line per row from the top, one RRGGBB colour per pixel.
Bitmap PixelsOf(const std::string& text) {
  std::vector<std::vector<Colorref>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::vector<Colorref> row;
    for (std::string word; words >> word;) {
      const Bytes rgb =
          ParseHex(word.substr(0, 2) + " " + word.substr(2, 2) + " " + word.substr(4));
      row.push_back(Rgb(rgb.at(0), rgb.at(1), rgb.at(2)));
    }
    if (!row.empty()) rows.push_back(row);
  }
  Bitmap picture(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, rows[y].at(x));
  }
  return picture;
}

IconTransparency TransparencyOf(const Fence& pixels) {
  const std::map<std::string, IconTransparency> choices = {
      {"white", IconTransparency::kWhite},
      {"top-left", IconTransparency::kTopLeft},
      {"bottom-right", IconTransparency::kBottomRight},
      {"opaque", IconTransparency::kOpaque}};
  return choices.at(pixels.Value("transparency"));
}

void CheckIconFile(const Example& example) {
  // The program writes icons and never reads them: the check is the encoding.
  ASSERT_TRUE(example.encoded.Has("encode"));
  const IconTransparency choice = TransparencyOf(example.decoded);
  ExpectSameBytes(EncodeIconFile(MakeIcon(PixelsOf(example.decoded.body), choice)),
                  ParseHex(example.encoded.body), "icon file");
}

// Lines "number depth caption", the caption possibly empty.
CategoryTree NodesOf(const std::string& text) {
  CategoryTree tree;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    size_t number = 0;
    CategoryNode node;
    words >> number >> node.depth;
    EXPECT_EQ(number, tree.size()) << line;
    std::getline(words >> std::ws, node.caption);
    tree.push_back(node);
  }
  return tree;
}

void CheckTreeFile(const Example& example) {
  const Bytes file = ParseHex(example.encoded.body);
  const std::string text(file.begin(), file.end());
  if (example.encoded.Has("refused")) {
    const std::string want(testing::Trimmed(example.decoded.body));
    try {
      ParseCategoryTree(text, "strom.trv");
      ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(want), std::string::npos) << e.what();
    }
    return;
  }
  const CategoryTree nodes = NodesOf(example.decoded.body);
  EXPECT_EQ(ParseCategoryTree(text, "strom.trv"), nodes);
  if (example.encoded.Has("encode")) {
    const std::string written = FormatCategoryTree(nodes);
    ExpectSameBytes(Bytes(written.begin(), written.end()), file, "written");
  }
}

void CheckAlphaIconFile(const Example& example) {
  ASSERT_TRUE(example.encoded.Has("encode"));
  std::vector<int> sides;
  std::istringstream list(example.decoded.Value("sides"));
  for (std::string side; std::getline(list, side, ',');) sides.push_back(std::stoi(side));
  const AlphaPicture picture =
      TransparentResult(PixelsOf(example.decoded.body), TransparencyOf(example.decoded));
  ExpectSameBytes(EncodeAlphaIconFile(picture, sides), ParseHex(example.encoded.body),
                  "icon file with alpha");
}

// Lines "number time", the time possibly empty.
void CheckGalleryInfo(const Example& example) {
  ASSERT_TRUE(example.encoded.Has("encode"));
  std::vector<GalleryInfoLine> lines;
  std::istringstream text(example.decoded.body);
  for (std::string line; std::getline(text, line);) {
    std::istringstream words(line);
    GalleryInfoLine entry;
    words >> entry.number;
    std::getline(words >> std::ws, entry.time);
    lines.push_back(entry);
  }
  const std::string written = FormatGalleryInfo(lines);
  ExpectSameBytes(Bytes(written.begin(), written.end()), ParseHex(example.encoded.body),
                  "info.txt");
}

const std::map<std::string, void (*)(const Example&)>& Checkers() {
  static const std::map<std::string, void (*)(const Example&)> checkers = {
      {"block-codec.md", CheckBlockCodec},
      {"gallery-picture.md", CheckGalleryPicture},
      {"pack-file.md", CheckPack},
      {"icon-file.md", CheckIconFile},
      {"alpha-icon-file.md", CheckAlphaIconFile},
      {"tree-file.md", CheckTreeFile},
      {"gallery-info.md", CheckGalleryInfo}};
  return checkers;
}

TEST(FormatsDoc, EveryPageIsChecked) {
  std::set<std::string> pages;
  for (const auto& entry : fs::directory_iterator(ZORNA_FORMATS_DOCS)) {
    if (entry.path().extension() == ".md") pages.insert(entry.path().filename().string());
  }
  std::set<std::string> checked;
  for (const auto& [page, check] : Checkers()) checked.insert(page);
  EXPECT_EQ(pages, checked);
}

TEST(FormatsDoc, ExamplesDecodeAndEncodeAsTheirPagesSay) {
  for (const auto& [page, check] : Checkers()) {
    for (const Example& example : ExamplesOf(page)) {
      SCOPED_TRACE(page + ", example " + example.name);
      check(example);
    }
  }
}

}  // namespace
}  // namespace zorna
