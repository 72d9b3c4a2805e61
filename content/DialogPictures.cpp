#include "content/DialogPictures.h"

#include <cairo.h>

#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/PageGeometry.h"
#include "content/DialogButtons.h"
#include "content/Motifs.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"

namespace {

// Where a dialog's buttons sit, in pixels of its picture (twice the dialog layout's
// stored units).
struct PlacedButton {
    const char* look;
    int32_t x;
    int32_t y;
};

struct DialogLook {
    const char* name;
    int32_t width;
    int32_t height;
    std::vector<PlacedButton> buttons;
    void (*draw)(Canvas&);
};

constexpr double kSmallSide = 360.0;

// The shared frame of the small dialogs: a coloured border around a cream panel, with
// a title at the top.
void Frame(Canvas& canvas, Colour theme, const std::string& title, Colour titleColour,
           double titleSize = 34) {
    canvas.Fill(theme);
    canvas.RoundedBox(10, 10, canvas.Width() - 20, canvas.Height() - 20, 26);
    canvas.FillAndOutline(Palette::kCream, Palette::kInk, 4);
    canvas.OutlinedText(title, canvas.Width() / 2.0, 44, titleSize, titleColour, Palette::kInk, 3);
}

void Padlock(Canvas& canvas, double centreX, double top, double size) {
    cairo_new_path(canvas.Context());
    cairo_arc(canvas.Context(), centreX, top + size * 0.45, size * 0.3, std::numbers::pi,
              2 * std::numbers::pi);
    canvas.StrokePath(Palette::kInk, size * 0.14);
    canvas.RoundedBox(centreX - size / 2, top + size * 0.45, size, size * 0.75, size * 0.12);
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 3);
    canvas.Circle(centreX, top + size * 0.8, size * 0.09);
    canvas.FillPath(Palette::kInk);
}

void Broom(Canvas& canvas, double headX, double headY) {
    cairo_t* context = canvas.Context();
    // The handle ends clear of the panel's border.
    cairo_move_to(context, headX + 10, headY - 20);
    cairo_line_to(context, headX + 66, headY - 128);
    canvas.StrokePath(Palette::kInk, 13);
    cairo_move_to(context, headX + 10, headY - 20);
    cairo_line_to(context, headX + 66, headY - 128);
    canvas.StrokePath(Palette::kBrown, 7);
    // The bristles fan out from a red band.
    canvas.Polygon({headX - 8, headY - 30, headX + 30, headY - 12, headX + 38, headY + 40,
                    headX - 52, headY + 22});
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 4);
    for (int32_t line = 1; line < 5; ++line) {
        const double along = line / 5.0;
        cairo_move_to(context, headX - 8 + 38 * along, headY - 30 + 18 * along);
        cairo_line_to(context, headX - 52 + 90 * along, headY + 22 + 18 * along);
    }
    canvas.StrokePath(Palette::kOrange, 3);
    canvas.Polygon({headX - 12, headY - 38, headX + 32, headY - 18, headX + 28, headY - 6,
                    headX - 16, headY - 26});
    canvas.FillAndOutline(Palette::kRed, Palette::kInk, 4);
}

void DrawClearAll(Canvas& canvas) {
    Frame(canvas, Palette::kOrange, "Clear all?", Palette::kOrange);
    Motifs::Paper(canvas, 46, 80, 200, 180);
    // The stickers fly off the page, away from the broom.
    Motifs::StarSticker(canvas, 100, 140, 34, Palette::kSun);
    Motifs::HeartSticker(canvas, 82, 222, 52, Palette::kPink);
    Motifs::StarSticker(canvas, 176, 206, 26, Palette::kBlue);
    Motifs::MotionLines(canvas, 140, 120, 34, 14, 3);
    Motifs::MotionLines(canvas, 118, 212, 30, 14, 2);
    Broom(canvas, 268, 232);
    canvas.Star(300, 100, 12, 5, 4);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2.5);
    canvas.Star(320, 140, 8, 3.5, 4);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2.5);
}

// The program letters its version and licence below the words, above the OK button.
void DrawAbout(Canvas& canvas) {
    Frame(canvas, Palette::kBlue, "Quillory 3", Palette::kSun);
    Motifs::Paper(canvas, 58, 72, 244, 148);
    Motifs::StarSticker(canvas, 112, 120, 34, Palette::kSun);
    Motifs::HeartSticker(canvas, 184, 118, 56, Palette::kPink);
    Motifs::Sun(canvas, 256, 122, 22);
    Motifs::StarSticker(canvas, 146, 186, 26, Palette::kGreen);
    Motifs::StarOutline(canvas, 226, 188, 26);
    canvas.Text("Sticker Album", kSmallSide / 2, 238, 24, Palette::kInk);
}

// The sum is lettered over the empty band below the title, the answers below it.
void DrawGrownUpQuestion(Canvas& canvas) {
    Frame(canvas, Palette::kPurple, "Grown-ups", Palette::kSun);
    Padlock(canvas, 44, 22, 40);
    canvas.RoundedBox(40, 90, kSmallSide - 80, 100, 18);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 3);
}

// The rows of settings are buttons lettered by the program.
void DrawGrownUpsPanel(Canvas& canvas) {
    Frame(canvas, Palette::kPurple, "For grown-ups", Palette::kSun);
    Padlock(canvas, 60, 22, 40);
    Padlock(canvas, canvas.Width() - 60.0, 22, 40);
}

void DrawNewSticker(Canvas& canvas) {
    Frame(canvas, Palette::kGreen, "Pick and stick!", Palette::kGreen, 30);
    cairo_t* context = canvas.Context();

    // 1: the sticker's button on its sheet, with the pointer clicking it.
    canvas.RoundedBox(28, 96, 100, 100, 16);
    canvas.FillAndOutline(Palette::kPaleSky, Palette::kInk, 4);
    Motifs::StarSticker(canvas, 78, 148, 38, Palette::kSun);
    Motifs::Pointer(canvas, 96, 166, 1.5);

    // 2: the page with the star's empty place, and the star carried onto it.
    Motifs::Paper(canvas, 190, 92, 140, 170);
    Motifs::StarOutline(canvas, 268, 204, 40);
    Motifs::StarSticker(canvas, 240, 164, 36, Palette::kSun);
    canvas.Star(306, 124, 11, 4.5, 4);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2.5);
    canvas.Star(214, 244, 8, 3.5, 4);
    canvas.FillAndOutline(Palette::kWhite, Palette::kInk, 2.5);

    // The way the sticker travels.
    cairo_move_to(context, 110, 222);
    cairo_curve_to(context, 130, 262, 170, 262, 198, 226);
    canvas.DashedStroke(Palette::kInk, 5, 10);
    canvas.Polygon({208, 213, 206, 233, 190, 221});
    canvas.FillAndOutline(Palette::kInk, Palette::kInk, 2);

    for (const auto& [number, x, y] : {std::tuple{"1", 40.0, 92.0}, std::tuple{"2", 198.0, 92.0}}) {
        canvas.Circle(x, y, 16);
        canvas.FillAndOutline(Palette::kOrange, Palette::kInk, 3);
        canvas.Text(number, x, y, 20, Palette::kWhite);
    }
}

void Hill(Canvas& canvas, double centreX, double top, double radius, Colour colour) {
    canvas.Ellipse(centreX, top + radius * 0.6, radius, radius * 0.6);
    canvas.FillAndOutline(colour, Palette::kInk, 4);
}

void Flower(Canvas& canvas, double x, double y, Colour petals) {
    cairo_move_to(canvas.Context(), x, y);
    cairo_line_to(canvas.Context(), x, y + 40);
    canvas.StrokePath(Palette::kDarkGrass, 5);
    for (int32_t petal = 0; petal < 5; ++petal) {
        const double angle = petal * 2.0 * std::numbers::pi / 5.0;
        canvas.Circle(x + std::cos(angle) * 11, y + std::sin(angle) * 11, 9);
        canvas.FillAndOutline(petals, Palette::kInk, 2.5);
    }
    canvas.Circle(x, y, 8);
    canvas.FillAndOutline(Palette::kSun, Palette::kInk, 2.5);
}

void Rainbow(Canvas& canvas, double centreX, double centreY, double radius) {
    const Colour bands[] = {Palette::kRed,   Palette::kOrange, Palette::kSun,
                            Palette::kGreen, Palette::kBlue,   Palette::kPurple};
    for (size_t band = 0; band < std::size(bands); ++band) {
        cairo_new_path(canvas.Context());
        cairo_arc(canvas.Context(), centreX, centreY, radius - static_cast<double>(band) * 22,
                  std::numbers::pi, 2 * std::numbers::pi);
        canvas.StrokePath(bands[band], 22);
    }
}

void DrawEnding(Canvas& canvas) {
    const double width = canvas.Width();
    canvas.VerticalGradient(0, 0, width, 660, Palette::kSky, Palette::kPaleSky);
    Rainbow(canvas, width / 2, 640, 420);
    Hill(canvas, 170, 520, 300, Palette::kDarkGrass);
    Hill(canvas, 860, 500, 320, Palette::kDarkGrass);
    // The ground is plain where the Quit button sits.
    canvas.VerticalGradient(0, 640, width, 128, Palette::kGrass, Palette::kGrass);
    cairo_move_to(canvas.Context(), 0, 640);
    cairo_line_to(canvas.Context(), width, 640);
    canvas.StrokePath(Palette::kInk, 4);

    Motifs::Sun(canvas, 130, 130, 70);
    Motifs::StarSticker(canvas, 880, 120, 56, Palette::kSun);
    Motifs::HeartSticker(canvas, 780, 210, 70, Palette::kPink);
    Motifs::StarSticker(canvas, 300, 240, 36, Palette::kBlue);
    Motifs::StarSticker(canvas, 940, 300, 30, Palette::kPurple);

    canvas.OutlinedText("Bye bye!", width / 2, 330, 130, Palette::kWhite, Palette::kInk, 7);
    canvas.OutlinedText("See you soon!", width / 2, 470, 54, Palette::kSun, Palette::kInk, 4);

    Flower(canvas, 90, 680, Palette::kPink);
    Flower(canvas, 200, 700, Palette::kPurple);
    Flower(canvas, 330, 676, Palette::kRed);
    Flower(canvas, 700, 690, Palette::kBlue);
    Flower(canvas, 830, 672, Palette::kPink);
    Flower(canvas, 950, 700, Palette::kOrange);
}

// Rays of sunshine from the middle of the screen, alternating two colours.
void Sunburst(Canvas& canvas, double centreX, double centreY, Colour light, Colour pale) {
    constexpr int32_t kRays = 24;
    canvas.Fill(pale);
    const double reach = canvas.Width() + canvas.Height();
    for (int32_t ray = 0; ray < kRays; ray += 2) {
        const double from = ray * 2 * std::numbers::pi / kRays;
        const double to = (ray + 1) * 2 * std::numbers::pi / kRays;
        canvas.Polygon({centreX, centreY, centreX + reach * std::cos(from),
                        centreY + reach * std::sin(from), centreX + reach * std::cos(to),
                        centreY + reach * std::sin(to)});
        canvas.FillPath(light);
    }
}

// The whole book full: an open book crowded with stickers under a big smiling star,
// with confetti all round. It has no button: any click or key goes back to the book.
void DrawBookFull(Canvas& canvas) {
    const double width = canvas.Width();
    Sunburst(canvas, width / 2, 330, Palette::kSun, Palette::kCream);
    const Colour confetti[] = {Palette::kRed,    Palette::kBlue, Palette::kGreen,
                               Palette::kPurple, Palette::kPink, Palette::kOrange};
    for (int32_t bit = 0; bit < 64; ++bit) {
        const double x = 30 + (bit * 397) % 964;
        const double y = 24 + (bit * 211) % 700;
        if (x > 200 && x < 830) continue;  // clear of the book and of the words
        canvas.Star(x, y, 13, 5.5, 4 + bit % 2, bit * 0.3);
        canvas.FillAndOutline(confetti[bit % 6], Palette::kInk, 2.5);
    }
    canvas.OutlinedText("Hooray!", width / 2, 110, 120, Palette::kWhite, Palette::kInk, 7);

    // The open book: two pages full of stickers.
    Motifs::Paper(canvas, 262, 300, 250, 300);
    Motifs::Paper(canvas, 512, 300, 250, 300);
    cairo_move_to(canvas.Context(), 512, 300);
    cairo_line_to(canvas.Context(), 512, 600);
    canvas.StrokePath(Palette::kInk, 4);
    Motifs::StarSticker(canvas, 330, 380, 40, Palette::kBlue);
    Motifs::HeartSticker(canvas, 440, 390, 64, Palette::kPink);
    Motifs::Sun(canvas, 330, 510, 34);
    Motifs::StarSticker(canvas, 445, 520, 36, Palette::kGreen);
    Motifs::HeartSticker(canvas, 585, 390, 60, Palette::kRed);
    Motifs::StarSticker(canvas, 690, 380, 40, Palette::kPurple);
    Motifs::StarSticker(canvas, 590, 515, 36, Palette::kOrange);
    Motifs::HeartSticker(canvas, 695, 520, 62, Palette::kPink);

    // The big star above it, smiling.
    Motifs::StarSticker(canvas, width / 2, 250, 92, Palette::kSun);
    canvas.OutlinedText("Your book is full!", width / 2, 690, 62, Palette::kOrange, Palette::kInk,
                        5);
}

const DialogLook kDialogLooks[] = {
    {"ClearAllDialogBkg", 360, 360, {{"YES", 38, 288}, {"NO", 196, 288}}, DrawClearAll},
    {"AboutDialogBkg", 360, 360, {{"OK", 114, 296}}, DrawAbout},
    {"NewStkrDialogBkg", 360, 360, {{"OK", 114, 296}}, DrawNewSticker},
    {"EndingScrnDialogBkg", kScreenWidth, kScreenHeight, {{"Quit", 450, 696}}, DrawEnding},
    {"GrownUpQuestionBkg",
     360,
     360,
     {{"Answer", 28, 230}, {"Answer", 132, 230}, {"Answer", 236, 230}},
     DrawGrownUpQuestion},
    // The panel's eight rows, 62 pixels apart; their words are written at run time.
    {"GrownUpsPanelBkg",
     640,
     680,
     {{"PanelRow", 24, 84},
      {"PanelRow", 24, 146},
      {"PanelRow", 24, 208},
      {"PanelRow", 24, 270},
      {"PanelRow", 24, 332},
      {"PanelRow", 24, 394},
      {"PanelRow", 24, 456},
      {"PanelRow", 24, 518},
      {"OK", 256, 606}},
     DrawGrownUpsPanel},
    {"BookFullDialogBkg", kScreenWidth, kScreenHeight, {}, DrawBookFull},
};

// The dialog as the child sees it: the picture with its buttons in place.
Canvas Assembled(const Canvas& background, const DialogLook& look, bool down) {
    Canvas sheet(look.width, look.height);
    sheet.Paint(background, 0, 0);
    for (const PlacedButton& button : look.buttons) {
        sheet.Paint(DialogButtons::Draw(DialogButtons::Find(button.look), down), button.x,
                    button.y);
    }
    return sheet;
}

void AddPreviews(ContentOutput& output, const std::vector<Canvas>& backgrounds) {
    const double gap = 20;
    Canvas sheet(static_cast<int32_t>(3 * kSmallSide + 4 * gap),
                 static_cast<int32_t>(2 * kSmallSide + 3 * gap));
    sheet.Fill(Colour::Hex(0x808080));
    for (size_t dialog = 0; dialog < 3; ++dialog) {
        const double x = gap + static_cast<double>(dialog) * (kSmallSide + gap);
        sheet.Paint(Assembled(backgrounds[dialog], kDialogLooks[dialog], false), x, gap);
        sheet.Paint(Assembled(backgrounds[dialog], kDialogLooks[dialog], true), x,
                    2 * gap + kSmallSide);
    }
    output.AddPreview("dialogs", std::move(sheet));
    output.AddPreview("ending", Assembled(backgrounds[3], kDialogLooks[3], false));
    output.AddPreview("grown-ups-question", Assembled(backgrounds[4], kDialogLooks[4], false));
    output.AddPreview("grown-ups-panel", Assembled(backgrounds[5], kDialogLooks[5], false));
    output.AddPreview("book-full", Assembled(backgrounds[6], kDialogLooks[6], false));
}

}  // namespace

void DialogPictures::Generate(ContentOutput& output) {
    DialogButtons::Generate(output);
    std::vector<Canvas> backgrounds;
    for (const DialogLook& look : kDialogLooks) {
        Canvas canvas(look.width, look.height);
        look.draw(canvas);
        output.AddResource({look.name, ResourceKind::Bitmap,
                            PictureEncoder::Encode(canvas, Transparency::Opaque)});
        backgrounds.push_back(std::move(canvas));
    }
    if (output.WantsPreviews()) {
        AddPreviews(output, backgrounds);
    }
}
