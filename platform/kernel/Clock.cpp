#include "platform/kernel/Clock.h"

#include "platform/kernel/KernelBackend.h"

DWORD timeGetTime() {
    return KernelBackendSlot::Current().MillisecondClock();
}

void Sleep(DWORD milliseconds) {
    KernelBackendSlot::Current().Sleep(milliseconds);
}
