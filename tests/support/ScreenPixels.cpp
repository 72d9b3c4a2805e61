#include "tests/support/ScreenPixels.h"

#include "platform/WindowManager.h"

Surface& ScreenPixels() {
    return WindowManager::Instance().TheScreen().Pixels();
}
