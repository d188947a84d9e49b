#include "gallery/category_tree.h"

#include <algorithm>

#include "support/error.h"
#include "support/files.h"
#include "text/cp1250.h"

namespace zorna {
namespace {

// What a refused line belongs to, in both wordings: a file read, or the tree being written.
struct Shown {
  std::string english;
  std::string slovak;
};

Shown FileShown(const std::string& shown_name) {
  return {shown_name, "Súbor " + shown_name};
}

[[noreturn]] void RefuseLine(const Shown& shown, size_t line, const std::string& why,
                             const std::string& why_slovak) {
  throw Error(shown.english + ", line " + std::to_string(line) + ": " + why,
              shown.slovak + ", riadok " + std::to_string(line) + ": " + why_slovak);
}

std::string Levels(int count) {
  return std::to_string(count) + (count == 1 ? " level" : " levels");
}

std::string LevelsSlovak(int count) {
  const char* word = count == 1 ? " úroveň" : (count >= 2 && count <= 4 ? " úrovne" : " úrovní");
  return std::to_string(count) + word;
}

// The depth rules, shared by the reader and the writer; previous is -1 before the first line.
void CheckDepth(int depth, int previous, const Shown& shown_name, size_t line) {
  if (depth > previous + 1 && previous < 0) {
    RefuseLine(shown_name, line,
               "the first line is indented " + Levels(depth) + "; it must start at the left edge",
               "prvý riadok je odsadený o " + LevelsSlovak(depth) + "; musí začínať na okraji");
  }
  if (depth > previous + 1) {
    RefuseLine(shown_name, line,
               "it is " + Levels(depth - previous) +
                   " deeper than the line before it; a line may be at most one level deeper",
               "je o " + LevelsSlovak(depth - previous) +
                   " hlbšie ako riadok pred ním; riadok smie byť najviac o úroveň hlbšie");
  }
  if (depth > kTreeMaxDepth) {
    RefuseLine(shown_name, line,
               "it is " + Levels(depth) + " deep; a category tree has at most " +
                   std::to_string(kTreeMaxDepth),
               "má hĺbku " + LevelsSlovak(depth) + "; strom kategórií má najviac " +
                   std::to_string(kTreeMaxDepth));
  }
}

}  // namespace

CategoryTree ParseCategoryTree(std::string_view cp1250_text, const std::string& shown_name) {
  CategoryTree tree;
  int previous = -1;
  size_t line_number = 0;
  while (!cp1250_text.empty()) {
    const size_t end = cp1250_text.find_first_of("\r\n");
    std::string_view line = cp1250_text.substr(0, end);
    if (end == std::string_view::npos) {
      cp1250_text = {};
    } else {
      const bool crlf =
          cp1250_text[end] == '\r' && end + 1 < cp1250_text.size() && cp1250_text[end + 1] == '\n';
      cp1250_text.remove_prefix(end + (crlf ? 2 : 1));
    }
    ++line_number;
    if (line.find('\0') != std::string_view::npos) {
      RefuseLine(FileShown(shown_name), line_number,
                 "it holds a NUL byte; the tree file is not a text",
                 "obsahuje bajt NUL; súbor stromu nie je text");
    }
    const size_t indent = std::min(line.find_first_not_of("\t "), line.size());
    const int depth = static_cast<int>(indent);  // the file's limit keeps it within int
    CheckDepth(depth, previous, FileShown(shown_name), line_number);
    tree.push_back({depth, Cp1250ToUtf8(line.substr(indent))});
    previous = depth;
  }
  return tree;
}

std::string ReadCategoryTreeText(const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = ReadFileStart(path, kTreeFileLimit + 1);
  if (bytes.size() > kTreeFileLimit) {
    const std::string mebibytes = std::to_string(kTreeFileLimit >> 20);
    throw Error(
        path.string() + " has more than " + mebibytes + " MiB; it is not a category tree",
        "Súbor " + path.string() + " má viac ako " + mebibytes + " MiB; nie je to strom kategórií");
  }
  return std::string(bytes.begin(), bytes.end());
}

CategoryTree ReadCategoryTree(const std::filesystem::path& path) {
  return ParseCategoryTree(ReadCategoryTreeText(path), path.string());
}

std::string FormatCategoryTree(const CategoryTree& tree) {
  std::string text;
  int previous = -1;
  for (size_t i = 0; i < tree.size(); ++i) {
    const CategoryNode& node = tree[i];
    const Shown shown{"The category tree", "Strom kategórií"};
    if (node.depth < 0) RefuseLine(shown, i + 1, "its depth is negative", "jeho hĺbka je záporná");
    CheckDepth(node.depth, previous, shown, i + 1);
    const std::string caption = Utf8ToCp1250(node.caption);
    // Leading white space would read back as depth, a line break as another node.
    if (Cp1250ToUtf8(caption) != node.caption || caption.find_first_of("\r\n", 0) != caption.npos ||
        caption.find('\0') != caption.npos ||
        (!caption.empty() && (caption.front() == '\t' || caption.front() == ' '))) {
      RefuseLine(shown, i + 1, "the caption \"" + node.caption + "\" cannot be stored as it is",
                 "názov „" + node.caption + "“ sa nedá uložiť tak, ako je");
    }
    text.append(static_cast<size_t>(node.depth), '\t');
    text += caption;
    text += "\r\n";
    previous = node.depth;
  }
  return text;
}

std::vector<int> ParentIndices(const CategoryTree& tree) {
  std::vector<int> parents(tree.size(), -1);
  std::vector<int> open;  // the last node seen at each depth
  for (size_t i = 0; i < tree.size(); ++i) {
    const auto depth = static_cast<size_t>(std::max(tree[i].depth, 0));
    open.resize(std::min(depth, open.size()));
    parents[i] = open.empty() ? -1 : open.back();
    open.push_back(static_cast<int>(i));
  }
  return parents;
}

}  // namespace zorna
