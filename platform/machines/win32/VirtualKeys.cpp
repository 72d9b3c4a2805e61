#include "platform/machines/win32/VirtualKeys.h"

#include <algorithm>
#include <array>

#include "platform/user/UserTypes.h"

namespace {

constexpr uint32_t kVkF1 = 0x70;
constexpr uint32_t kVkF12 = 0x7B;
constexpr uint32_t kVkEnd = 0x23;
constexpr uint32_t kVkHome = 0x24;
constexpr uint32_t kVkDelete = 0x2E;

// The named keys the desktop's key map reads too.
constexpr std::array<uint32_t, 15> kNamedKeys{
    VK_BACK, VK_TAB, VK_SHIFT, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_PRIOR,  VK_NEXT,
    VK_LEFT, VK_UP,  VK_RIGHT, VK_DOWN,   kVkHome,   kVkEnd,   kVkDelete,
};

}  // namespace

bool VirtualKeys::ProgramReads(uint32_t virtualKey) {
    // Letters and digits: their virtual key is the capital letter or the digit.
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return true;
    if (virtualKey >= kVkF1 && virtualKey <= kVkF12) return true;
    return std::find(kNamedKeys.begin(), kNamedKeys.end(), virtualKey) != kNamedKeys.end();
}
