#pragma once
// The main window of the album: its class is registered and the window created (its
// WM_CREATE does the start-up work), shown, and the display switched to its size.
// Deleting the object gives the desktop its display mode back.

#include <cstdint>

#include "gfx/DisplayMode.h"
#include "platform/user/UserTypes.h"

struct ApplicationParameters {
    WNDPROC windowProcedure;
    const char* className;
    const char* title;
    HINSTANCE instance;
    int showCommand;
    int32_t width;
    int32_t height;
    DWORD style;
    // Handed to the window procedure with WM_CREATE (CREATESTRUCTA::lpCreateParams).
    void* creationData;
};

class CApplication {
public:
    explicit CApplication(const ApplicationParameters& parameters);
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Null when the creation was refused (a data file is missing).
    HWND getHWnd() const { return m_window; }
    HINSTANCE GetInstance() const { return m_parameters.instance; }

private:
    bool RegisterWindowClass() const;

    ApplicationParameters m_parameters;
    HWND m_window = nullptr;
    DisplayMode m_display;
};
