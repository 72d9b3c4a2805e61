#include "platform/web/Browser.h"

#include "platform/web/WebMultimedia.h"

namespace {

constexpr LONG kScreenWidth = 1024;
constexpr LONG kScreenHeight = 768;

}  // namespace

Browser::Browser()
    : m_backend(kScreenWidth, kScreenHeight),
      m_previousBackend(InstallBackend(&m_backend)),
      m_previousMultimedia(InstallMultimediaBackend(&WebMultimedia::Instance())) {}

Browser::~Browser() {
    InstallMultimediaBackend(m_previousMultimedia);
    InstallBackend(m_previousBackend);
}
