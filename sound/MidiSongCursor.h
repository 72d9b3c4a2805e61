#pragma once
// Where a MidiSong stands as it plays: each track's place in its data and the ticks to
// its next event, the tempo in force and the song time played, moved on one timer
// period at a time. The channel messages of the events it passes go to the MIDI output
// it was given; while a song is entered in the middle only controllers and instruments
// are sent. The sequencer that owns it guards it with its own lock.

#include <cstdint>

#include "platform/mm/Multimedia.h"
#include "sound/MidiSong.h"

class MidiSongCursor {
public:
    // `output` is the sequencer's output handle, read afresh at every message.
    explicit MidiSongCursor(const HMIDIOUT& output);

    // Takes `loaded` in place of the song held and passes to `startTick` from its
    // beginning, one `period` (in milliseconds) at a time.
    void Start(MidiSong& loaded, UINT period, uint32_t startTick);
    void Free();
    bool HasTracks() const { return !m_song.tracks.empty(); }

    // Plays one period; `sending` false sends only controllers and instruments. Answers
    // how many tracks were still playing in it: 0 when the song has ended.
    int32_t PlayPeriod(bool sending);
    // The number of periods from now until some track sends, `atMost` if none does
    // sooner.
    uint32_t PeriodsToNextEvent(uint32_t atMost) const;
    // Song time played so far, in ticks.
    float Position() const { return m_position; }

private:
    void Rewind(uint32_t startTick);
    float Step() const;
    int32_t AdvanceTracks(float step, bool sending);
    void AdvanceTrack(MidiTrack& track, float step, bool sending, int32_t& live);
    int32_t PlayEvent(MidiTrack& track, bool sending);

    const HMIDIOUT& m_output;
    MidiSong m_song;
    UINT m_period = 1;
    float m_position = 0.0f;
    float m_speed = 1.0f;
};
