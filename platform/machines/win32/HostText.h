#pragma once
// Text between the program (UTF-8) and the Windows API's wide characters (UTF-16).

#include <string>
#include <string_view>

class HostText {
public:
    static std::wstring Wide(std::string_view text);
    static std::string Narrow(std::wstring_view text);
};
