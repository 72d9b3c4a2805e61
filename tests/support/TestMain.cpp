// The entry point of every test program: the tests run on the headless machine, put in
// place before the first test (and before any test's global) asks the machine anything.

#include <gtest/gtest.h>

#include "platform/machines/headless/HeadlessMachine.h"

int main(int argc, char** argv) {
    InstallHeadlessMachine();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
