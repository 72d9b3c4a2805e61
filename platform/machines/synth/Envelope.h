#pragma once
// How loud a voice is over its life: a straight rise to full level, a fall toward the
// level held while the key is down, and a fall to silence once it is up. The falls
// are exponential, as a struck or blown instrument dies away; their times are the
// times to fall by 60 dB (a thousandth), the ear's "gone".

struct EnvelopeTimes {
    float attack;   // seconds from silence to full level
    float decay;    // seconds to cover 60 dB of the way from full level to `sustain`
    float sustain;  // level held while the key is down (0: the sound dies away)
    float release;  // seconds to fall by 60 dB once the key is up
};

class Envelope {
public:
    // A level below this (-80 dB) is silence: the voice is finished.
    static constexpr float kSilent = 1e-4f;

    void Start(const EnvelopeTimes& times, float sampleRate);
    // The key is up: from the level reached, fall for the release time.
    void Release();
    // The level for the next sample.
    float Next();

    bool Finished() const { return m_stage == Stage::Finished; }
    bool Releasing() const { return m_stage == Stage::Release; }
    float Level() const { return m_level; }

private:
    enum class Stage { Attack, Decay, Release, Finished };

    Stage m_stage = Stage::Finished;
    float m_level = 0;
    float m_attackStep = 1;
    float m_sustain = 0;
    float m_decayFactor = 0;
    float m_releaseFactor = 0;
};
