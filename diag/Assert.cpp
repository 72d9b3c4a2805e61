#include "diag/Assert.h"

#include <cstdlib>
#include <string>

#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "platform/user/User.h"

namespace {

HWND g_assertOwner = nullptr;

}  // namespace

void SetAssertOwner(HWND mainWindow) {
    g_assertOwner = mainWindow;
}

void DoAssert(const char* expression, const char* file, unsigned line) {
    const std::string message =
        FormatText("at line %u in file %s: \"%s\": OK to continue.", line, file, expression);
    WriteLog("DoAssert:  %s", message.c_str());
    MessageBeep(0);
    const int answer =
        MessageBoxA(g_assertOwner, message.c_str(), "ASSERTION FAILURE: Value tested to 0",
                    MB_OKCANCEL | MB_ICONHAND | MB_TASKMODAL);
    if (answer == IDCANCEL) {
        WriteLog("IDCANCEL DestroyWindow");
        DestroyWindow(g_assertOwner);
    }
    WriteLog("IDOK DoAssert");
}

void AssertNonZero(const void* x) {
    if (x != nullptr) return;
    DoAssert("x", "Assert", __LINE__);
    std::exit(1);
}
