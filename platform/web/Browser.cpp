#include "platform/web/Browser.h"

namespace {

constexpr LONG kScreenWidth = 1024;
constexpr LONG kScreenHeight = 768;

}  // namespace

Browser::Browser()
    : m_backend(kScreenWidth, kScreenHeight), m_previousBackend(InstallBackend(&m_backend)) {}

Browser::~Browser() {
    InstallBackend(m_previousBackend);
}
