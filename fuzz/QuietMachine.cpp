#include "fuzz/QuietMachine.h"

namespace {

QuietMachine g_machine;

}  // namespace

void QuietMachine::Install() {
    InstallBackend(&g_machine);
}
