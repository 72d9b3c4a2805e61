#include "app/WinMain.h"
#include "platform/User.h"

int main() { return WinMain(ProgramInstance(), nullptr, "", SW_SHOWNORMAL); }
