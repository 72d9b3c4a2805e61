#pragma once
// The music for an audio output that plays buffers queued for set times on a clock of
// its own (the browser's): the synthesizer is rendered a little ahead of that clock, in
// whole blocks, each chunk starting exactly where the one before ends. A message sent to
// the synthesizer is heard from the next chunk, at most kLeadSeconds later. When the
// caller falls behind the clock (the page was busy), the music goes on shortly after the
// clock rather than rushing to catch up.

#include <cstdint>
#include <optional>
#include <vector>

class MusicSynthesizer;

class MusicScheduler {
public:
    // Stereo music to start at `start` seconds on the output's clock: the left channel's
    // frames, then the right's.
    struct Chunk {
        double start;
        std::vector<float> samples;

        size_t Frames() const { return samples.size() / 2; }
    };

    static constexpr int kBlockFrames = 256;
    // Enough to ride out most of the page's busy spells (a page turn keeps it from the
    // music for up to a few hundred milliseconds); the song's notes keep their time
    // whatever the lead, which only delays the music as a whole.
    static constexpr double kLeadSeconds = 0.3;
    // How far after the clock the music starts, or starts again after falling behind.
    static constexpr double kStartSeconds = 0.02;

    // Renders `synthesizer` at `sampleRate`, raised by `level` and kept within -1..1.
    MusicScheduler(MusicSynthesizer& synthesizer, int sampleRate, float level);

    // The music to queue at clock time `now` so that kLeadSeconds stay queued; nothing
    // when that much is queued already.
    std::optional<Chunk> Next(double now);
    // Forgets what was queued: the next chunk starts just after the clock.
    void Restart();
    // The music's volume from the next chunk on, from 0 (silent) to 1 (full: `level`).
    void SetVolume(float volume) { m_volume = volume; }

private:
    double QueuedEnd() const;

    MusicSynthesizer& m_synthesizer;
    double m_sampleRate;
    float m_level;
    float m_volume = 1.0f;
    // The queued music starts at m_origin on the clock and lasts m_queuedFrames; counted
    // in frames so that chunk after chunk starts on the exact sample.
    double m_origin = 0;
    int64_t m_queuedFrames = -1;
};
