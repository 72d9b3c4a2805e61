// Linking the headless machine makes it the machine in use from the start: tests,
// benchmarks and fuzzers run on it without a display. The library's link options name
// kHeadlessInstalled, so this file is linked wherever the library is.

#include "platform/machines/Backend.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/machines/headless/HeadlessMultimedia.h"
#include "platform/mm/MultimediaBackend.h"

extern "C" const bool kHeadlessInstalled;
extern "C" const bool kHeadlessInstalled = [] {
    InstallBackend(&HeadlessBackend::Instance());
    InstallMultimediaBackend(&HeadlessMultimedia::Instance());
    return true;
}();
