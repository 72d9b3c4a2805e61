#pragma once
// The Windows virtual keys the program reads; every other key is left to the system.

#include <cstdint>

class VirtualKeys {
public:
    static constexpr uint32_t kF11 = 0x7A;

    static bool ProgramReads(uint32_t virtualKey);
};
