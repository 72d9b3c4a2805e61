#include "fuzz/QuietMachine.h"

void QuietMachine::Install() {
    static QuietMachine machine;
    InstallBackend(&machine);
}
