#pragma once
// The names of the picture data files the album reads. Every name is relative to the
// base directory and begins with a backslash; the pictures lie in "data003".

#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/StickerNumbering.h"

constexpr int32_t kNumberOfCommandButtons = 6;

// By sticker index: the strip of five button faces, and the picture that becomes the
// sprite on the page. Sheet s, sticker n is "b0snn" and "s0snn".
extern const std::array<const char*, NUMBEROFSTICKERGRAPHICS> StickerButtonFiles;
extern const std::array<const char*, NUMBEROFSTICKERGRAPHICS> StickerPictureFiles;
// By sheet, from sheet 1.
extern const std::array<const char*, kNumberOfSheets> SheetButtonFiles;
// In the order of the command buttons IDM_QUIT to IDM_NEXTPAGE.
extern const std::array<const char*, kNumberOfCommandButtons> CommandButtonFiles;

constexpr const char* kStartButtonFile = "\\data003\\b0013.dat";
constexpr const char* kTitlePictureFile = "\\data003\\m0005.dat";
constexpr const char* kTitleBackgroundFile = "\\data003\\m0001.dat";
constexpr const char* kTopBottomBarsFile = "\\data003\\m0006.dat";
constexpr const char* kLeftRightBarsFile = "\\data003\\m0003.dat";
constexpr const char* kPageLabelsFile = "\\data003\\b0017.dat";
constexpr const char* kPageCornersFile = "\\data003\\m0002.dat";
constexpr const char* kStickersLeftCaptionFile = "\\data003\\b0019.dat";
constexpr const char* kStickersLeftNumberFile = "\\data003\\b0020.dat";
// The twinkling stars of a stick and of a finished page: a grid of kSparkleColours rows
// by kSparklePhases columns of kSparkleSide-pixel cells, each phase a bigger star. Like
// the counter's pictures it is not checked at start: without it nothing twinkles.
constexpr const char* kSparklesFile = "\\data003\\m0007.dat";
constexpr int32_t kSparkleSide = 44;
constexpr int32_t kSparklePhases = 4;
constexpr int32_t kSparkleColours = 3;

// Every data file the album cannot start without, in the order the start-up check
// walks them: sticker pictures, page backgrounds, command, sheet and sticker buttons,
// then the screen furniture. The stickers-left pictures are not among them: a missing
// counter picture only leaves the counter blank.
std::vector<const char*> DataFilesToCheck();
