#include "fuzz/QuietMachine.h"

#include "platform/User.h"

void QuietMachine::Install() {
    static QuietMachine machine;
    InstallBackend(&machine);
}

int QuietMachine::ShowMessageBox(const std::string&, const std::string&, UINT type) {
    return DefaultMessageBoxAnswer(type);
}
