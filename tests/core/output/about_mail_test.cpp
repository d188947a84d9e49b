#include "output/about_mail.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorna
