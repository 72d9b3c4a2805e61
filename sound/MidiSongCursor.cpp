#include "sound/MidiSongCursor.h"

#include <algorithm>
#include <span>
#include <utility>

#include "sound/MidiEventReader.h"
#include "sound/MidiFileReader.h"

namespace {

constexpr uint8_t kSetTempo = 0x51;

uint32_t TempoFrom(std::span<const uint8_t> payload) {
    return static_cast<uint32_t>(payload[0]) << 16 | static_cast<uint32_t>(payload[1]) << 8 |
           payload[2];
}

// While a song is entered in the middle, only controllers and instruments are sent.
bool SendsWhileEntering(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind == MidiEvent::kControlChange || kind == MidiEvent::kProgramChange;
}

}  // namespace

MidiSongCursor::MidiSongCursor(const HMIDIOUT& output) : m_output(output) {}

void MidiSongCursor::Start(MidiSong& loaded, UINT period, uint32_t startTick) {
    FreeSong(m_song);
    m_song = std::move(loaded);
    m_speed = 1.0f;
    m_period = period;
    Rewind(startTick);
}

void MidiSongCursor::Free() {
    FreeSong(m_song);
}

void MidiSongCursor::Rewind(uint32_t startTick) {
    m_position = 0.0f;
    m_song.tempo = kDefaultMidiTempo;
    for (MidiTrack& track : m_song.tracks) {
        track.readPosition = 0;
        track.runningStatus = 0;
        track.deltaPending = 0;
        track.ended = 0;
        track.ticksToNext = 0.0f;
    }
    while (m_position < static_cast<float>(startTick)) {
        const float step = Step();
        if (step <= 0.0f) return;
        AdvanceTracks(step, false);
        m_position += step;
    }
}

// The song ticks that one period spans at the tempo in force.
float MidiSongCursor::Step() const {
    const long double step = static_cast<long double>(m_speed) * 1000.0L * m_period *
                             static_cast<int16_t>(m_song.division) / m_song.tempo;
    return static_cast<float>(step);
}

int32_t MidiSongCursor::PlayPeriod(bool sending) {
    // The step is that of the tempo at the period's start, as a set-tempo takes effect
    // from the next period.
    const float step = Step();
    const int32_t live = AdvanceTracks(step, sending);
    m_position += step;
    return live;
}

// The same count-down, step by step, that the periods themselves will do, so that the
// result is exact.
uint32_t MidiSongCursor::PeriodsToNextEvent(uint32_t atMost) const {
    const float step = Step();
    uint32_t soonest = atMost;
    for (const MidiTrack& track : m_song.tracks) {
        if (track.ended != 0) continue;
        // A track whose next delta-time is still unread reads it in the next period.
        if (track.deltaPending == 0) return 1;
        float left = track.ticksToNext;
        uint32_t periods = 0;
        while (left > 0.0f && periods < soonest) {
            left -= step;
            ++periods;
        }
        soonest = std::min(soonest, std::max<uint32_t>(periods, 1));
    }
    return soonest;
}

int32_t MidiSongCursor::AdvanceTracks(float step, bool sending) {
    int32_t live = 0;
    for (MidiTrack& track : m_song.tracks) {
        if (track.ended == 0) AdvanceTrack(track, step, sending, live);
    }
    return live;
}

void MidiSongCursor::AdvanceTrack(MidiTrack& track, float step, bool sending, int32_t& live) {
    ++live;
    MidiEventReader reader(track.data, track.readPosition, track.runningStatus);
    if (track.deltaPending != 0) {
        track.ticksToNext -= step;
    } else {
        // The first delta-time is only read in this period, so every event of the
        // track sounds one period later than its delta-times alone would place it.
        track.ticksToNext = static_cast<float>(reader.ReadDeltaTime());
        track.readPosition = reader.Position();
        track.deltaPending = 1;
    }
    while (track.ticksToNext <= 0.0f) {
        if (PlayEvent(track, sending) != 0) {
            --live;
            return;
        }
        MidiEventReader next(track.data, track.readPosition, track.runningStatus);
        // Added, not assigned: a late event does not shift the ones after it.
        track.ticksToNext += static_cast<float>(next.ReadDeltaTime());
        track.readPosition = next.Position();
    }
}

int32_t MidiSongCursor::PlayEvent(MidiTrack& track, bool sending) {
    MidiEventReader reader(track.data, track.readPosition, track.runningStatus);
    MidiEvent event;
    const MidiReadError error = reader.ReadEvent(event);
    track.readPosition = reader.Position();
    track.runningStatus = reader.RunningStatus();
    // A track whose data runs out ends there instead of being read past its end.
    if (error != MidiReadError::None || event.IsEndOfTrack()) {
        track.ended = 1;
        return track.ended;
    }
    if (event.kind == MidiEvent::Kind::Meta && event.metaType == kSetTempo &&
        event.payload.size() >= 3) {
        const uint32_t tempo = TempoFrom(event.payload);
        if (tempo != 0) m_song.tempo = tempo;
    }
    const bool isMessage = event.kind == MidiEvent::Kind::Channel && event.status >= 0x80;
    if (isMessage && (sending || SendsWhileEntering(event.status))) {
        midiOutShortMsg(m_output, event.Packed());
    }
    return track.ended;
}
