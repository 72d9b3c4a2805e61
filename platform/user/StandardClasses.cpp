#include "platform/user/StandardClasses.h"

#include "platform/user/Button.h"
#include "platform/user/Dialog.h"
#include "platform/user/WindowManager.h"

void RegisterStandardClasses() {
    WindowManager& windows = WindowManager::Instance();
    windows.AddStandardClass(StandardButtonClass());
    windows.AddStandardClass(DialogClass());
}
