#include "content/DialogButtons.h"

#include <cairo.h>

#include <stdexcept>
#include <utility>

#include "content/Palette.h"
#include "content/PictureEncoder.h"

namespace {

constexpr double kOutline = 3.5;
// How far the face sinks when pressed; the up face's shadow fills that space.
constexpr double kDepth = 5.0;

void DrawSymbol(Canvas& canvas, DialogButtons::Symbol symbol, double centreX, double centreY,
                double size) {
    cairo_t* context = canvas.Context();
    const double s = size / 2.0;
    switch (symbol) {
        case DialogButtons::Symbol::Tick:
        case DialogButtons::Symbol::Cross:
            // A white stroke on a wider dark one: the symbol keeps its outline.
            for (const auto& [colour, width] :
                 {std::pair{Palette::kInk, 0.34}, std::pair{Palette::kWhite, 0.2}}) {
                if (symbol == DialogButtons::Symbol::Tick) {
                    cairo_move_to(context, centreX - 0.75 * s, centreY);
                    cairo_line_to(context, centreX - 0.2 * s, centreY + 0.6 * s);
                    cairo_line_to(context, centreX + 0.8 * s, centreY - 0.6 * s);
                } else {
                    cairo_move_to(context, centreX - 0.6 * s, centreY - 0.6 * s);
                    cairo_line_to(context, centreX + 0.6 * s, centreY + 0.6 * s);
                    cairo_move_to(context, centreX + 0.6 * s, centreY - 0.6 * s);
                    cairo_line_to(context, centreX - 0.6 * s, centreY + 0.6 * s);
                }
                canvas.StrokePath(colour, size * width);
            }
            break;
        case DialogButtons::Symbol::Door:
            canvas.RoundedBox(centreX - 0.55 * s, centreY - 0.9 * s, 1.1 * s, 1.8 * s, 2);
            canvas.FillAndOutline(Palette::kPaleSky, Palette::kInk, 2.5);
            // The door stands half open.
            canvas.Polygon({centreX - 0.55 * s, centreY - 0.9 * s, centreX + 0.15 * s,
                            centreY - 0.7 * s, centreX + 0.15 * s, centreY + 1.05 * s,
                            centreX - 0.55 * s, centreY + 0.9 * s});
            canvas.FillAndOutline(Palette::kBrown, Palette::kInk, 2.5);
            canvas.Circle(centreX, centreY + 0.1 * s, 0.09 * s);
            canvas.FillPath(Palette::kSun);
            break;
        case DialogButtons::Symbol::None:
            break;
    }
}

using Symbol = DialogButtons::Symbol;

const DialogButtons::Look kLooks[] = {
    {"YES", "YES", Symbol::Tick, Palette::kGreen, Palette::kCream, 128, 50},
    {"NO", "NO", Symbol::Cross, Palette::kRed, Palette::kCream, 128, 50},
    {"OK", "OK", Symbol::Tick, Palette::kBlue, Palette::kCream, 128, 50},
    {"Cancel", "Cancel", Symbol::Cross, Palette::kPurple, Palette::kCream, 128, 50},
    {"Quit", "Quit", Symbol::Door, Palette::kOrange, Palette::kGrass, 124, 52},
    {"Answer", "", Symbol::None, Palette::kSun, Palette::kCream, 96, 80},
    {"PanelRow", "", Symbol::None, Palette::kPaleSky, Palette::kCream, 592, 48},
};

}  // namespace

const DialogButtons::Look& DialogButtons::Find(const std::string& name) {
    for (const Look& look : kLooks) {
        if (look.name == name) {
            return look;
        }
    }
    throw std::invalid_argument("no dialog button " + name);
}

Canvas DialogButtons::Draw(const Look& look, bool down) {
    Canvas canvas(look.width, look.height);
    canvas.Fill(look.surroundings);
    const double left = 3.0;
    const double width = look.width - 6.0;
    const double faceHeight = look.height - 4.0 - kDepth;
    const double top = down ? 2.0 + kDepth : 2.0;
    const double radius = faceHeight / 2.0;
    if (!down) {
        canvas.RoundedBox(left, 2.0 + kDepth, width, faceHeight, radius);
        canvas.FillAndOutline(look.colour.Darker(0.6), Palette::kInk, kOutline);
    }
    const Colour face = down ? look.colour.Darker(0.85) : look.colour;
    canvas.RoundedBox(left, top, width, faceHeight, radius);
    canvas.FillAndOutline(face, Palette::kInk, kOutline);
    // A soft shine on the upper half makes the button look pressable.
    canvas.RoundedBox(left + radius * 0.6, top + 4.0, width - radius * 1.2, faceHeight * 0.3,
                      faceHeight * 0.15);
    canvas.FillPath(face.Lighter(0.35));
    if (look.symbol == Symbol::None) return canvas;

    const double symbolX = left + radius + 4.0;
    const double centreY = top + faceHeight / 2.0;
    canvas.Circle(symbolX, centreY, radius - 5.0);
    canvas.FillAndOutline(face.Darker(0.8), Palette::kInk, 2.0);
    DrawSymbol(canvas, look.symbol, symbolX, centreY, faceHeight * 0.55);
    const double textLeft = symbolX + radius;
    const double textRight = left + width - 6.0;
    // A longer word is set smaller, so that it stays inside the button's face.
    const double fullSize = faceHeight * 0.5;
    const double fullAdvance = canvas.TextAdvance(look.label, fullSize);
    const double room = textRight - textLeft - 4.0;
    const double size = fullAdvance > room ? fullSize * room / fullAdvance : fullSize;
    canvas.OutlinedText(look.label, (textLeft + textRight) / 2.0, centreY, size, Palette::kWhite,
                        Palette::kInk, 2.5);
    return canvas;
}

void DialogButtons::Generate(ContentOutput& output) {
    for (const Look& look : kLooks) {
        for (const bool down : {false, true}) {
            output.AddResource({look.name + (down ? "ButtonDown" : "ButtonUp"),
                                ResourceKind::Bitmap,
                                PictureEncoder::Encode(Draw(look, down), Transparency::Opaque)});
        }
    }
}
