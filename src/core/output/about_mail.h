#pragma once
#include <string>
#include <string_view>
#include <vector>

// The two mails of the about box, as the "mailto:" addresses handed to the mail program. The
// subject names the version and the edition tag. Every character of the address, the subject and
// the body outside the unreserved set of web addresses is percent-encoded (UTF-8 bytes), so that
// a typed apostrophe, blank or "&" reaches the mail as typed and the desktop accepts the address.
namespace zorna {

struct AuthorMail {
  std::string_view address;  // the author's e-mail address
  std::string_view version;  // "6"
  std::string_view edition;  // the edition tag of the subjects
};

// The mail to the author, with the search texts that found nothing in the gallery in its body
// when there are any ("... Heslá: PRVÉ, DRUHÉ."); without them the mail has a subject only.
std::string NotFoundMailText(const AuthorMail& author, const std::vector<std::string>& terms);

// The mail asking to be told about new versions at the typed address.
std::string NewVersionsMailText(const AuthorMail& author, std::string_view typed_address);

// A text made safe inside a "mailto:" address: every byte but the ASCII letters and digits and
// "-", ".", "_", "~" becomes "%" and two upper-case hex digits.
std::string EscapeMailPart(std::string_view typed);
// An e-mail address so encoded on both sides of its last "@", which stays.
std::string EscapeMailAddress(std::string_view address);

}  // namespace zorna
