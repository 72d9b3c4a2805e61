#pragma once
// The grown-ups' question: a sum ("3 + 4 = ?") in a picture dialog with three big
// answers, one of them right, the sum and the places picked afresh each time. A young
// child who cannot add yet gets past it only by chance, and a wrong answer (or Escape)
// just closes it. The arrow keys or Tab choose an answer and Enter gives it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/PictureDialogRun.h"
#include "platform/user/UserTypes.h"

class GrownUpQuestion {
public:
    static constexpr int32_t kAnswers = 3;
    // Where the answers lie in the 360 x 360 dialog, in pixels.
    static constexpr std::array<RECT, kAnswers> kAnswerPlaces = {
        {{28, 230, 124, 310}, {132, 230, 228, 310}, {236, 230, 332, 310}}};

    // `pick(n)` answers a number from 0 to n - 1; the sum, the wrong answers and the
    // place of the right one come from it.
    using Picker = std::function<int32_t(int32_t)>;
    explicit GrownUpQuestion(const Picker& pick);
    // A question from the numbers in use: random, unless UseNumbers chose others.
    GrownUpQuestion();
    // Where the questions asked from now on take their numbers; null: at random again.
    // A scripted run of the album uses it to know the right answer beforehand.
    static void UseNumbers(Picker pick);

    // Runs the question over `parent`; true only for the right answer.
    bool Ask(HWND parent);

    // The question on show now, or null.
    static const GrownUpQuestion* OnShow() { return PictureDialogRun<GrownUpQuestion>::Running(); }
    // "3 + 4 = ?"
    std::string SumText() const;
    int32_t AnswerAt(int32_t place) const { return m_answers[static_cast<size_t>(place)]; }
    int32_t RightPlace() const { return m_rightPlace; }

private:
    friend class PictureDialogRun<GrownUpQuestion>;

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void DrawAnswer(const DRAWITEMSTRUCT& item) const;
    void MoveChoice(HWND dialog, int32_t step);

    int32_t m_first = 0;
    int32_t m_second = 0;
    std::array<int32_t, kAnswers> m_answers{};
    int32_t m_rightPlace = 0;
    // The answer the keys have chosen, or -1 before any key.
    int32_t m_choice = -1;

    static Picker ms_Numbers;
};
