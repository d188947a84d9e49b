#include "output/about_mail.h"

#include <gtest/gtest.h>

#include "text/web_address.h"

namespace zorna {
namespace {

constexpr AuthorMail kAuthor{"autor@zorna.example.org", "6", "Linux"};

TEST(AboutMail, NotFoundMailListsTheTermsInItsBody) {
  EXPECT_EQ(NotFoundMailText(kAuthor, {}),
            "mailto:autor@zorna.example.org?subject=Aplikácia Zorna v. 6 (Linux)");
  const std::string text = NotFoundMailText(kAuthor, {"KVETINÁČ", "ŽIRAFA"});
  EXPECT_EQ(text,
            "mailto:autor@zorna.example.org?subject=Aplikácia Zorna v. 6 (Linux)&body=Mimo iné "
            "Vás chcem upozorniť, že som pod dolu napísanými heslami nenašiel žiadne obrázky v "
            "galérii obrázkov. Heslá: KVETINÁČ, ŽIRAFA.");
}

TEST(AboutMail, NewVersionsMailNamesTheTypedAddress) {
  EXPECT_EQ(NewVersionsMailText(kAuthor, "jana@posta.sk"),
            "mailto:autor@zorna.example.org?subject=Aplikácia Zorna&body=Mám program Zorna, "
            "verziu 6 (Linux) a chcel by som dostaváť informácie o nových verziách tohoto "
            "programu na email jana@posta.sk");
}

TEST(AboutMail, TypedTextsCannotCutOrChangeTheMail) {
  const std::string text = NotFoundMailText(kAuthor, {"R&B", "C#", "100%ab"});
  EXPECT_TRUE(text.ends_with("Heslá: R%26B, C%23, 100%25ab."));
  EXPECT_TRUE(NewVersionsMailText(kAuthor, "a&b#c%d@e.sk").ends_with("email a%26b%23c%25d@e.sk"));
}

// Whatever a term or an address holds, the mail is an address the desktop is handed.
TEST(AboutMail, TheAddressEncodesEveryCharacterOutsideTheUnreservedSet) {
  for (const auto& [text, address] :
       {std::pair{"mailto:a@b.sk?subject=Zorna v. 6 (X)&body=Heslá: ROCK'N'ROLL, R%26B %231.",
                  "mailto:a@b.sk?subject=Zorna%20v.%206%20%28X%29&body=Hesl%C3%A1%3A%20ROCK%27N"
                  "%27ROLL%2C%20R%26B%20%231."},
        {"mailto:o'brien@posta.sk?subject=a+b=c?d/e\"`\\\t%",
         "mailto:o%27brien@posta.sk?subject=a%2Bb%3Dc%3Fd%2Fe%22%60%5C%09%25"},
        {"mailto:Az-09._~@b", "mailto:Az-09._~@b"}}) {
    EXPECT_EQ(MailAddress(text), address);
    EXPECT_TRUE(IsOpenableAddress(MailAddress(text))) << text;
  }
  EXPECT_TRUE(IsOpenableAddress(MailAddress(NewVersionsMailText(kAuthor, "o'brien@posta.sk"))));
}

}  // namespace
}  // namespace zorna
