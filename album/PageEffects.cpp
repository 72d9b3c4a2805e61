#include "album/PageEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "platform/kernel/Clock.h"
#include "platform/user/User.h"
#include "scene/OffScreenBufferView.h"
#include "scene/Sprite.h"

namespace {

constexpr int32_t kRingStars = 8;
constexpr DWORD kRingStagger = 25;
constexpr LONG kRingGap = 12;
constexpr int32_t kCelebrationStars = 40;
constexpr DWORD kCelebrationStagger = 32;
constexpr LONG kHalfStar = kSparkleSide / 2;

// How far along a glide is at `passed`, eased in and out: it sets off and arrives
// gently.
double GlideProgress(DWORD passed) {
    const double t = std::min(1.0, static_cast<double>(passed) / PageEffects::kGlideTime);
    return t * t * (3.0 - 2.0 * t);
}

LONG Between(LONG from, LONG to, double progress) {
    return from + static_cast<LONG>(std::lround((to - from) * progress));
}

RECT AreaOf(const CSprite& sprite) {
    RECT area{};
    sprite.GetRect(area);
    return area;
}

RECT StarArea(POINT centre) {
    return RECT{centre.x - kHalfStar, centre.y - kHalfStar, centre.x + kHalfStar,
                centre.y + kHalfStar};
}

// Milliseconds since `start`, negative before it: the clock wraps, the difference does not.
int32_t Age(DWORD now, DWORD start) {
    return static_cast<int32_t>(now - start);
}

// A twinkle grows to its biggest star half-way through its time, then shrinks away.
int32_t TwinklePhase(int32_t age) {
    const double through = static_cast<double>(age) / PageEffects::kTwinkleTime;
    const double size = 1.0 - std::abs(2.0 * through - 1.0);
    return std::clamp(static_cast<int32_t>(size * kSparklePhases), 0, kSparklePhases - 1);
}

// Spread over the page the same way each time: a fixed sequence, not the clock.
POINT CelebrationPlace(int32_t star) {
    const auto spread = static_cast<uint32_t>(star) * 2654435761u;
    const LONG x = kHalfStar + static_cast<LONG>(spread % (kPageWidth - 2 * kHalfStar));
    const LONG y = kHalfStar + static_cast<LONG>((spread >> 12) % (kPageHeight - 2 * kHalfStar));
    return POINT{x, y};
}

}  // namespace

PageEffects::PageEffects(COffScreenBufferView& page) : m_page(page) {}

PageEffects::~PageEffects() = default;

bool PageEffects::IsRunning() const {
    return !m_glides.empty() || !m_stars.empty() || !m_cues.empty();
}

void PageEffects::Start(HWND pageWindow) {
    if (!IsRunning()) SetTimer(pageWindow, kTimerId, kFrameInterval, nullptr);
}

void PageEffects::Glide(HWND pageWindow, std::unique_ptr<CSprite> sticker, POINT centre,
                        std::function<void()> arrived) {
    if (sticker == nullptr) return;
    Start(pageWindow);
    const POINT from{sticker->GetX(), sticker->GetY()};
    const POINT to{centre.x - sticker->GetWidth() / 2, centre.y - sticker->GetHeight() / 2};
    m_page.AddDirtyRect(AreaOf(*sticker));
    m_glides.push_back({std::move(sticker), from, to, timeGetTime(), std::move(arrived)});
}

void PageEffects::AddStar(POINT centre, DWORD delay) {
    m_stars.push_back({centre, timeGetTime() + delay, m_nextColour});
    m_nextColour = (m_nextColour + 1) % kSparkleColours;
}

void PageEffects::SparkleAround(HWND pageWindow, const RECT& area) {
    Start(pageWindow);
    const double centreX = (area.left + area.right) / 2.0;
    const double centreY = (area.top + area.bottom) / 2.0;
    const double radiusX = (area.right - area.left) / 2.0 + kRingGap;
    const double radiusY = (area.bottom - area.top) / 2.0 + kRingGap;
    for (int32_t star = 0; star < kRingStars; ++star) {
        const double angle = star * 2.0 * std::numbers::pi / kRingStars;
        const POINT centre{static_cast<LONG>(std::lround(centreX + radiusX * std::cos(angle))),
                           static_cast<LONG>(std::lround(centreY + radiusY * std::sin(angle)))};
        AddStar(centre, static_cast<DWORD>(star) * kRingStagger);
    }
}

void PageEffects::Celebrate(HWND pageWindow) {
    Start(pageWindow);
    for (int32_t star = 0; star < kCelebrationStars; ++star)
        AddStar(CelebrationPlace(star), static_cast<DWORD>(star) * kCelebrationStagger);
}

void PageEffects::After(HWND pageWindow, DWORD delay, std::function<void()> cue) {
    Start(pageWindow);
    m_cues.push_back({timeGetTime() + delay, std::move(cue)});
}

void PageEffects::ForgetStars() {
    m_stars.clear();
}

void PageEffects::MarkAreas() {
    for (const GlidingSticker& glide : m_glides) m_page.AddDirtyRect(AreaOf(*glide.sticker));
    for (const Star& star : m_stars) m_page.AddDirtyRect(StarArea(star.centre));
}

std::vector<std::function<void()>> PageEffects::MoveGlides(DWORD now) {
    std::vector<std::function<void()>> arrivals;
    for (GlidingSticker& glide : m_glides) {
        const double progress = GlideProgress(now - glide.start);
        glide.sticker->MoveTo(Between(glide.from.x, glide.to.x, progress),
                              Between(glide.from.y, glide.to.y, progress));
    }
    // A sticker that has come to its button goes into it.
    std::erase_if(m_glides, [now, &arrivals](GlidingSticker& glide) {
        if (now - glide.start < kGlideTime) return false;
        if (glide.arrived) arrivals.push_back(std::move(glide.arrived));
        return true;
    });
    return arrivals;
}

std::vector<std::function<void()>> PageEffects::TakeDueCues(DWORD now) {
    std::vector<std::function<void()>> due;
    std::erase_if(m_cues, [now, &due](Cue& cue) {
        if (Age(now, cue.due) < 0) return false;
        due.push_back(std::move(cue.run));
        return true;
    });
    return due;
}

// The areas are marked where things were and again where they are, so that what moved
// away is drawn over too. The cues run last, when the frame is on screen: one may open a
// dialog, whose own loop brings this timer back meanwhile.
void PageEffects::OnTimer(HWND pageWindow) {
    const DWORD now = timeGetTime();
    MarkAreas();
    std::vector<std::function<void()>> due = MoveGlides(now);
    std::erase_if(m_stars, [now](const Star& star) {
        return Age(now, star.start) >= static_cast<int32_t>(kTwinkleTime);
    });
    MarkAreas();
    m_page.Update(pageWindow);
    for (auto& cue : TakeDueCues(now)) due.push_back(std::move(cue));
    for (auto& run : due) run();
    if (!IsRunning()) KillTimer(pageWindow, kTimerId);
}

const CDIB* PageEffects::StarPicture() const {
    if (!m_starPictureRead) {
        m_starPictureRead = true;
        auto picture = std::make_unique<CDIB>(1, 1);
        if (picture->Load(kSparklesFile)) m_starPicture = std::move(picture);
    }
    return m_starPicture.get();
}

void PageEffects::DrawStar(CDIB* image, const RECT& area, const Star& star) const {
    const int32_t age = Age(timeGetTime(), star.start);
    const CDIB* picture = StarPicture();
    if (picture == nullptr || age < 0) return;
    const RECT whole = StarArea(star.centre);
    RECT shown{};
    if (!IntersectRect(&shown, &whole, &area)) return;
    picture->CopyTo(
        image, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
        TwinklePhase(age) * kSparkleSide + (shown.left - whole.left),
        star.colour * kSparkleSide + (shown.top - whole.top), CSprite::kTransparentColour);
}

void PageEffects::DrawOver(CDIB* image, const RECT& area) const {
    for (const GlidingSticker& glide : m_glides) glide.sticker->Draw(image, &area);
    for (const Star& star : m_stars) DrawStar(image, area, star);
}
