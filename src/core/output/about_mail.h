#pragma once
#include <string>
#include <string_view>
#include <vector>

// The two mails of the about box, as the "mailto:" texts handed to the mail program. The subject
// names the version and the edition tag.
namespace zorna {

struct AuthorMail {
  std::string_view address;  // the author's e-mail address
  std::string_view version;  // the program's version, "0.1.0"
  std::string_view edition;  // the edition tag of the subjects
};

// The mail to the author, with the search texts that found nothing in the gallery in its body
// when there are any ("... Heslá: PRVÉ, DRUHÉ."); without them the mail has a subject only.
std::string NotFoundMailText(const AuthorMail& author, const std::vector<std::string>& terms);

// The mail asking to be told about new versions at the typed address.
std::string NewVersionsMailText(const AuthorMail& author, std::string_view typed_address);

// A typed text made safe inside a "mailto:" text: "%", "&" and "#" would start an escape, a new
// header or the address's fragment and so cut or change the mail; they become "%25", "%26" and
// "%23". Everything else stays as typed.
std::string EscapeMailPart(std::string_view typed);

}  // namespace zorna
