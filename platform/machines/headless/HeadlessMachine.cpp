#include "platform/machines/headless/HeadlessMachine.h"

#include "platform/machines/Backend.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/machines/headless/HeadlessMultimedia.h"
#include "platform/mm/MultimediaBackend.h"

// Installed for good: the machine's objects live until the program ends, and the
// program's own globals may still stop timers and close devices as it ends.
void InstallHeadlessMachine() {
    InstallBackend(&HeadlessBackend::Instance());
    MultimediaBackendSlot::Install(&HeadlessMultimedia::Instance());
}
