#pragma once
// The program's background music: one song, "QLY03.mid" in the current directory,
// played in an endless loop while the program is the active application and silent
// otherwise. Losing activation closes the device and frees the song; regaining it
// reloads the file and plays it from its beginning.

#include <cstdint>
#include <span>
#include <string>

#include "platform/kernel/WinTypes.h"
#include "sound/MidiSequencer.h"

class MidiManager {
public:
    static constexpr const char* kSongFile = "QLY03.mid";

    MidiManager() = default;

    // The song file names of the program, indexed by BattleMode.
    static std::span<const char* const> SongNames();

    // Builds the path of the current song from the current directory, opens the
    // output for `owner` and plays the song when the program is active.
    void InitializedMIDI(std::span<const char* const> names, HWND owner);
    // Start-up: the first initialisation, after which activations start the music.
    void StartAtStartUp(HWND owner);
    void PlayMIDI();
    void StopMIDI();
    // Quit: the music stops, and activations no longer start it until the next start-up.
    void StopAtQuit();
    // The WM_ACTIVATEAPP flag of the program.
    void ActivateApp(int32_t active, HWND owner);
    // The grown-ups' music setting, from now on. Off, no output is opened at all and one
    // open is closed; turned on again, the music starts when it would have been playing.
    void SetMusic(bool on, int32_t volumePercent);

    bool MusicOn() const { return m_musicOn; }

    int32_t MusicStarted() const { return m_musicStarted; }
    const std::string& SongPath() const { return m_songPath; }
    const MidiSequencer& Sequencer() const { return m_sequencer; }

private:
    int32_t BattleMode = 0;
    std::string m_songPath;
    int32_t m_active = 0;
    int32_t m_musicStarted = 0;
    bool m_musicOn = true;
    HWND m_owner = nullptr;
    MidiSequencer m_sequencer;
};

// The process-wide music object.
extern MidiManager MIDI_MANAGER;
