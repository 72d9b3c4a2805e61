#include "platform/kernel/Clock.h"

#include "platform/kernel/KernelBackend.h"

DWORD timeGetTime() {
    return CurrentKernelBackend().MillisecondClock();
}

void Sleep(DWORD milliseconds) {
    CurrentKernelBackend().Sleep(milliseconds);
}
