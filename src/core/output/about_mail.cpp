#include "output/about_mail.h"

namespace zorna {
namespace {

// Letters and digits of ASCII only, whatever the locale says of other bytes.
bool IsAsciiAlnum(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsUnreserved(char c) {
  return IsAsciiAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsEscapeAt(std::string_view text, size_t i) {
  return text[i] == '%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) &&
         IsHexDigit(text[i + 2]);
}

// Every byte outside the unreserved set percent-encoded; escapes already made stay.
std::string Encoded(std::string_view part) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (size_t i = 0; i < part.size(); ++i) {
    const auto byte = static_cast<unsigned char>(part[i]);
    if (IsUnreserved(part[i]) || IsEscapeAt(part, i)) {
      out += part[i];
    } else {
      out += {'%', kHex[byte >> 4], kHex[byte & 0x0F]};
    }
  }
  return out;
}

std::string EncodedRecipient(std::string_view to) {
  const size_t at = to.rfind('@');
  if (at == std::string_view::npos) return Encoded(to);
  return Encoded(to.substr(0, at)) + "@" + Encoded(to.substr(at + 1));
}

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

std::string MailAddress(std::string_view mail_text) {
  constexpr std::string_view kScheme = "mailto:";
  if (!mail_text.starts_with(kScheme)) return std::string(mail_text);
  mail_text.remove_prefix(kScheme.size());
  const size_t question = mail_text.find('?');
  std::string address = std::string(kScheme) + EncodedRecipient(mail_text.substr(0, question));
  if (question == std::string_view::npos) return address;
  std::string_view fields = mail_text.substr(question + 1);
  char separator = '?';
  while (true) {
    const size_t amp = fields.find('&');
    const std::string_view field = fields.substr(0, amp);
    const size_t equals = field.find('=');
    address += separator;
    address += Encoded(field.substr(0, equals));
    if (equals != std::string_view::npos) address += "=" + Encoded(field.substr(equals + 1));
    if (amp == std::string_view::npos) return address;
    fields.remove_prefix(amp + 1);
    separator = '&';
  }
}

size_t NotFoundTermsThatFit(const AuthorMail& author, const std::vector<std::string>& terms) {
  // Each byte is encoded by itself, so the address grows by each term's encoding.
  size_t length = MailAddress(NotFoundMailText(author, {""})).size();
  const size_t separator = Encoded(", ").size();
  size_t fit = 0;
  for (const std::string& term : terms) {
    length += Encoded(EscapeMailPart(term)).size() + (fit > 0 ? separator : 0);
    if (fit > 0 && length > kMailAddressLimit) break;
    ++fit;
  }
  return fit;
}

}  // namespace zorna
