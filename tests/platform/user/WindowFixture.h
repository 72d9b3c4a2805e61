#pragma once
// A fresh window system on the headless machine for each test, and a window class
// whose procedure writes every message it sees into a trace, so that tests compare
// the sequences the program relies on.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/user/User.h"

using Strings = std::vector<std::string>;

class WindowFixture : public testing::Test {
public:
    // What a traced window answers to a message, instead of the default handling.
    static std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>> s_handlers;

protected:
    WindowFixture();
    ~WindowFixture() override;

    // A traced window of the class "Traced" (or another, with its control id) at `place`
    // (screen or parent coordinates).
    HWND MakeWindow(const std::string& name, RECT place, HWND parent = nullptr,
                    DWORD style = WS_POPUP | WS_VISIBLE, const char* className = "Traced",
                    int id = 0);
    HWND MakeButton(const std::string& name, int id, RECT place, HWND parent);

    // The traced messages since the last look, leaving out the ones `listed` (or only those,
    // with `keepListed`), each in a readable form such as "main WM_PAINT" or
    // "parent WM_DRAWITEM 7 ODA_SELECT".
    Strings TakeTrace(const std::vector<UINT>& listed = {}, bool keepListed = false);
    void RunUntilIdle() { HeadlessBackend::RunUntilIdle(); }

    HeadlessBackend& machine = HeadlessBackend::Instance();
};
