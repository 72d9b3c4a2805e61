// Linking the headless machine makes it the machine in use from the start: tests,
// benchmarks and fuzzers run on it without a display. The library's link options name
// kHeadlessInstalled, so this file is linked wherever the library is.

#include "platform/Backend.h"
#include "platform/MultimediaBackend.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessMultimedia.h"

extern "C" const bool kHeadlessInstalled;
extern "C" const bool kHeadlessInstalled = [] {
    InstallBackend(&HeadlessBackend::Instance());
    InstallMultimediaBackend(&HeadlessMultimedia::Instance());
    return true;
}();
