#include <string>
#include <vector>

#include "diag/Assert.h"
#include "tests/platform/user/WindowFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

constexpr const char* kAssertModule = "AssertTest";  // the module QASSERT names

class AssertTest : public WindowFixture {
protected:
    TempDirectory folder;
    LogCapture capture;
};

TEST_F(AssertTest, TheBoxShowsTheCheckAndCancelAlsoClosesTheMainWindow) {
    const std::string expression = "(stickersUsed) != NULL && (stickersUsed)->IsValid()";
    const std::string message =
        "at line 190 in file StickersUsed: \"" + expression + "\": OK to continue.";
    for (const int answer : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(answer == IDOK ? "OK" : "Cancel");
        capture.Clear();
        machine.Reset();
        machine.ScriptMessageBoxAnswers({answer});
        DoAssert(expression.c_str(), "StickersUsed", 190);
        const auto boxes = machine.MessageBoxesShown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, message);
        EXPECT_EQ(boxes[0].caption, "ASSERTION FAILURE: Value tested to 0");
        EXPECT_EQ(boxes[0].type, 0x2011u);
        EXPECT_EQ(machine.BeepsSounded(), std::vector<UINT>{0});
        std::vector<std::string> logged = {"DoAssert:  " + message, "IDOK DoAssert"};
        if (answer == IDCANCEL) logged.insert(logged.begin() + 1, "IDCANCEL DestroyWindow");
        EXPECT_EQ(capture.Messages(), logged);
    }
}

// A long condition is shown whole.
TEST_F(AssertTest, CheckMacroPassesTheConditionTextModuleAndLine) {
    const int stickersLeft = 300;
    QASSERT(stickersLeft >= 0 && stickersLeft <= 224);
    const unsigned line = __LINE__ - 1;
    QASSERT(stickersLeft > 0);
    const std::string expression(3000, 'x');
    DoAssert(expression.c_str(), "Assert", 1);
    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 2u) << "a passing check shows nothing";
    EXPECT_EQ(boxes[0].text, "at line " + std::to_string(line) +
                                 " in file AssertTest: \"stickersLeft >= 0 && stickersLeft <= "
                                 "224\": OK to continue.");
    EXPECT_NE(boxes[1].text.find(expression + "\": OK"), std::string::npos);
}

using AssertDeathTest = AssertTest;

TEST_F(AssertDeathTest, ZeroInTheFatalFormEndsTheProgramWithCodeOneWhateverTheAnswer) {
    int value = 0;
    AssertNonZero(&value);
    EXPECT_EQ(machine.MessageBoxesShown().size(), 0u);
    for (int answer : {IDOK, IDCANCEL}) {
        EXPECT_EXIT(
            {
                machine.ScriptMessageBoxAnswers({answer});
                AssertNonZero(nullptr);
            },
            testing::ExitedWithCode(1), "");
    }
}
