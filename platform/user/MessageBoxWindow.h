#pragma once
// The album's own message box: a modal window of the window system, drawn like the
// album's picture dialogs (a coloured border around a cream rounded panel, the caption
// in bold lettering, the text below it, picture buttons at least 50 pixels tall), run
// in the same modal loop as they are, and so scaled and letterboxed with the rest of
// the screen on every machine. Enter answers the first button (OK, Yes); Escape
// answers Cancel or No, or OK where OK is alone. While it is open no other window of
// the program takes input.
//
// Shown over the program's windows it is centred on the screen; before any of them is
// on show (a missing data file at start) it lies at the screen's top left corner and
// the machine shows only it, in a small window of its own.

#include <string>
#include <vector>

#include "platform/user/UserTypes.h"

class GlyphFont;

class MessageBoxWindow {
public:
    // A button: the id it answers and the name of its pictures ("OK" for "OKButtonUp"
    // and "OKButtonDown").
    struct Button {
        int id;
        const char* pictures;
    };

    MessageBoxWindow(std::string text, std::string caption, UINT type);

    // Runs the box and answers the chosen button's id; when the program is ended while
    // it is open, the id Escape would have chosen.
    int Run(HWND owner);

    const std::vector<Button>& Buttons() const { return m_buttons; }
    // The id Escape (and closing the box) answers.
    int EscapeAnswer() const;
    // The box's size in pixels once laid out for its text.
    SIZE Size() const { return m_size; }
    // Where each button lies inside the box, in the order of Buttons().
    std::vector<RECT> ButtonPlaces() const;

private:
    static INT_PTR Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void DrawFace(HDC dc) const;
    void DrawButton(const DRAWITEMSTRUCT& item) const;
    int AnswerFor(int command) const;
    uint32_t ThemeColour() const;

    std::string m_text;
    std::string m_caption;
    UINT m_type;
    std::vector<Button> m_buttons;
    std::vector<std::string> m_captionLines;
    std::vector<std::string> m_lines;
    SIZE m_size{};
};
