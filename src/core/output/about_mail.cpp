#include "output/about_mail.h"

namespace zorna {
namespace {

std::string Subject(const AuthorMail& author, std::string_view title) {
  return "mailto:" + std::string(author.address) + "?subject=" + std::string(title);
}

std::string VersionAndEdition(const AuthorMail& author) {
  return std::string(author.version) + " (" + std::string(author.edition) + ")";
}

}  // namespace

std::string EscapeMailPart(std::string_view typed) {
  std::string out;
  out.reserve(typed.size());
  for (const char c : typed) {
    if (c == '%') {
      out += "%25";
    } else if (c == '&') {
      out += "%26";
    } else if (c == '#') {
      out += "%23";
    } else {
      out += c;
    }
  }
  return out;
}

std::string NotFoundMailText(const AuthorMail& author, const std::vector<std::string>& terms) {
  std::string text = Subject(author, "Aplikácia Zorna v. ") + VersionAndEdition(author);
  if (terms.empty()) return text;
  text +=
      "&body=Mimo iné Vás chcem upozorniť, že som pod dolu napísanými heslami nenašiel žiadne "
      "obrázky v galérii obrázkov. Heslá: ";
  for (size_t i = 0; i < terms.size(); ++i) {
    if (i > 0) text += ", ";
    text += EscapeMailPart(terms[i]);
  }
  return text + ".";
}

std::string NewVersionsMailText(const AuthorMail& author, std::string_view typed_address) {
  return Subject(author, "Aplikácia Zorna") + "&body=Mám program Zorna, verziu " +
         VersionAndEdition(author) +
         " a chcel by som dostaváť informácie o nových verziách tohoto programu na email " +
         EscapeMailPart(typed_address);
}

}  // namespace zorna
