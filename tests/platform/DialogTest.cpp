#include "tests/platform/WindowFixture.h"

using DialogTest = WindowFixture;

TEST_F(DialogTest, ScriptedMessageBoxAnswersComeInTurnThenTheDefaultButton) {
    machine.ScriptMessageBoxAnswers({IDCANCEL, IDOK});
    EXPECT_EQ(MessageBoxA(nullptr, "first", "Caption", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "second", "Caption", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "third", "Caption", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "fourth", "Caption", MB_YESNO), IDYES);
    const auto shown = machine.MessageBoxesShown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "first");
    EXPECT_EQ(shown[0].caption, "Caption");
    EXPECT_EQ(shown[3].type, MB_YESNO);
}
