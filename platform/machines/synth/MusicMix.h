#pragma once
// Where a MIDI output's music is heard: the audio stream that mixes the synthesizer
// under the effects (the desktop's AudioMixer, the Windows machine's stream).

class MusicMix {
public:
    virtual ~MusicMix() = default;

    // A music output was opened or closed: the synthesizer is heard while one is open.
    virtual void MusicOpened() = 0;
    virtual void MusicClosed() = 0;
    // The music's volume, from 0 (silent) to 1 (full).
    virtual void SetMusicVolume(float volume) = 0;
};
