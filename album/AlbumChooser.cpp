#include "album/AlbumChooser.h"

#include <algorithm>
#include <array>
#include <optional>

#include "catalogue/DataFiles.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/user/AlbumColours.h"
#include "platform/user/GlyphFont.h"
#include "platform/user/PanelFill.h"
#include "platform/user/ScreenSize.h"

namespace {

using AlbumColours::kCream;
using AlbumColours::kInk;
using AlbumColours::kOrange;
constexpr COLORREF kTransparent = 0xFF00FF;

// Two columns of cards, left and right of the title, as large as the room there allows.
constexpr LONG kCardWidth = 232;
constexpr LONG kCardHeight = 160;
constexpr LONG kColumnMargin = 24;
constexpr LONG kRowStep = 184;
constexpr LONG kRadius = 24;
constexpr LONG kOutline = 4;
constexpr LONG kRing = 8;
constexpr LONG kPictureTop = 12;
constexpr LONG kNameBottom = 14;
constexpr LONG kNamePadding = 12;

// Stickers of the book's zoo, farm and pets that show one friendly animal's face, in
// the order they are given to albums: the first to the album without a name, the others
// to the named albums in the order they were made.
constexpr std::array<int32_t, 12> kAnimalStickers = {30, 58, 61,  84, 86, 53,
                                                     59, 95, 147, 87, 60, 85};

const std::optional<GlyphFont>& NameLetters() {
    static const std::optional<GlyphFont> letters = GlyphFont::Load("MessageTitleLetters");
    return letters;
}

// The surface's 0x00RRGGBB of a picture colour (red in the low byte).
uint32_t SurfaceColour(COLORREF colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// `name` as wide as `width` allows, ending with "..." when cut.
std::string Fitted(const GlyphFont& letters, const std::string& name, LONG width) {
    if (letters.Width(name) <= width) return name;
    std::string cut = name;
    while (!cut.empty() && letters.Width(cut + "...") > width) cut.pop_back();
    return cut + "...";
}

void DrawPicture(HDC dc, const CDIB& picture, POINT at) {
    const RECT area{at.x, at.y, at.x + picture.GetWidth(), at.y + picture.GetHeight()};
    RECT shown{};
    if (!IntersectRect(&shown, &area, &dc->clip)) return;
    for (LONG y = shown.top; y < shown.bottom; ++y) {
        uint32_t* row = dc->surface->Row(y);
        for (LONG x = shown.left; x < shown.right; ++x) {
            COLORREF colour = 0;
            if (picture.GetPixel(x - at.x, y - at.y, colour) && colour != kTransparent)
                row[x] = SurfaceColour(colour);
        }
    }
}

}  // namespace

AlbumChooser::AlbumChooser() = default;
AlbumChooser::~AlbumChooser() = default;

void AlbumChooser::Offer(std::vector<std::string> albums, const std::string& chosen) {
    m_albums = std::move(albums);
    const auto found = std::find(m_albums.begin(), m_albums.end(), chosen);
    m_chosen = found != m_albums.end() ? static_cast<size_t>(found - m_albums.begin()) : 0;
    m_pictures.clear();
}

const std::string& AlbumChooser::Chosen() const {
    static const std::string kNone;
    return m_chosen < m_albums.size() ? m_albums[m_chosen] : kNone;
}

size_t AlbumChooser::Cards() const {
    return std::min(m_albums.size(), kMostCards);
}

RECT AlbumChooser::CardArea(int32_t card) const {
    const auto rows = static_cast<LONG>((Cards() + 1) / 2);
    const LONG top = (kScreenHeight - rows * kRowStep + (kRowStep - kCardHeight)) / 2;
    const LONG left = card % 2 == 0 ? kColumnMargin : kScreenWidth - kColumnMargin - kCardWidth;
    const LONG y = top + (card / 2) * kRowStep;
    return RECT{left, y, left + kCardWidth, y + kCardHeight};
}

int32_t AlbumChooser::CardAt(POINT point) const {
    for (size_t card = 0; card < Cards(); ++card) {
        const RECT area = CardArea(static_cast<int32_t>(card));
        if (PtInRect(&area, point)) return static_cast<int32_t>(card);
    }
    return -1;
}

bool AlbumChooser::Choose(int32_t card) {
    if (card < 0 || static_cast<size_t>(card) >= Cards() || static_cast<size_t>(card) == m_chosen)
        return false;
    m_chosen = static_cast<size_t>(card);
    return true;
}

void AlbumChooser::ChooseNext(int32_t step) {
    const auto cards = static_cast<int32_t>(Cards());
    if (cards == 0) return;
    Choose(((static_cast<int32_t>(m_chosen) + step) % cards + cards) % cards);
}

void AlbumChooser::Draw(HDC dc) {
    if (dc == nullptr || dc->surface == nullptr) return;
    if (m_pictures.size() != Cards()) {
        m_pictures.clear();
        for (size_t card = 0; card < Cards(); ++card) {
            // The album without a name, always first when there, has the first animal:
            // a named album keeps its animal whether or not that album is there.
            const size_t animal = m_albums.front().empty() ? card : card + 1;
            const int32_t sticker = kAnimalStickers[animal % kAnimalStickers.size()];
            auto picture = std::make_unique<CDIB>(1, 1);
            picture->Load(StickerPictureFiles[static_cast<size_t>(sticker)]);
            m_pictures.push_back(std::move(picture));
        }
    }
    for (size_t card = 0; card < Cards(); ++card) DrawCard(dc, static_cast<int32_t>(card));
}

void AlbumChooser::DrawCard(HDC dc, int32_t card) {
    Surface& surface = *dc->surface;
    RECT area = CardArea(card);
    OffsetRect(&area, dc->origin.x, dc->origin.y);
    if (static_cast<size_t>(card) == m_chosen) {
        const RECT ring{area.left - kRing, area.top - kRing, area.right + kRing,
                        area.bottom + kRing};
        FillRounded(surface, dc->clip, ring, kRadius + kRing, kOrange);
        MarkDrawn(dc, ring);
    }
    FillRounded(surface, dc->clip, area, kRadius, kInk);
    const RECT panel{area.left + kOutline, area.top + kOutline, area.right - kOutline,
                     area.bottom - kOutline};
    FillRounded(surface, dc->clip, panel, kRadius - kOutline, kCream);
    const CDIB& picture = *m_pictures[static_cast<size_t>(card)];
    DrawPicture(dc, picture,
                POINT{area.left + (kCardWidth - picture.GetWidth()) / 2, area.top + kPictureTop});
    if (const std::optional<GlyphFont>& letters = NameLetters()) {
        const std::string& album = m_albums[static_cast<size_t>(card)];
        const std::string name =
            Fitted(*letters, album.empty() ? kUnnamedLabel : album, kCardWidth - 2 * kNamePadding);
        const POINT at{area.left + (kCardWidth - letters->Width(name)) / 2,
                       area.bottom - kNameBottom - letters->LineHeight()};
        letters->Draw(surface, at, dc->clip, name, kInk);
    }
    MarkDrawn(dc, area);
}
