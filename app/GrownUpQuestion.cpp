#include "app/GrownUpQuestion.h"

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "app/BitmapDialogs.h"
#include "app/PictureDialogParts.h"
#include "app/PictureDialogRun.h"
#include "platform/user/Dialog.h"
#include "platform/user/User.h"

namespace {

constexpr const char* kBackground = "GrownUpQuestionBkg";
constexpr int kFirstAnswerId = 101;
// The sum's numbers run from 2 to 9; a wrong answer lies at most 3 from the right one.
constexpr int32_t kSmallest = 2;
constexpr int32_t kNumbers = 8;
constexpr int32_t kFurthestMiss = 3;
constexpr RECT kSumBox{40, 90, 320, 190};

int32_t RandomBelow(int32_t count) {
    static std::mt19937 numbers{std::random_device{}()};
    return std::uniform_int_distribution<int32_t>(0, count - 1)(numbers);
}

DialogLayout QuestionLayout() {
    DialogLayout layout{WS_POPUP, 0, 0, 180, 180, {}};
    for (int32_t place = 0; place < GrownUpQuestion::kAnswers; ++place) {
        layout.items.push_back(PictureButtonItem(
            kFirstAnswerId + place, GrownUpQuestion::kAnswerPlaces[static_cast<size_t>(place)]));
    }
    return layout;
}

}  // namespace

GrownUpQuestion::Picker GrownUpQuestion::ms_Numbers = RandomBelow;

GrownUpQuestion::GrownUpQuestion() : GrownUpQuestion(ms_Numbers) {}

void GrownUpQuestion::UseNumbers(Picker pick) {
    ms_Numbers = pick ? std::move(pick) : Picker(RandomBelow);
}

GrownUpQuestion::GrownUpQuestion(const Picker& pick)
    : m_first(kSmallest + pick(kNumbers)), m_second(kSmallest + pick(kNumbers)) {
    const int32_t right = m_first + m_second;
    m_rightPlace = pick(kAnswers);
    // The wrong answers: different from the right one and from each other.
    std::vector<int32_t> misses;
    for (int32_t miss = -kFurthestMiss; miss <= kFurthestMiss; ++miss)
        if (miss != 0) misses.push_back(right + miss);
    for (int32_t place = 0; place < kAnswers; ++place) {
        if (place == m_rightPlace) {
            m_answers[static_cast<size_t>(place)] = right;
            continue;
        }
        const auto taken = misses.begin() + pick(static_cast<int32_t>(misses.size()));
        m_answers[static_cast<size_t>(place)] = *taken;
        misses.erase(taken);
    }
}

std::string GrownUpQuestion::SumText() const {
    return std::to_string(m_first) + " + " + std::to_string(m_second) + " = ?";
}

bool GrownUpQuestion::Ask(HWND parent) {
    const INT_PTR answer = PictureDialogRun<GrownUpQuestion>::Run(*this, QuestionLayout(), parent);
    return answer == kFirstAnswerId + m_rightPlace;
}

INT_PTR GrownUpQuestion::Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            CentreWithKeys(dialog);
            return FALSE;
        case WM_ERASEBKGND: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            DrawBitmapResource(dc, kBackground, 0, 0);
            DrawLettering(dc, kSumBox, SumText(), LetterSize::Title, kLetteringInk);
            return TRUE;
        }
        case WM_DRAWITEM:
            if (lParam != 0) DrawAnswer(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_KEYDOWN:
            if (wParam == VK_LEFT) MoveChoice(dialog, kAnswers - 1);
            if (wParam == VK_RIGHT || wParam == VK_TAB) MoveChoice(dialog, 1);
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK && m_choice < 0) return TRUE;
            EndDialog(dialog, id == IDOK ? kFirstAnswerId + m_choice : id);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void GrownUpQuestion::MoveChoice(HWND dialog, int32_t step) {
    m_choice = m_choice < 0 ? 0 : (m_choice + step) % kAnswers;
    for (int32_t place = 0; place < kAnswers; ++place)
        InvalidateRect(GetDlgItem(dialog, kFirstAnswerId + place), nullptr, FALSE);
}

void GrownUpQuestion::DrawAnswer(const DRAWITEMSTRUCT& item) const {
    const int32_t place = static_cast<int32_t>(item.CtlID) - kFirstAnswerId;
    if (place < 0 || place >= kAnswers) return;
    DrawBitmapButton(&item, "AnswerButtonDown", "AnswerButtonUp");
    DrawLettering(item.hDC, ButtonFace(item), std::to_string(AnswerAt(place)), LetterSize::Title,
                  kLetteringInk);
    if (place == m_choice) DrawChoiceFrame(item.hDC, item.rcItem, 4, kLetteringRed);
}
