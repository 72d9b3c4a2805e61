#pragma once
// The program is a window program, without a console of its own: what it prints
// (its help, its version) goes to the console it was started from, if any.

class HostConsole {
public:
    // Sends the standard output and error to the parent's console, unless they already
    // lead somewhere (a file, a pipe).
    static void UseParents();
};
