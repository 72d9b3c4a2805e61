#include "content/Song.h"

#include <array>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>

#include "content/MidiTrack.h"
#include "sound/MidiFormat.h"

namespace {

constexpr uint32_t kQuarter = Song::kTicksPerQuarter;
constexpr uint32_t kEighth = kQuarter / 2;
constexpr uint32_t kBar = 4 * kQuarter;
constexpr uint32_t kHalfBar = 2 * kQuarter;
constexpr uint32_t kSongEnd = Song::kBars * kBar;

constexpr uint8_t kLeadChannel = 0;
constexpr uint8_t kMarimbaChannel = 1;
constexpr uint8_t kBassChannel = 2;
constexpr uint8_t kSparkleChannel = 3;
constexpr uint8_t kStringsChannel = 4;
constexpr uint8_t kPizzicatoChannel = 5;
constexpr uint8_t kDrumChannel = 9;

// General MIDI programs (numbered from 0).
constexpr uint8_t kMusicBox = 10;
constexpr uint8_t kGlockenspiel = 9;
constexpr uint8_t kVibraphone = 11;
constexpr uint8_t kMarimba = 12;
constexpr uint8_t kAcousticBass = 32;
constexpr uint8_t kPizzicatoStrings = 45;
constexpr uint8_t kStrings = 48;
constexpr uint8_t kClarinet = 71;
constexpr uint8_t kFlute = 73;

// General MIDI percussion keys.
constexpr uint8_t kKick = 36;
constexpr uint8_t kClosedHiHat = 42;
constexpr uint8_t kTambourine = 54;
constexpr uint8_t kMaracas = 70;
constexpr uint8_t kOpenTriangle = 81;

constexpr uint8_t kVolume = 7;
constexpr uint8_t kPan = 10;

// The tunes, written bar by bar ("|"): a note is a name, an optional flat ("b"), an
// octave and a length (w whole, h half, q quarter, e eighth; a dot adds half); "r" is
// a rest. The first tune climbs, settles on C and picks up on G into what follows; its
// variations keep its first bars and go elsewhere after them, so the child hears the
// song's own tune come back in a new coat.
constexpr const char* kTuneA =
    "E4q G4q C5q G4q | D5e C5e B4q G4h | A4q C5q E5q D5e C5e | C5q A4q F4h | "
    "E4q G4q C5e D5e E5q | D5q B4q G4h | A4e C5e F5q D5e B4e G4q | C5h rq G4q";
constexpr const char* kTuneADressed =
    "E4e F4e G4q C5q G4q | D5e E5e D5e C5e B4q G4q | A4q C5q E5q G5e E5e | D5q C5e A4e F4h | "
    "E4q G4e A4e C5e D5e E5q | F5q D5q B4h | A4e C5e F5e A5e G5e F5e D5e B4e | C5h G4q rq";
// Up to A and leaning on G to lead back.
constexpr const char* kTuneB =
    "F5q. E5e D5q C5q | E5h G4h | A4e C5e F5e A5e G5q F5q | E5q D5q B4h | "
    "C5q. B4e A4q E5q | G5h E5h | F5e E5e D5e C5e A4h | B4q D5q G5h";
constexpr const char* kTuneAHigher =
    "G4q C5q E5q C5q | D5e E5e F5q D5h | A4q C5q E5q D5e C5e | C5q A4q F4h | "
    "E4q G4q C5e D5e E5q | G5q F5q D5h | E5e D5e C5e A4e D5q B4q | C5h rq G4q";
// The strings' slow line under the higher tune, a chord note for each half bar.
constexpr const char* kCounterLine =
    "E4h C4h | B3h D4h | C4h E4h | F4h C4h | E4h G4h | D4h B3h | A3h B3h | C4h G3q rq";
// The music box in F, high and light.
constexpr const char* kTuneC =
    "C5q F5q A5q F5q | G5e A5e G5e F5e E5h | D5q G5q Bb5q G5q | A5h F5h | "
    "C5q F5q A5q C6q | Bb5e A5e G5e F5e D5h | C5q E5q G5q Bb5q | A5h rh";
// From F back to C: the clarinet climbs to B and steps down onto the tune's first E.
constexpr const char* kTuneBridge = "F4h A4h | G4h B4h | A4q G4q A4q C5q | B4q A4q G4q F4q";
constexpr const char* kTuneAEnd =
    "E4q G4q C5q G4q | D5e C5e B4q G4h | A4q C5q E5q D5e C5e | C5q A4q F4h | "
    "E4q G4q C5e D5e E5q | D5q B4q G4h | A4e C5e F5q D5e B4e G4q | C5q G4q C5q rq";

// One chord for each half bar.
constexpr const char* kChordsA = "C C G G Am Am F F C C G G F G C C";
constexpr const char* kChordsADressed = "C C G G Am Am F F C Am Dm G F G C C";
constexpr const char* kChordsB = "F F C C F F G G Am Am Em Em F F G G";
constexpr const char* kChordsC = "F F C C Gm Gm F F F F Gm Gm C C F F";
constexpr const char* kChordsBridge = "Dm Dm G G Am Am G G";

// The tune's instrument, as loud as the others beside it.
struct Lead {
    uint8_t program;
    uint8_t volume;
    uint8_t velocity;
    // Struck bars ring into the next note; blown notes leave a small gap before it,
    // which keeps the tune light and bouncy.
    bool ringing;
};

constexpr Lead kFluteLead{kFlute, 100, 92, false};
constexpr Lead kVibraphoneLead{kVibraphone, 112, 96, true};
constexpr Lead kMusicBoxLead{kMusicBox, 120, 90, true};
constexpr Lead kClarinetLead{kClarinet, 90, 84, false};

// What plays the chords.
enum class Backing : uint8_t { MarimbaOffBeats, BrokenMarimba, StringPad, PluckedStrings };
enum class Beat : uint8_t { Full, Shaker, Triangle };

struct Section {
    uint32_t bars;
    const char* tune;
    const char* chords;
    Lead lead;
    Backing backing;
    Beat beat;
    bool sparkle;             // the glockenspiel doubles the stressed notes an octave up
    const char* stringsLine;  // a strings line under the tune; null for none
};

constexpr Section kSections[] = {
    {8, kTuneA, kChordsA, kFluteLead, Backing::MarimbaOffBeats, Beat::Full, false, nullptr},
    {8, kTuneADressed, kChordsADressed, kFluteLead, Backing::BrokenMarimba, Beat::Full, true,
     nullptr},
    {8, kTuneB, kChordsB, kVibraphoneLead, Backing::StringPad, Beat::Shaker, false, nullptr},
    {8, kTuneAHigher, kChordsA, kFluteLead, Backing::MarimbaOffBeats, Beat::Full, false,
     kCounterLine},
    {8, kTuneC, kChordsC, kMusicBoxLead, Backing::PluckedStrings, Beat::Triangle, false, nullptr},
    {4, kTuneBridge, kChordsBridge, kClarinetLead, Backing::StringPad, Beat::Shaker, false,
     nullptr},
    {8, kTuneAEnd, kChordsA, kFluteLead, Backing::MarimbaOffBeats, Beat::Full, true, nullptr},
};

static_assert(std::accumulate(std::begin(kSections), std::end(kSections), 0u,
                              [](uint32_t bars, const Section& section) {
                                  return bars + section.bars;
                              }) == Song::kBars);

struct Chord {
    uint8_t pitchClass;
    bool minor;
};

struct TimedNote {
    uint32_t tick;
    uint32_t length;
    uint8_t key;  // 0 for a rest
};

// A section with its tune and chords read and placed at its first tick.
struct Placed {
    const Section& section;
    uint32_t start;
    std::vector<TimedNote> tune;
    std::vector<Chord> chords;

    uint32_t HalfBarTick(size_t half) const {
        return start + static_cast<uint32_t>(half) * kHalfBar;
    }
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
            return kEighth;
    }
    throw std::invalid_argument(std::string("not a note length: ") + code);
}

// One written note or rest ("C5q", "Bb5e", "F5q.", "rh") at `tick`.
TimedNote ReadNote(const std::string& word, uint32_t tick) {
    if (word[0] == 'r') return {tick, NoteLength(word.at(1)), 0};
    const bool flat = word.at(1) == 'b';
    const size_t octaveAt = flat ? 2 : 1;
    const size_t lengthAt = octaveAt + 1;
    uint32_t length = NoteLength(word.at(lengthAt));
    if (word.size() > lengthAt + 1 && word[lengthAt + 1] == '.') length += length / 2;
    const int key = 12 * (word.at(octaveAt) - '0' + 1) + PitchClass(word[0]) - (flat ? 1 : 0);
    return {tick, length, static_cast<uint8_t>(key)};
}

// Reads a written tune of `bars` bars from `start`; every bar must be full, so a
// mistake in the writing cannot shift the tune against its chords.
std::vector<TimedNote> ReadTune(const std::string& tune, uint32_t start, uint32_t bars) {
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
        notes.push_back(ReadNote(word, tick));
        tick += notes.back().length;
    }
    if (tick - barStart != kBar || tick - start != bars * kBar) {
        throw std::logic_error("the tune does not fill its section: " + tune);
    }
    return notes;
}

std::vector<Chord> ReadChords(const std::string& names, uint32_t bars) {
    std::vector<Chord> chords;
    std::istringstream words(names);
    std::string name;
    while (words >> name) {
        chords.push_back({PitchClass(name[0]), name.size() > 1 && name[1] == 'm'});
    }
    if (chords.size() * kHalfBar != bars * kBar) {
        throw std::logic_error("the chords do not cover their section: " + names);
    }
    return chords;
}

std::vector<Placed> PlaceSections() {
    std::vector<Placed> placed;
    uint32_t start = 0;
    for (const Section& section : kSections) {
        placed.push_back({section, start, ReadTune(section.tune, start, section.bars),
                          ReadChords(section.chords, section.bars)});
        start += section.bars * kBar;
    }
    return placed;
}

// The chord's root, third and fifth, the root the first of its pitch class from `lowest`.
std::array<uint8_t, 3> Triad(const Chord& chord, uint8_t lowest) {
    const auto root = static_cast<uint8_t>(lowest + (chord.pitchClass - lowest % 12 + 12) % 12);
    return {root, static_cast<uint8_t>(root + (chord.minor ? 3 : 4)),
            static_cast<uint8_t>(root + 7)};
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

// The tune passes from instrument to instrument on one channel: each section chooses
// its sound and level as it begins, the first at tick 0, so the loop starts right.
MidiTrack LeadTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    track.Name("Tune");
    track.Controller(kLeadChannel, kPan, 64);
    for (const Placed& placed : sections) {
        const Lead& lead = placed.section.lead;
        track.Program(kLeadChannel, lead.program, placed.start);
        track.Controller(kLeadChannel, kVolume, lead.volume, placed.start);
        for (const TimedNote& note : placed.tune) {
            const uint32_t length = lead.ringing ? note.length : note.length * 7 / 8;
            if (note.key != 0) track.Note(kLeadChannel, note.key, lead.velocity, note.tick, length);
        }
    }
    return track;
}

// The glockenspiel doubles the tune an octave up on the first beat of each bar and on
// longer notes: a lift in the dressed-up tune and before the song starts again.
MidiTrack SparkleTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    Instrument(track, "Glockenspiel", kSparkleChannel, kGlockenspiel, 70, 92);
    for (const Placed& placed : sections) {
        if (!placed.section.sparkle) continue;
        for (const TimedNote& note : placed.tune) {
            const bool stressed = note.tick % kBar == 0 || note.length >= 2 * kQuarter;
            if (note.key != 0 && stressed) {
                track.Note(kSparkleChannel, static_cast<uint8_t>(note.key + 12), 64, note.tick,
                           kQuarter);
            }
        }
    }
    return track;
}

// The "pah" to the bass's "oom": the chord on the second beat of each half bar.
void OffBeatChords(MidiTrack& track, uint8_t channel, const Placed& placed, uint8_t lowest,
                   uint8_t velocity, uint32_t length) {
    for (size_t half = 0; half < placed.chords.size(); ++half) {
        for (uint8_t key : Triad(placed.chords[half], lowest))
            track.Note(channel, key, velocity, placed.HalfBarTick(half) + kQuarter, length);
    }
}

// Root, third, fifth, third in eighths: the chords rolling along under the tune.
void BrokenChords(MidiTrack& track, const Placed& placed) {
    for (size_t half = 0; half < placed.chords.size(); ++half) {
        const std::array<uint8_t, 3> triad = Triad(placed.chords[half], 53);
        const uint8_t rolled[] = {triad[0], triad[1], triad[2], triad[1]};
        for (size_t step = 0; step < std::size(rolled); ++step) {
            track.Note(kMarimbaChannel, rolled[step], 62,
                       placed.HalfBarTick(half) + static_cast<uint32_t>(step) * kEighth, kEighth);
        }
    }
}

MidiTrack MarimbaTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    Instrument(track, "Marimba", kMarimbaChannel, kMarimba, 78, 40);
    for (const Placed& placed : sections) {
        if (placed.section.backing == Backing::MarimbaOffBeats)
            OffBeatChords(track, kMarimbaChannel, placed, 53, 70, kQuarter);
        if (placed.section.backing == Backing::BrokenMarimba) BrokenChords(track, placed);
    }
    return track;
}

// Each chord held for as long as it lasts, so that the strings swell once for it.
void HeldChords(MidiTrack& track, const Placed& placed) {
    for (size_t half = 0; half < placed.chords.size();) {
        const Chord& chord = placed.chords[half];
        size_t end = half + 1;
        while (end < placed.chords.size() && placed.chords[end].pitchClass == chord.pitchClass &&
               placed.chords[end].minor == chord.minor)
            ++end;
        for (uint8_t key : Triad(chord, 55)) {
            track.Note(kStringsChannel, key, 54, placed.HalfBarTick(half),
                       static_cast<uint32_t>(end - half) * kHalfBar);
        }
        half = end;
    }
}

// Held chords under the vibraphone and the bridge; a slow line under the higher tune.
MidiTrack StringsTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    Instrument(track, "Strings", kStringsChannel, kStrings, 72, 84);
    for (const Placed& placed : sections) {
        if (placed.section.backing == Backing::StringPad) HeldChords(track, placed);
        if (placed.section.stringsLine == nullptr) continue;
        for (const TimedNote& note :
             ReadTune(placed.section.stringsLine, placed.start, placed.section.bars)) {
            if (note.key != 0) track.Note(kStringsChannel, note.key, 60, note.tick, note.length);
        }
    }
    return track;
}

MidiTrack PizzicatoTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    Instrument(track, "Plucked strings", kPizzicatoChannel, kPizzicatoStrings, 100, 44);
    for (const Placed& placed : sections) {
        if (placed.section.backing == Backing::PluckedStrings)
            OffBeatChords(track, kPizzicatoChannel, placed, 57, 76, kQuarter / 2);
    }
    return track;
}

// The bass walks root and fifth, a note each half bar; where a bar holds one chord,
// its second half plays the fifth. Under held chords it holds too.
MidiTrack BassTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    Instrument(track, "Bass", kBassChannel, kAcousticBass, 92, 64);
    for (const Placed& placed : sections) {
        const bool held = placed.section.backing == Backing::StringPad ||
                          placed.section.backing == Backing::PluckedStrings;
        const uint32_t length = held ? kHalfBar : kQuarter * 7 / 8;
        for (size_t half = 0; half < placed.chords.size(); ++half) {
            const Chord& chord = placed.chords[half];
            const auto root = static_cast<uint8_t>(36 + chord.pitchClass);
            const bool repeated =
                half % 2 == 1 && chord.pitchClass == placed.chords[half - 1].pitchClass;
            const auto key = static_cast<uint8_t>(repeated ? root + 7 : root);
            track.Note(kBassChannel, key, 88, placed.HalfBarTick(half), length);
        }
    }
    return track;
}

void DrumBar(MidiTrack& track, Beat beat, uint32_t barTick) {
    for (uint32_t step = 0; step < 8; ++step) {
        const uint32_t tick = barTick + step * kEighth;
        const bool onBeat = step % 2 == 0;
        const bool strong = step % 4 == 0;
        switch (beat) {
            case Beat::Full:
                if (onBeat) {
                    track.Note(kDrumChannel, strong ? kKick : kTambourine, strong ? 62 : 44, tick,
                               kQuarter / 4);
                } else {
                    track.Note(kDrumChannel, kClosedHiHat, 30, tick, kQuarter / 4);
                }
                break;
            case Beat::Shaker:
                track.Note(kDrumChannel, kMaracas, onBeat ? 40 : 26, tick, kQuarter / 4);
                if (step == 0) track.Note(kDrumChannel, kKick, 44, tick, kQuarter / 4);
                break;
            case Beat::Triangle:
                if (step == 0) track.Note(kDrumChannel, kOpenTriangle, 40, tick, kQuarter);
                break;
        }
    }
}

MidiTrack DrumTrack(const std::vector<Placed>& sections) {
    MidiTrack track;
    track.Name("Percussion");
    track.Controller(kDrumChannel, kVolume, 80);
    for (const Placed& placed : sections) {
        for (uint32_t bar = 0; bar < placed.section.bars; ++bar)
            DrumBar(track, placed.section.beat, placed.start + bar * kBar);
    }
    return track;
}

}  // namespace

std::vector<uint8_t> Song::MidiFile() {
    const std::vector<Placed> sections = PlaceSections();
    const MidiTrack tracks[] = {ConductorTrack(),       LeadTrack(sections),
                                SparkleTrack(sections), MarimbaTrack(sections),
                                StringsTrack(sections), PizzicatoTrack(sections),
                                BassTrack(sections),    DrumTrack(sections)};

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
