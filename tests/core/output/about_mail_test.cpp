#include "output/about_mail.h"

#include <gtest/gtest.h>

#include "support/web_address.h"

namespace zorna {
namespace {

constexpr AuthorMail kAuthor{"autor@zorna.example.org", "6", "Linux"};
const std::string kSubject =
    "mailto:autor@zorna.example.org?subject=" + EscapeMailPart("Aplikácia Zorna v. 6 (Linux)");

TEST(AboutMail, NotFoundMailListsTheTermsInItsBody) {
  EXPECT_EQ(NotFoundMailText(kAuthor, {}), kSubject);
  const std::string text = NotFoundMailText(kAuthor, {"KVETINÁČ", "ŽIRAFA"});
  EXPECT_EQ(text, kSubject + "&body=" +
                      EscapeMailPart("Mimo iné Vás chcem upozorniť, že som pod dolu napísanými "
                                     "heslami nenašiel žiadne obrázky v galérii obrázkov. Heslá: "
                                     "KVETINÁČ, ŽIRAFA."));
}

TEST(AboutMail, NewVersionsMailNamesTheTypedAddress) {
  EXPECT_EQ(NewVersionsMailText(kAuthor, "jana@posta.sk"),
            "mailto:autor@zorna.example.org?subject=Aplik%C3%A1cia%20Zorna&body=" +
                EscapeMailPart("Mám program Zorna, verziu 6 (Linux) a chcel by som dostaváť "
                               "informácie o nových verziách tohoto programu na email "
                               "jana@posta.sk"));
}

// Whatever a term or an address holds, the mail is an address the desktop is handed.
TEST(AboutMail, EveryCharacterOutsideTheUnreservedSetIsEncoded) {
  for (const auto& [typed, escaped] : {std::pair{"ROCK'N'ROLL", "ROCK%27N%27ROLL"},
                                       {"o'brien@posta.sk", "o%27brien%40posta.sk"},
                                       {"R&B #1 100%", "R%26B%20%231%20100%25"},
                                       {"a+b=c?d/e\"`\\\t", "a%2Bb%3Dc%3Fd%2Fe%22%60%5C%09"},
                                       {"čaj Az-09._~", "%C4%8Daj%20Az-09._~"}}) {
    EXPECT_EQ(EscapeMailPart(typed), escaped);
    EXPECT_TRUE(NotFoundMailText(kAuthor, {typed}).ends_with(std::string(escaped) + "."));
    const std::string mail = NewVersionsMailText({"o'brien@posta.sk", "6", typed}, typed);
    EXPECT_TRUE(IsOpenableAddress(mail) && mail.starts_with("mailto:o%27brien@posta.sk?")) << mail;
  }
}

}  // namespace
}  // namespace zorna
