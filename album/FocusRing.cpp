#include "album/FocusRing.h"

#include "album/StickerSelection.h"
#include "album/StickersUsed.h"
#include "catalogue/StickerNumbering.h"

namespace {

// The ring's stops are the commands of the sheet buttons and then of the sticker slots,
// which follow one another.
constexpr int32_t kFirstStop = IDM_SHEET1;
constexpr int32_t kStops = IDM_STICKER28 - IDM_SHEET1 + 1;

}  // namespace

bool FocusRing::Passes(int32_t command) const {
    return StickerSelection::IsStickerCommand(command) &&
           m_stickersUsed.GetStickerUsed(
               StickerIndexFromCommands(m_selection.GetCurrentSheet(), command)) == SU_USED;
}

void FocusRing::Move(bool forward) {
    if (!IsShown()) {
        m_ringed = m_selection.GetCurrentSheet();
        return;
    }
    const int32_t step = forward ? 1 : kStops - 1;
    int32_t stop = m_ringed - kFirstStop;
    // The sheets never pass, so the search always ends within one round.
    do {
        stop = (stop + step) % kStops;
    } while (Passes(kFirstStop + stop));
    m_ringed = kFirstStop + stop;
}
