#pragma once
// The browser put in place of the null machine for the life of the album: the page's
// canvas, input, files and printing as the backend, Web Audio as the multimedia
// devices, and the tab as the link between copies. Destroying it puts the previous
// machine back, and the page says that the album has closed.

#include <memory>
#include <string>

#include "platform/machines/web/TabInstance.h"
#include "platform/machines/web/WebBackend.h"
#include "platform/mm/MultimediaBackend.h"

class Browser {
public:
    Browser();
    ~Browser();
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    // The album the page's address names ("?album=NAME"), or an empty text.
    static std::string AlbumOfPage();

private:
    WebBackend m_backend;
    Backend* m_previousBackend;
    MultimediaBackend* m_previousMultimedia;
    TabInstance m_tab;
    InstanceLink* m_previousInstanceLink;
};
