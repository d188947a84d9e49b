#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The two mails of the about box, as "mailto:" texts written as people read them, and the
// address they become for the mail program. The subject names the version and the edition tag.
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

// A "mailto:" text made the address handed to the desktop: in the recipient (around its last
// "@") and in every value of the fields after "?" (split at "&" and the first "="), every byte
// outside the unreserved set of web addresses (ASCII letters and digits, "-", ".", "_", "~")
// becomes "%" and two upper-case hex digits; an escape already there ("%26") is kept as it is.
// A quote, an apostrophe or a blank typed in a mail so never reaches the desktop's command line.
std::string MailAddress(std::string_view mail_text);

// The longest address handed to the desktop: mail programs, and the command line that starts one
// (an argument holds at most 128 KiB on Linux), refuse longer ones.
inline constexpr size_t kMailAddressLimit = 32 * 1024;
// How many of the terms, from the first, the not-found mail carries within kMailAddressLimit
// once it is made an address; at least one, so that a long list goes out in several mails.
size_t NotFoundTermsThatFit(const AuthorMail& author, const std::vector<std::string>& terms);

}  // namespace zorna
