#pragma once
// What moves over the page for a moment, drawn over the stickers and never saved with
// the page: a sticker gliding back to its button, the stars that twinkle around a
// sticker that sticks and all over a page that is full, and cues that wait their time
// (a sound, a button's wink). Everything is timed by the clock, not by the frames, and
// runs on the page window's timer, which is set only while something moves: input is
// never held up, and a page at rest costs nothing.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gfx/DIB.h"
#include "scene/PageOverlay.h"

class COffScreenBufferView;
class CSprite;

class PageEffects : public PageOverlay {
public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kFrameInterval = 30;
    static constexpr DWORD kGlideTime = 250;
    static constexpr DWORD kTwinkleTime = 420;

    // The effects mark the areas they change in `page` and bring them to the window.
    explicit PageEffects(COffScreenBufferView& page);
    ~PageEffects() override;
    PageEffects(const PageEffects&) = delete;
    PageEffects& operator=(const PageEffects&) = delete;

    // `sticker` glides from where it is until its centre reaches `centre` (page
    // coordinates, which may lie outside the page); then `arrived` runs.
    void Glide(HWND pageWindow, std::unique_ptr<CSprite> sticker, POINT centre,
               std::function<void()> arrived);
    // A ring of stars twinkles around `area`, for about half a second.
    void SparkleAround(HWND pageWindow, const RECT& area);
    // Stars twinkle all over the page, one after another, for under two seconds.
    void Celebrate(HWND pageWindow);
    // Runs `cue` once, `delay` milliseconds from now.
    void After(HWND pageWindow, DWORD delay, std::function<void()> cue);
    // The page window's timer: everything moves on to the clock's time.
    void OnTimer(HWND pageWindow);
    // A new page is on show: the stars of the old one go; gliding stickers glide on.
    void ForgetStars();

    bool IsRunning() const;
    size_t GlidesUnderway() const { return m_glides.size(); }
    size_t StarsTwinkling() const { return m_stars.size(); }

    void DrawOver(CDIB* image, const RECT& area) const override;

private:
    struct GlidingSticker {
        std::unique_ptr<CSprite> sticker;
        POINT from;
        POINT to;
        DWORD start;
        std::function<void()> arrived;
    };
    struct Star {
        POINT centre;
        DWORD start;
        int32_t colour;
    };
    struct Cue {
        DWORD due;
        std::function<void()> run;
    };

    void Start(HWND pageWindow);
    void AddStar(POINT centre, DWORD delay);
    void MarkAreas();
    // Moves the gliding stickers on to `now`; answers what is due to run for those that
    // arrived.
    std::vector<std::function<void()>> MoveGlides(DWORD now);
    std::vector<std::function<void()>> TakeDueCues(DWORD now);
    void DrawStar(CDIB* image, const RECT& area, const Star& star) const;
    const CDIB* StarPicture() const;

    COffScreenBufferView& m_page;
    std::vector<GlidingSticker> m_glides;
    std::vector<Star> m_stars;
    std::vector<Cue> m_cues;
    // The stars' picture, read at the first twinkle; without it nothing twinkles.
    mutable std::unique_ptr<CDIB> m_starPicture;
    mutable bool m_starPictureRead = false;
    int32_t m_nextColour = 0;
};
