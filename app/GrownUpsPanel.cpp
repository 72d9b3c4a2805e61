#include "app/GrownUpsPanel.h"

#include <algorithm>
#include <utility>

#include "album/SettingsHolder.h"
#include "app/BitmapDialogs.h"
#include "app/PictureDialogParts.h"
#include "app/PictureDialogRun.h"
#include "platform/kernel/KernelBackend.h"
#include "platform/user/Dialog.h"
#include "platform/user/User.h"

namespace {

constexpr const char* kBackground = "GrownUpsPanelBkg";
constexpr int kFirstRowId = 101;
constexpr LONG kRowLeft = 24;
constexpr LONG kRowTop = 84;
constexpr LONG kRowWidth = 592;
constexpr LONG kRowHeight = 48;
constexpr LONG kRowStride = 62;
constexpr RECT kClosePlace{256, 606, 384, 656};
// The band between the last row and Close, where the panel tells how safe the saves are.
constexpr RECT kStorageNoticeBox{kRowLeft, 566, kRowLeft + kRowWidth, 606};

using Row = GrownUpsPanel::Row;

int RowId(Row row) {
    return row == Row::Close ? IDCANCEL : kFirstRowId + static_cast<int>(row);
}

std::optional<Row> RowOfId(int id) {
    if (id == IDCANCEL) return Row::Close;
    const int index = id - kFirstRowId;
    if (index < 0 || index >= static_cast<int>(Row::Close)) return std::nullopt;
    return static_cast<Row>(index);
}

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

const char* YesNo(bool yes) {
    return yes ? "yes" : "no";
}

// The next step above `volume`, and the first after the last.
int32_t NextVolume(int32_t volume) {
    const auto* next = std::upper_bound(GrownUpsPanel::kVolumeSteps.begin(),
                                        GrownUpsPanel::kVolumeSteps.end(), volume);
    return next != GrownUpsPanel::kVolumeSteps.end() ? *next : GrownUpsPanel::kVolumeSteps.front();
}

}  // namespace

RECT GrownUpsPanel::PlaceOf(Row row) {
    if (row == Row::Close) return kClosePlace;
    const LONG top = kRowTop + kRowStride * static_cast<LONG>(row);
    return RECT{kRowLeft, top, kRowLeft + kRowWidth, top + kRowHeight};
}

GrownUpsPanel::GrownUpsPanel(SettingsHolder& settings, std::function<void()> bringBack)
    : m_settings(settings),
      m_bringBack(std::move(bringBack)),
      m_copy(ClearedBook::OfAlbum().Kept()) {}

std::string GrownUpsPanel::LabelOf(Row row) const {
    const GrownUpSettings settings = m_settings.Current();
    switch (row) {
        case Row::Music:
            return std::string("Music: ") + OnOff(settings.musicOn);
        case Row::MusicVolume:
            return "Music volume: " + std::to_string(settings.musicVolume) + "%";
        case Row::Effects:
            return std::string("Sound effects: ") + OnOff(settings.effectsOn);
        case Row::EffectsVolume:
            return "Sound effects volume: " + std::to_string(settings.effectsVolume) + "%";
        case Row::ClearAllLock:
            return std::string("Clear All asks a grown-up: ") + YesNo(settings.clearAllAsksGrownUp);
        case Row::QuitLock:
            return std::string("Quit asks a grown-up: ") + YesNo(settings.quitAsksGrownUp);
        case Row::Screen:
            return settings.fullScreen ? "Screen: full screen" : "Screen: window";
        case Row::BringBack:
            if (!m_copy) return {};
            return std::string("Bring back the book ") +
                   (m_copy->reason == ClearedBook::Reason::Replaced ? "replaced" : "cleared") +
                   " on " + m_copy->date;
        case Row::Close:
            break;
    }
    return {};
}

const char* GrownUpsPanel::StorageNotice() {
    return KernelBackendSlot::Current().SavesMayBeCleared() ? kStorageNoticeText : "";
}

INT_PTR GrownUpsPanel::DrawBackground(HDC dc) {
    const int drawn = DrawBitmapResource(dc, kBackground, 0, 0);
    DrawLettering(dc, kStorageNoticeBox, StorageNotice(), LetterSize::Text, kLetteringInk);
    return static_cast<INT_PTR>(drawn);
}

void GrownUpsPanel::Run(HWND parent) {
    DialogLayout layout{WS_POPUP, 0, 0, 320, 340, {}};
    for (int32_t index = 0; index < kRows; ++index) {
        const auto row = static_cast<Row>(index);
        if (!Shows(row)) continue;
        layout.items.push_back(PictureButtonItem(RowId(row), PlaceOf(row)));
    }
    PictureDialogRun<GrownUpsPanel>::Run(*this, layout, parent);
}

INT_PTR GrownUpsPanel::Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            CentreWithKeys(dialog);
            return FALSE;
        case WM_ERASEBKGND:
            return DrawBackground(reinterpret_cast<HDC>(wParam));
        case WM_DRAWITEM:
            if (lParam != 0) DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_KEYDOWN:
            if (wParam == VK_UP) MoveChoice(dialog, -1);
            if (wParam == VK_DOWN || wParam == VK_TAB) MoveChoice(dialog, 1);
            if (wParam == VK_SPACE && m_choice >= 0) Press(dialog, static_cast<Row>(m_choice));
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                if (m_choice >= 0) Press(dialog, static_cast<Row>(m_choice));
                return TRUE;
            }
            if (const std::optional<Row> row = RowOfId(id)) Press(dialog, *row);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void GrownUpsPanel::Press(HWND dialog, Row row) {
    GrownUpSettings settings = m_settings.Current();
    switch (row) {
        case Row::Music:
            settings.musicOn = !settings.musicOn;
            break;
        case Row::MusicVolume:
            settings.musicVolume = NextVolume(settings.musicVolume);
            break;
        case Row::Effects:
            settings.effectsOn = !settings.effectsOn;
            break;
        case Row::EffectsVolume:
            settings.effectsVolume = NextVolume(settings.effectsVolume);
            break;
        case Row::ClearAllLock:
            settings.clearAllAsksGrownUp = !settings.clearAllAsksGrownUp;
            break;
        case Row::QuitLock:
            settings.quitAsksGrownUp = !settings.quitAsksGrownUp;
            break;
        case Row::Screen:
            settings.fullScreen = !settings.fullScreen;
            break;
        case Row::BringBack:
            if (m_bringBack) m_bringBack();
            m_copy = ClearedBook::OfAlbum().Kept();
            break;
        case Row::Close:
            EndDialog(dialog, IDCANCEL);
            return;
    }
    if (settings != m_settings.Current()) m_settings.Change(settings);
    InvalidateRect(GetDlgItem(dialog, RowId(row)), nullptr, FALSE);
    // A click gives the row the focus; the panel takes the keys back.
    SetFocus(dialog);
}

void GrownUpsPanel::MoveChoice(HWND dialog, int32_t step) {
    const int32_t previous = m_choice;
    int32_t choice = m_choice < 0 ? (step > 0 ? kRows - 1 : 0) : m_choice;
    do {
        choice = (choice + step + kRows) % kRows;
    } while (!Shows(static_cast<Row>(choice)));
    m_choice = choice;
    for (const int32_t row : {previous, m_choice}) {
        if (row >= 0)
            InvalidateRect(GetDlgItem(dialog, RowId(static_cast<Row>(row))), nullptr, FALSE);
    }
}

void GrownUpsPanel::DrawRow(const DRAWITEMSTRUCT& item) const {
    const std::optional<Row> row = RowOfId(static_cast<int>(item.CtlID));
    if (!row) return;
    const bool close = *row == Row::Close;
    DrawBitmapButton(&item, close ? "OKButtonDown" : "PanelRowButtonDown",
                     close ? "OKButtonUp" : "PanelRowButtonUp");
    if (!close) {
        DrawLettering(item.hDC, ButtonFace(item), LabelOf(*row), LetterSize::Text, kLetteringInk);
    }
    if (static_cast<int32_t>(*row) == m_choice)
        DrawChoiceFrame(item.hDC, item.rcItem, 4, kLetteringRed);
}
