#include "sound/MidiEventReader.h"

namespace {

constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kSysEx = 0xF0;
constexpr uint8_t kSysExContinuation = 0xF7;
constexpr int32_t kLargestBeforeAnotherByte = 0x7FFFFF;

// Meta-events whose length is a variable-length quantity; the others carry one length
// byte (the sequence number, the texts and the sequencer-specific event).
bool HasVariableLength(uint8_t metaType) {
    return metaType <= 0x06 || metaType == 0x7F;
}

// Program change and channel pressure carry one data byte, the rest two.
bool HasSecondDataByte(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind != 0xC0 && kind != 0xD0;
}

}  // namespace

int32_t ReadVarLen(const uint8_t*& cursor, const uint8_t* end) {
    int32_t value = 0;
    for (;;) {
        if (cursor >= end) return -1;
        const uint8_t byte = *cursor++;
        if (value > kLargestBeforeAnotherByte) return -1;
        value = (value << 7) | (byte & 0x7F);
        if (byte < 0x80) return value;
    }
}

uint32_t MidiEvent::Packed() const {
    return static_cast<uint32_t>(status) | static_cast<uint32_t>(data1) << 8 |
           static_cast<uint32_t>(data2) << 16;
}

MidiEventReader::MidiEventReader(std::span<const uint8_t> data, uint32_t position,
                                 uint8_t runningStatus)
    : m_begin(data.data()),
      m_cursor(data.data() + (position < data.size() ? position : data.size())),
      m_end(data.data() + data.size()),
      m_runningStatus(runningStatus) {}

uint32_t MidiEventReader::Position() const {
    return static_cast<uint32_t>(m_cursor - m_begin);
}

int32_t MidiEventReader::ReadDeltaTime() {
    return ReadVarLen(m_cursor, m_end);
}

bool MidiEventReader::ReadByte(uint8_t& byte) {
    if (m_cursor >= m_end) return false;
    byte = *m_cursor++;
    return true;
}

bool MidiEventReader::Skip(uint32_t count, std::span<const uint8_t>& skipped) {
    if (count > static_cast<size_t>(m_end - m_cursor)) return false;
    skipped = {m_cursor, count};
    m_cursor += count;
    return true;
}

MidiReadError MidiEventReader::ReadEvent(MidiEvent& event) {
    event = MidiEvent{};
    uint8_t first = 0;
    if (!ReadByte(first)) return MidiReadError::FirstByte;
    if (first == kMeta) return ReadMeta(event);
    if (first == kSysEx || first == kSysExContinuation) return ReadSysEx(event);
    if (first > 0xF0) return MidiReadError::IncorrectFirstByte;
    return ReadChannel(first, event);
}

MidiReadError MidiEventReader::ReadMeta(MidiEvent& event) {
    event.kind = MidiEvent::Kind::Meta;
    if (!ReadByte(event.metaType)) return MidiReadError::MetaSecondByte;
    if (event.IsEndOfTrack()) return MidiReadError::None;
    if (HasVariableLength(event.metaType)) {
        const int32_t length = ReadVarLen(m_cursor, m_end);
        if (length < 0) return MidiReadError::MetaVariableLength;
        if (!Skip(static_cast<uint32_t>(length), event.payload)) {
            return MidiReadError::MetaVariableLengthData;
        }
        return MidiReadError::None;
    }
    uint8_t length = 0;
    if (!ReadByte(length)) return MidiReadError::MetaLength;
    if (!Skip(length, event.payload)) return MidiReadError::MetaData;
    return MidiReadError::None;
}

MidiReadError MidiEventReader::ReadSysEx(MidiEvent& event) {
    event.kind = MidiEvent::Kind::SysEx;
    const int32_t length = ReadVarLen(m_cursor, m_end);
    if (length < 0) return MidiReadError::SysExVariableLength;
    if (!Skip(static_cast<uint32_t>(length), event.payload)) return MidiReadError::SysExData;
    return MidiReadError::None;
}

MidiReadError MidiEventReader::ReadChannel(uint8_t first, MidiEvent& event) {
    if (first >= 0x80) {
        m_runningStatus = first;
        if (!ReadByte(event.data1) || event.data1 >= 0x80) return MidiReadError::FirstDataByte;
    } else {
        event.data1 = first;
    }
    event.status = m_runningStatus;
    if (HasSecondDataByte(event.status) && (!ReadByte(event.data2) || event.data2 >= 0x80)) {
        return MidiReadError::SecondDataByte;
    }
    return MidiReadError::None;
}
