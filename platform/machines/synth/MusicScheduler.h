#pragma once
// The music for an audio output that plays buffers queued for set times on a clock of
// its own (the browser's): the synthesizer is rendered kLeadSeconds ahead of that clock,
// in whole blocks, and queued in chunks, each starting exactly where the one before ends.
// The caller may queue whenever it is awake anyway and must by the time SecondsUntilDue
// says: few, large chunks let the page sleep most of the time. Rendering up to the
// clock before each message to the synthesizer (CatchUp) keeps every note at its time
// however large the chunks. When the caller falls behind the clock (the page was busy),
// the music goes on shortly after the clock rather than rushing to catch up.

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
    // How far ahead of the clock a message to the synthesizer is heard; the song's notes
    // keep their time whatever the lead, which only delays the music as a whole.
    static constexpr double kLeadSeconds = 0.5;
    // The least music queued at once.
    static constexpr double kChunkSeconds = 0.1;
    // What is still queued when the next chunk is due at the latest: it rides out most of
    // the page's busy spells (a page turn keeps it from the music for up to a few hundred
    // milliseconds).
    static constexpr double kMarginSeconds = 0.3;
    static_assert(kLeadSeconds - kMarginSeconds >= kChunkSeconds,
                  "when a chunk is due at the latest there is room for it");
    // How far after the clock the music starts, or starts again after falling behind.
    static constexpr double kStartSeconds = 0.02;

    // Renders `synthesizer` at `sampleRate`, raised by `level` and kept within -1..1.
    MusicScheduler(MusicSynthesizer& synthesizer, int sampleRate, float level);

    // Renders the music up to kLeadSeconds after clock time `now`: called before each
    // message to the synthesizer, so that the message is heard from there on.
    void CatchUp(double now);
    // The music to queue at clock time `now`: everything rendered and not queued yet,
    // once there is room for kChunkSeconds of it in the lead; nothing before.
    std::optional<Chunk> Next(double now);
    // Seconds after `now` by which Next must be called (0: at once).
    double SecondsUntilDue(double now) const;
    // Forgets what was queued and rendered: the next chunk starts just after the clock.
    void Restart();
    // The music's volume from the next rendered block on, from 0 (silent) to 1 (full:
    // `level`).
    void SetVolume(float volume) { m_volume = volume; }

private:
    // Where the music stands on the clock: starts it just after `now` when nothing is
    // queued or what is queued has been heard already.
    void Anchor(double now);
    double QueuedEnd() const;
    double SecondsOf(int64_t frames) const;

    MusicSynthesizer& m_synthesizer;
    double m_sampleRate;
    float m_level;
    float m_volume = 1.0f;
    // The queued music starts at m_origin on the clock and lasts m_queuedFrames; counted
    // in frames so that chunk after chunk starts on the exact sample.
    double m_origin = 0;
    int64_t m_queuedFrames = -1;
    // The music rendered after the queued end and not queued yet: each channel's
    // frames, raised and kept in range; and the synthesizer's interleaved block.
    std::vector<float> m_left;
    std::vector<float> m_right;
    std::vector<float> m_block;
};
