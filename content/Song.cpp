#include "content/Song.h"

#include <sstream>
#include <stdexcept>
#include <string>

#include "content/MidiTrack.h"
#include "sound/MidiFormat.h"

namespace {

constexpr uint32_t kQuarter = Song::kTicksPerQuarter;
constexpr uint32_t kBar = 4 * kQuarter;
constexpr uint32_t kHalfBar = 2 * kQuarter;
constexpr uint32_t kSongEnd = Song::kBars * kBar;

constexpr uint8_t kMelodyChannel = 0;
constexpr uint8_t kChordChannel = 1;
constexpr uint8_t kBassChannel = 2;
constexpr uint8_t kSparkleChannel = 3;
constexpr uint8_t kDrumChannel = 9;

// General MIDI programs (numbered from 0).
constexpr uint8_t kFlute = 73;
constexpr uint8_t kGlockenspiel = 9;
constexpr uint8_t kMarimba = 12;
constexpr uint8_t kAcousticBass = 32;

// General MIDI percussion keys.
constexpr uint8_t kKick = 36;
constexpr uint8_t kClosedHiHat = 42;
constexpr uint8_t kTambourine = 54;

constexpr uint8_t kVolume = 7;
constexpr uint8_t kPan = 10;

// The tune, written bar by bar ("|"): a note is a name and octave with a length
// (w whole, h half, q quarter, e eighth; a dot adds half), "r" is a rest. Part A
// climbs and settles on C; part B reaches up to A and leans on G to lead back.
constexpr const char* kPartA =
    "E4q G4q C5q G4q | D5e C5e B4q G4h | A4q C5q E5q D5e C5e | C5q A4q F4h | "
    "E4q G4q C5e D5e E5q | D5q B4q G4h | A4e C5e F5q D5e B4e G4q | C5h rh";
constexpr const char* kPartB =
    "F5q. E5e D5q C5q | E5h G4h | A4e C5e F5e A5e G5q F5q | E5q D5q B4h | "
    "C5q. B4e A4q E5q | G5h E5h | F5e E5e D5e C5e A4h | B4q D5q G5h";
constexpr const char* kPartAEnd =
    "E4q G4q C5q G4q | D5e C5e B4q G4h | A4q C5q E5q D5e C5e | C5q A4q F4h | "
    "E4q G4q C5e D5e E5q | D5q B4q G4h | A4e C5e F5q D5e B4e G4q | C5q G4q C5q rq";

// One chord for each half bar.
constexpr const char* kChordsA = "C C G G Am Am F F C C G G F G C C";
constexpr const char* kChordsB = "F F C C F F G G Am Am Em Em F F G G";

struct Chord {
    uint8_t pitchClass;
    bool minor;
};

struct TimedNote {
    uint32_t tick;
    uint32_t length;
    uint8_t key;  // 0 for a rest
};

uint8_t PitchClass(char letter) {
    switch (letter) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
    }
    throw std::invalid_argument(std::string("not a note name: ") + letter);
}

uint32_t NoteLength(char code) {
    switch (code) {
        case 'w':
            return kBar;
        case 'h':
            return 2 * kQuarter;
        case 'q':
            return kQuarter;
        case 'e':
            return kQuarter / 2;
    }
    throw std::invalid_argument(std::string("not a note length: ") + code);
}

// Reads a written tune from `start`; every bar must be full, so a mistake in the
// writing cannot shift the tune against its chords.
std::vector<TimedNote> ReadTune(const std::string& tune, uint32_t start) {
    std::vector<TimedNote> notes;
    std::istringstream words(tune);
    std::string word;
    uint32_t tick = start;
    uint32_t barStart = start;
    while (words >> word) {
        if (word == "|") {
            if (tick - barStart != kBar) {
                throw std::logic_error("a bar of the tune is not full: " + tune);
            }
            barStart = tick;
            continue;
        }
        const bool rest = word[0] == 'r';
        const size_t lengthAt = rest ? 1 : 2;
        uint32_t length = NoteLength(word.at(lengthAt));
        if (word.size() > lengthAt + 1 && word[lengthAt + 1] == '.') {
            length += length / 2;
        }
        const auto key =
            rest ? uint8_t{0}
                 : static_cast<uint8_t>(12 * (word.at(1) - '0' + 1) + PitchClass(word[0]));
        notes.push_back({tick, length, key});
        tick += length;
    }
    if (tick - barStart != kBar) {
        throw std::logic_error("the last bar of the tune is not full: " + tune);
    }
    return notes;
}

std::vector<Chord> ReadChords(const std::string& names) {
    std::vector<Chord> chords;
    std::istringstream words(names);
    std::string name;
    while (words >> name) {
        chords.push_back({PitchClass(name[0]), name.size() > 1 && name[1] == 'm'});
    }
    return chords;
}

std::vector<TimedNote> Melody() {
    std::vector<TimedNote> notes = ReadTune(kPartA, 0);
    for (const auto& [part, bar] : {std::pair{kPartB, 8u}, std::pair{kPartAEnd, 16u}}) {
        const std::vector<TimedNote> more = ReadTune(part, bar * kBar);
        notes.insert(notes.end(), more.begin(), more.end());
    }
    return notes;
}

std::vector<Chord> Harmony() {
    std::vector<Chord> chords = ReadChords(kChordsA);
    for (const char* part : {kChordsB, kChordsA}) {
        const std::vector<Chord> more = ReadChords(part);
        chords.insert(chords.end(), more.begin(), more.end());
    }
    if (chords.size() * kHalfBar != kSongEnd) {
        throw std::logic_error("the chords do not cover the song");
    }
    return chords;
}

void Instrument(MidiTrack& track, const std::string& name, uint8_t channel, uint8_t program,
                uint8_t volume, uint8_t pan) {
    track.Name(name);
    track.Program(channel, program);
    track.Controller(channel, kVolume, volume);
    track.Controller(channel, kPan, pan);
}

MidiTrack ConductorTrack() {
    MidiTrack track;
    track.Name("Sticker Song");
    track.Tempo(Song::kMicrosecondsPerQuarter);
    track.TimeSignature(4, 2);
    return track;
}

MidiTrack MelodyTrack(const std::vector<TimedNote>& melody) {
    MidiTrack track;
    Instrument(track, "Flute", kMelodyChannel, kFlute, 100, 64);
    for (const TimedNote& note : melody) {
        if (note.key != 0) {
            // A small gap between notes keeps the tune light and bouncy.
            track.Note(kMelodyChannel, note.key, 92, note.tick, note.length * 7 / 8);
        }
    }
    return track;
}

// The glockenspiel doubles the melody an octave up in the last part, on the first
// beat of each bar and on longer notes, as a lift before the song starts again.
MidiTrack SparkleTrack(const std::vector<TimedNote>& melody) {
    MidiTrack track;
    Instrument(track, "Glockenspiel", kSparkleChannel, kGlockenspiel, 70, 92);
    for (const TimedNote& note : melody) {
        const bool lastPart = note.tick >= 16 * kBar;
        const bool stressed = note.tick % kBar == 0 || note.length >= 2 * kQuarter;
        if (note.key != 0 && lastPart && stressed) {
            track.Note(kSparkleChannel, static_cast<uint8_t>(note.key + 12), 64, note.tick,
                       kQuarter);
        }
    }
    return track;
}

// Marimba chords on the second and fourth beats: the "pah" to the bass's "oom".
MidiTrack ChordTrack(const std::vector<Chord>& chords) {
    MidiTrack track;
    Instrument(track, "Marimba", kChordChannel, kMarimba, 78, 40);
    for (size_t half = 0; half < chords.size(); ++half) {
        const Chord& chord = chords[half];
        const auto root = static_cast<uint8_t>(53 + (chord.pitchClass + 7) % 12);
        const auto third = static_cast<uint8_t>(root + (chord.minor ? 3 : 4));
        const auto tick = static_cast<uint32_t>(half * kHalfBar + kQuarter);
        for (uint8_t key : {root, third, static_cast<uint8_t>(root + 7)}) {
            track.Note(kChordChannel, key, 70, tick, kQuarter * 3 / 4);
        }
    }
    return track;
}

// The bass walks root and fifth; where a bar holds one chord, its second half plays
// the fifth.
MidiTrack BassTrack(const std::vector<Chord>& chords) {
    MidiTrack track;
    Instrument(track, "Bass", kBassChannel, kAcousticBass, 92, 64);
    for (size_t half = 0; half < chords.size(); ++half) {
        const auto root = static_cast<uint8_t>(36 + chords[half].pitchClass);
        const bool repeated =
            half % 2 == 1 && chords[half].pitchClass == chords[half - 1].pitchClass;
        const auto key = static_cast<uint8_t>(repeated ? root + 7 : root);
        track.Note(kBassChannel, key, 88, static_cast<uint32_t>(half * kHalfBar), kQuarter * 7 / 8);
    }
    return track;
}

MidiTrack DrumTrack() {
    MidiTrack track;
    track.Name("Percussion");
    track.Controller(kDrumChannel, kVolume, 80);
    for (uint32_t beat = 0; beat < Song::kBars * 4; ++beat) {
        const uint32_t tick = beat * kQuarter;
        const bool strong = beat % 2 == 0;
        track.Note(kDrumChannel, strong ? kKick : kTambourine, strong ? 62 : 44, tick,
                   kQuarter / 4);
        track.Note(kDrumChannel, kClosedHiHat, 30, tick + kQuarter / 2, kQuarter / 4);
    }
    return track;
}

}  // namespace

std::vector<uint8_t> Song::MidiFile() {
    const std::vector<TimedNote> melody = Melody();
    const std::vector<Chord> chords = Harmony();
    const MidiTrack tracks[] = {ConductorTrack(),   MelodyTrack(melody), SparkleTrack(melody),
                                ChordTrack(chords), BassTrack(chords),   DrumTrack()};

    std::vector<uint8_t> file;
    // Format 1: simultaneous tracks.
    MidiHeaderChunk{1, static_cast<uint16_t>(std::size(tracks)), kTicksPerQuarter}.Append(file);
    for (const MidiTrack& track : tracks) {
        const std::vector<uint8_t> chunk = track.Chunk(kSongEnd);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

void Song::Generate(ContentOutput& output) {
    output.AddAlbumFile("QLY03.mid", MidiFile());
}
