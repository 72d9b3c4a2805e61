#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/GrownUpQuestion.h"

// Whatever the numbers come out as, the sum is of two numbers from 2 to 9, exactly one
// of the three answers is its result, at the place the question names, and the wrong
// ones differ from each other.
TEST(GrownUpQuestionTest, ExactlyOneOfThreeDifferentAnswersIsTheSum) {
    const struct {
        const char* numbers;
        GrownUpQuestion::Picker pick;
    } pickers[] = {
        {"all the first", [](int32_t) { return 0; }},
        {"all the last", [](int32_t count) { return count - 1; }},
        {"the middle", [](int32_t count) { return count / 2; }},
    };
    for (const auto& [numbers, pick] : pickers) {
        SCOPED_TRACE(numbers);
        const GrownUpQuestion question(pick);
        const std::string sum = question.SumText();
        const int32_t first = std::stoi(sum);
        const int32_t second = std::stoi(sum.substr(sum.find('+') + 1));
        EXPECT_EQ(sum, std::to_string(first) + " + " + std::to_string(second) + " = ?");
        EXPECT_TRUE(first >= 2 && first <= 9 && second >= 2 && second <= 9);
        std::set<int32_t> answers;
        for (int32_t place = 0; place < GrownUpQuestion::kAnswers; ++place) {
            answers.insert(question.AnswerAt(place));
            EXPECT_EQ(question.AnswerAt(place) == first + second, place == question.RightPlace());
        }
        EXPECT_EQ(answers.size(), 3u);
    }
}
