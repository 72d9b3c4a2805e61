#pragma once
// The window system's own classes ("button" and the dialog class), there from the
// start and again after every reset, as on Windows. A machine's window system starts
// with them when the machine is installed.

void RegisterStandardClasses();
