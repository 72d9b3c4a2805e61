#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/Assert.h"
#include "platform/User.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

constexpr const char* kAssertModule = "AssertTest";

const std::string kExpression = "(stickersUsed) != NULL && (stickersUsed)->IsValid()";
const std::string kMessage =
    "at line 190 in file StickersUsed: \"" + kExpression + "\": OK to continue.";

}  // namespace

class AssertTest : public testing::Test {
protected:
    void TearDown() override { machine.Reset(); }
    TempDirectory folder;
    LogCapture capture;
    HeadlessBackend& machine = HeadlessBackend::Instance();
};

TEST_F(AssertTest, OkShowsTheCheckAndCarriesOn) {
    machine.ScriptMessageBoxAnswers({IDOK});
    DoAssert(kExpression.c_str(), "StickersUsed", 190);

    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kMessage);
    EXPECT_EQ(boxes[0].caption, "ASSERTION FAILURE: Value tested to 0");
    EXPECT_EQ(boxes[0].type, 0x2011u);
    EXPECT_EQ(machine.BeepsSounded(), std::vector<UINT>{0});
    EXPECT_EQ(capture.Messages(),
              (std::vector<std::string>{"DoAssert:  " + kMessage, "IDOK DoAssert"}));
}

TEST_F(AssertTest, CancelClosesTheMainWindowAndStillReturns) {
    machine.ScriptMessageBoxAnswers({IDCANCEL});
    DoAssert(kExpression.c_str(), "StickersUsed", 190);
    EXPECT_EQ(capture.Messages(),
              (std::vector<std::string>{"DoAssert:  " + kMessage, "IDCANCEL DestroyWindow",
                                        "IDOK DoAssert"}));
}

TEST_F(AssertTest, CheckMacroPassesTheConditionTextModuleAndLine) {
    const int stickersLeft = 300;
    QASSERT(stickersLeft >= 0 && stickersLeft <= 224);
    const unsigned line = __LINE__ - 1;
    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "at line " + std::to_string(line) +
                                 " in file AssertTest: \"stickersLeft >= 0 && stickersLeft <= "
                                 "224\": OK to continue.");
    QASSERT(stickersLeft > 0);
    EXPECT_EQ(machine.MessageBoxesShown().size(), 1u) << "a passing check shows nothing";
}

TEST_F(AssertTest, LongConditionTextsAreShownWhole) {
    const std::string expression(3000, 'x');
    DoAssert(expression.c_str(), "Assert", 1);
    EXPECT_NE(machine.MessageBoxesShown().at(0).text.find(expression + "\": OK"),
              std::string::npos);
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
