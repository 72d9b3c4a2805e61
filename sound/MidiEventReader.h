#pragma once
// Reads the events of one track's data, one at a time, never past its end. The load
// scan and the player walk a track with the same reader, so the player follows exactly
// the shape that the scan accepted.

#include <cstdint>
#include <span>

// Reads one variable-length quantity (7 bits a byte, most significant group first).
// Returns it, or -1 when the data ends inside it or it grows past 0x7FFFFF before
// another byte is added.
int32_t ReadVarLen(const uint8_t*& cursor, const uint8_t* end);

enum class MidiReadError {
    None,
    DeltaTime,
    FirstByte,
    MetaSecondByte,
    MetaVariableLength,
    MetaVariableLengthData,
    MetaLength,
    MetaData,
    SysExVariableLength,
    SysExData,
    IncorrectFirstByte,
    FirstDataByte,
    SecondDataByte,
};

struct MidiEvent {
    enum class Kind { Channel, Meta, SysEx };
    // The kinds of channel message, in the high nibble of the status.
    static constexpr uint8_t kControlChange = 0xB0;
    static constexpr uint8_t kProgramChange = 0xC0;

    Kind kind = Kind::Channel;
    uint8_t status = 0;  // channel messages: the status in force
    uint8_t data1 = 0;
    uint8_t data2 = 0;  // 0 for program change and channel pressure
    uint8_t metaType = 0;
    std::span<const uint8_t> payload;  // meta and SysEx data

    bool IsEndOfTrack() const { return kind == Kind::Meta && metaType == 0x2F; }
    // Channel messages packed as status | data1 << 8 | data2 << 16.
    uint32_t Packed() const;
};

class MidiEventReader {
public:
    MidiEventReader(std::span<const uint8_t> data, uint32_t position, uint8_t runningStatus);

    // The next delta-time, or -1 (see ReadVarLen).
    int32_t ReadDeltaTime();
    // Reads the next event; on an error the position is where the reading stopped.
    MidiReadError ReadEvent(MidiEvent& event);

    uint32_t Position() const;
    uint8_t RunningStatus() const { return m_runningStatus; }

private:
    bool ReadByte(uint8_t& byte);
    bool Skip(uint32_t count, std::span<const uint8_t>& skipped);
    MidiReadError ReadMeta(MidiEvent& event);
    MidiReadError ReadSysEx(MidiEvent& event);
    MidiReadError ReadChannel(uint8_t first, MidiEvent& event);

    const uint8_t* m_begin;
    const uint8_t* m_cursor;
    const uint8_t* m_end;
    uint8_t m_runningStatus;
};
