/* Records how the system's own owner-drawn push button answers scripted input, so
 * that our button can be compared with it. Each scenario gets a fresh parent window
 * with one BS_OWNERDRAW button, runs its script step by step (mouse messages are
 * posted straight to the button in client coordinates, so no real pointer is
 * involved), and writes the messages the button contract is about to <scenario>.txt
 * in the current folder, one per line, in the readable form our window tests use:
 *   # script: down 10,10; up 10,10
 *   button WM_LBUTTONDOWN 10,10
 *   parent WM_DRAWITEM 7 ODA_SELECT ODS_SELECTED ODS_FOCUS
 * Lines starting with '#' describe the recording; the replay reads its input from the
 * "# script:" line. Messages outside the contract (WM_CTLCOLORBTN before each draw,
 * WM_IME_SETCONTEXT with focus changes) are not written: the program uses neither.
 *
 * Script steps, separated by "; ":
 *   down X,Y | move X,Y | up X,Y   post the mouse message (down and move with the left
 *                                  button held) to the button
 *   setstate TRUE | setstate FALSE send BM_SETSTATE to the button
 *   focus button | focus parent    SetFocus
 *   capture parent | capture none  SetCapture(parent) / ReleaseCapture()
 *   invalidate                     InvalidateRect(button, NULL, FALSE)
 * Every step is followed by running the message loop until it is idle. */

#include <stdio.h>
#include <string.h>
#include <windows.h>

#define BUTTON_ID 7

typedef struct {
    const char* name;
    const char* script;
} Scenario;

static const Scenario kScenarios[] = {
    {"press", "down 10,10"},
    {"release-inside", "down 10,10; up 10,10"},
    {"drag-off-and-back", "down 10,10; move 140,140; move 20,20; up 20,20"},
    {"release-outside", "down 10,10; move 140,140; up 140,140"},
    {"release-without-press", "up 5,5"},
    {"setstate", "setstate TRUE; setstate TRUE; setstate FALSE; setstate FALSE"},
    {"focus", "focus button; focus parent"},
    {"paint", "invalidate"},
    {"capture-taken-during-press", "down 10,10; capture parent; capture none"},
    {"focus-lost-during-press", "down 10,10; focus parent; up 10,10"},
};

static HWND g_parent;
static HWND g_button;
static WNDPROC g_buttonProc;
static FILE* g_trace;

static const char* NameOf(HWND window) {
    if (window == NULL) return "null";
    if (window == g_parent) return "parent";
    if (window == g_button) return "button";
    return "?";
}

static const char* MessageName(UINT message) {
    switch (message) {
        case WM_SETFOCUS: return "WM_SETFOCUS";
        case WM_KILLFOCUS: return "WM_KILLFOCUS";
        case WM_PAINT: return "WM_PAINT";
        case WM_DRAWITEM: return "WM_DRAWITEM";
        case WM_COMMAND: return "WM_COMMAND";
        case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
        case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
        case WM_LBUTTONUP: return "WM_LBUTTONUP";
        case WM_CAPTURECHANGED: return "WM_CAPTURECHANGED";
        case BM_SETSTATE: return "BM_SETSTATE";
        default: return NULL;
    }
}

/* Writes one traced message; messages outside the contract are left out. */
static void Log(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const char* name = MessageName(message);
    if (g_trace == NULL || name == NULL) return;
    fprintf(g_trace, "%s %s", NameOf(window), name);
    switch (message) {
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)lParam;
            fprintf(g_trace, " %u", item->CtlID);
            if (item->itemAction & ODA_DRAWENTIRE) fputs(" ODA_DRAWENTIRE", g_trace);
            if (item->itemAction & ODA_SELECT) fputs(" ODA_SELECT", g_trace);
            if (item->itemAction & ODA_FOCUS) fputs(" ODA_FOCUS", g_trace);
            if (item->itemState & ODS_SELECTED) fputs(" ODS_SELECTED", g_trace);
            if (item->itemState & ODS_FOCUS) fputs(" ODS_FOCUS", g_trace);
            break;
        }
        case WM_COMMAND: fprintf(g_trace, " %u %u", LOWORD(wParam), HIWORD(wParam)); break;
        case BM_SETSTATE: fputs(wParam ? " TRUE" : " FALSE", g_trace); break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: fprintf(g_trace, " %s", NameOf((HWND)wParam)); break;
        case WM_CAPTURECHANGED: fprintf(g_trace, " %s", NameOf((HWND)lParam)); break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            fprintf(g_trace, " %d,%d", (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
            break;
        default: break;
    }
    fputc('\n', g_trace);
}

static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log(window, message, wParam, lParam);
    if (message == WM_DRAWITEM) return TRUE;
    return DefWindowProcA(window, message, wParam, lParam);
}

/* The button's own procedure, wrapped so that what it is sent is traced too. */
static LRESULT CALLBACK ButtonHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log(window, message, wParam, lParam);
    return CallWindowProcA(g_buttonProc, window, message, wParam, lParam);
}

/* Dispatches until nothing is waiting, then keeps listening a little longer for
 * what the display driver delivers late (activation and focus from the X server). */
static void RunUntilIdle(void) {
    MSG msg;
    do {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    } while (MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0);
}

static LPARAM PointArgument(const char* argument) {
    int x = 0;
    int y = 0;
    if (sscanf(argument, "%d,%d", &x, &y) != 2) fprintf(stderr, "bad point '%s'\n", argument);
    return MAKELPARAM(x, y);
}

static void RunStep(const char* verb, const char* argument) {
    if (strcmp(verb, "down") == 0) {
        PostMessageA(g_button, WM_LBUTTONDOWN, MK_LBUTTON, PointArgument(argument));
    } else if (strcmp(verb, "move") == 0) {
        PostMessageA(g_button, WM_MOUSEMOVE, MK_LBUTTON, PointArgument(argument));
    } else if (strcmp(verb, "up") == 0) {
        PostMessageA(g_button, WM_LBUTTONUP, 0, PointArgument(argument));
    } else if (strcmp(verb, "setstate") == 0) {
        SendMessageA(g_button, BM_SETSTATE, strcmp(argument, "TRUE") == 0, 0);
    } else if (strcmp(verb, "focus") == 0) {
        SetFocus(strcmp(argument, "button") == 0 ? g_button : g_parent);
    } else if (strcmp(verb, "capture") == 0) {
        if (strcmp(argument, "parent") == 0) SetCapture(g_parent); else ReleaseCapture();
    } else if (strcmp(verb, "invalidate") == 0) {
        InvalidateRect(g_button, NULL, FALSE);
    } else {
        fprintf(stderr, "unknown step '%s'\n", verb);
    }
    RunUntilIdle();
}

static void RunScript(const char* script) {
    char steps[256];
    snprintf(steps, sizeof steps, "%s", script);
    for (char* step = strtok(steps, ";"); step != NULL; step = strtok(NULL, ";")) {
        char verb[32] = "";
        char argument[32] = "";
        sscanf(step, " %31s %31s", verb, argument);
        RunStep(verb, argument);
    }
}

static const char* WineVersion(void) {
    typedef const char*(CDECL * VersionFunction)(void);
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const VersionFunction version = (VersionFunction)(void*)GetProcAddress(ntdll, "wine_get_version");
    return version != NULL ? version() : "unknown";
}

static void CreateWindows(void) {
    g_parent = CreateWindowExA(0, "ProbeParent", "parent", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, NULL, NULL,
                               GetModuleHandleA(NULL), NULL);
    g_button = CreateWindowExA(0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 60, 60, g_parent,
                               (HMENU)(INT_PTR)BUTTON_ID, GetModuleHandleA(NULL), NULL);
    g_buttonProc = (WNDPROC)SetWindowLongPtrA(g_button, GWLP_WNDPROC, (LONG_PTR)ButtonHook);
}

/* A fresh parent and button, shown, painted and settled, with the parent focused:
 * the same starting point the replay gives our button. */
static int RecordScenario(const Scenario* scenario) {
    char fileName[64];
    snprintf(fileName, sizeof fileName, "%s.txt", scenario->name);
    CreateWindows();
    if (g_parent == NULL || g_button == NULL) return 0;
    RunUntilIdle();
    SetForegroundWindow(g_parent);
    SetFocus(g_parent);
    RunUntilIdle();
    g_trace = fopen(fileName, "wb");
    if (g_trace == NULL) return 0;
    fprintf(g_trace, "# recorded under Wine %s from the system's button class\n", WineVersion());
    fprintf(g_trace, "# script: %s\n", scenario->script);
    RunScript(scenario->script);
    fclose(g_trace);
    g_trace = NULL;
    DestroyWindow(g_parent);
    RunUntilIdle();
    return 1;
}

int main(void) {
    WNDCLASSA parentClass;
    memset(&parentClass, 0, sizeof parentClass);
    parentClass.lpfnWndProc = ParentProc;
    parentClass.hInstance = GetModuleHandleA(NULL);
    parentClass.lpszClassName = "ProbeParent";
    if (!RegisterClassA(&parentClass)) return 1;
    for (size_t i = 0; i < sizeof kScenarios / sizeof kScenarios[0]; ++i) {
        if (!RecordScenario(&kScenarios[i])) {
            fprintf(stderr, "could not record %s\n", kScenarios[i].name);
            return 1;
        }
    }
    return 0;
}
