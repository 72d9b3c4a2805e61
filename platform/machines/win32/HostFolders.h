#pragma once
// The folders of the program on Windows, as UTF-8 paths without a final backslash.

#include <string>

class HostFolders {
public:
    // The user's local application data folder (%LOCALAPPDATA%); empty when unknown.
    static std::string LocalAppData();
    // The folder that holds the program's .exe.
    static std::string ProgramFolder();
    // Makes `folder` (and the folders above it) and makes it the current directory;
    // answers whether it is now.
    static bool Enter(const std::string& folder);
};
