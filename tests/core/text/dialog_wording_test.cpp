#include "text/dialog_wording.h"

#include <gtest/gtest.h>

namespace zorna {
namespace {

TEST(DialogWording, SlovakFromTheStart) {
  EXPECT_EQ(JazykDialogov, "SKY");
}

TEST(DialogWording, TitlesByLanguage) {
  EXPECT_EQ(DialogTitle(DialogKind::kOtazka, "SKY"), "Otázka");
  EXPECT_EQ(DialogTitle(DialogKind::kPozor, "CSY"), "Pozor!");
  EXPECT_EQ(DialogTitle(DialogKind::kSprava, "CSY"), "Správa");
  EXPECT_EQ(DialogTitle(DialogKind::kChyba, "ENG"), "Error");
  EXPECT_EQ(DialogTitle(DialogKind::kPozor, "sky"), "Warning");  // exact, with case
}

TEST(DialogWording, ButtonCaptionsByResultAndLanguage) {
  EXPECT_EQ(ButtonCaption(ModalResult::kYes, "SKY"), "Án&o");
  EXPECT_EQ(ButtonCaption(ModalResult::kNo, "SKY"), "&Nie");
  EXPECT_EQ(ButtonCaption(ModalResult::kYes, "CSY"), "An&o");
  EXPECT_EQ(ButtonCaption(ModalResult::kNo, "CSY"), "&Ne");
  EXPECT_EQ(ButtonCaption(ModalResult::kAbort, "CSY"), "&Přerušit");
  EXPECT_EQ(ButtonCaption(ModalResult::kNoToAll, "SKY"), "Ni&e všetkým");
  EXPECT_EQ(ButtonCaption(ModalResult::kNoToAll, ""), "No to a&ll");
  EXPECT_EQ(ButtonCaption(ModalResult::kYesToAll, "CSY"), "Ano &všem");
  EXPECT_EQ(ButtonCaption(ModalResult::kOk, "SKY"), std::nullopt);
  EXPECT_EQ(ButtonCaption(ModalResult::kNone, "ENG"), std::nullopt);
}

}  // namespace
}  // namespace zorna
