#pragma once
// The real desktop put in place of the in-memory machine for the life of the album:
// the SDL window, input and printing as the backend, the synthesizer and effects as
// the multimedia devices. Destroying it puts the in-memory machine back.

#include <memory>
#include <string>

#include "platform/machines/sdl/SdlBackend.h"

class MultimediaBackend;
class SdlMultimedia;

class Desktop {
public:
    // Opens the display (the window stays hidden until the album first shows
    // something) and the audio. Null, with the reason in `failure`, when there is no
    // display that a person could see. Without audio the album runs silently.
    static std::unique_ptr<Desktop> Install(SdlBackend::WindowKind windowKind,
                                            std::string& failure);

    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

private:
    Desktop(std::unique_ptr<SdlBackend> backend, std::unique_ptr<SdlMultimedia> multimedia);

    std::unique_ptr<SdlBackend> m_backend;
    std::unique_ptr<SdlMultimedia> m_multimedia;
    Backend* m_previousBackend;
    MultimediaBackend* m_previousMultimedia;
};
