#pragma once
// Plays a MidiSong on a MIDI output, period by period of the multimedia timer, and
// starts it again from its beginning when every track has ended. Between events the
// player sleeps: a one-shot timer wakes it in the period of the next event, and it then
// plays every period that has passed, so the song's timing is that of a timer ticking
// every period without its thousand wake-ups a second. An event that comes due more
// than a quarter of a second late (the machine was suspended, the process stopped) is
// not played late: every note ends, the controllers and instruments of the span missed
// are sent, and the song goes on from where it stands now. When the file no longer
// loads at the end of the song, the music stops.
//
// Two threads use a sequencer: the user-interface thread opens, plays, stops and
// closes; the timer thread runs TimerTick and, at the end of the song, restarts it.
// One lock guards the song, the device and the timer state. A tick runs under it, so
// a stop or close waits for a tick in progress; a stop releases it while it kills the
// timer (which waits for that timer's running callback) so that the tick can finish,
// and a tick that comes after a stop finds its timer no longer current and does
// nothing. The restart from the timer's own callback kills its own timer, which never
// waits, so it cannot deadlock.

#include <cstdint>
#include <mutex>
#include <string>

#include "platform/mm/Multimedia.h"
#include "sound/MidiSong.h"
#include "sound/MidiSongCursor.h"

class MidiSequencer {
public:
    MidiSequencer() = default;
    ~MidiSequencer();
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // Opens the chosen output for `owner` unless one is open already.
    void OpenDevice(HWND owner);
    // Loads `path` (null: the path last loaded) and plays it from its beginning. A file
    // that does not load leaves everything as it was.
    void PlayFile(const char* path);
    // Stops the timer and silences the output.
    void StopPlayback();
    // Stops playback, frees the song and closes the output.
    void CloseDevice();
    // The output's volume as midiOutSetVolume takes it, now and for outputs opened later.
    void SetVolume(DWORD volume);

    static constexpr DWORD kFullVolume = 0xFFFFFFFF;

    // -1 the MIDI mapper, -2 when opening failed.
    int32_t DeviceId() const;
    bool IsPlaying() const;
    bool IsOpen() const;
    // Song time played so far, in ticks.
    float Position() const;

private:
    struct TimerStop {
        bool wasRunning;
        UINT timerId;
    };

    static void TimerCallback(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR);

    void ChooseOutputDevice();
    HMIDIOUT OpenOutput(int32_t deviceId);
    void Settle(DWORD milliseconds) const;
    TimerStop MarkStopped();
    void FinishStop();
    void StartSong(MidiSong& loaded);
    void TimerTick(UINT timerId);
    void WakeAfterPeriod(uint32_t period);
    uint32_t PeriodsDue() const;
    bool Stalled(DWORD elapsed) const;
    void EndEveryNote();
    void RestartFromTimer();

    mutable std::mutex m_lock;
    HWND m_owner = nullptr;
    HMIDIOUT m_output = nullptr;
    // The song and where it stands; it sends to m_output.
    MidiSongCursor m_cursor{m_output};
    UINT m_timerPeriod = 1;
    int32_t m_timerRunning = 0;
    UINT m_timerId = 0;
    // When the song started (timeGetTime) and how many periods of it have been played.
    DWORD m_songStart = 0;
    uint32_t m_periodsPlayed = 0;
    uint32_t m_startTick = 0;
    int32_t m_deviceId = 0;
    // The chosen device needs time after instrument changes and resets.
    bool m_deviceSettles = true;
    std::string m_path;
    DWORD m_volume = kFullVolume;
};
