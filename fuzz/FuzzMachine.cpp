// Every fuzz target runs on the headless machine, put in place before the first input;
// the targets that raise checks put the quiet machine in place of its backend.

#include "platform/machines/headless/HeadlessMachine.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    InstallHeadlessMachine();
    return 0;
}
