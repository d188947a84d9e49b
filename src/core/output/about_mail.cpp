#include "output/about_mail.h"

namespace zorna {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

std::string Subject(const AuthorMail& author, std::string_view title) {
  return "mailto:" + EscapeMailAddress(author.address) + "?subject=" + EscapeMailPart(title);
}

std::string VersionAndEdition(const AuthorMail& author) {
  return std::string(author.version) + " (" + std::string(author.edition) + ")";
}

}  // namespace

std::string EscapeMailPart(std::string_view typed) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(typed.size());
  for (const char c : typed) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

std::string EscapeMailAddress(std::string_view address) {
  const size_t at = address.rfind('@');
  if (at == std::string_view::npos) return EscapeMailPart(address);
  return EscapeMailPart(address.substr(0, at)) + "@" + EscapeMailPart(address.substr(at + 1));
}

std::string NotFoundMailText(const AuthorMail& author, const std::vector<std::string>& terms) {
  std::string text = Subject(author, "Aplikácia Zorna v. " + VersionAndEdition(author));
  if (terms.empty()) return text;
  std::string body =
      "Mimo iné Vás chcem upozorniť, že som pod dolu napísanými heslami nenašiel žiadne "
      "obrázky v galérii obrázkov. Heslá: ";
  for (size_t i = 0; i < terms.size(); ++i) {
    if (i > 0) body += ", ";
    body += terms[i];
  }
  return text + "&body=" + EscapeMailPart(body + ".");
}

std::string NewVersionsMailText(const AuthorMail& author, std::string_view typed_address) {
  return Subject(author, "Aplikácia Zorna") + "&body=" +
         EscapeMailPart("Mám program Zorna, verziu " + VersionAndEdition(author) +
                        " a chcel by som dostaváť informácie o nových verziách tohoto programu "
                        "na email " +
                        std::string(typed_address));
}

}  // namespace zorna
