#include "platform/machines/web/WebMultimedia.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "platform/machines/synth/MixLevels.h"
#include "platform/machines/web/MainLoop.h"
#include "platform/mm/WaveSamples.h"

namespace {

constexpr WORD kVoices = static_cast<WORD>(BuiltInSynthesizer::kVoices);

}  // namespace

// clang-format off
// The audio graph, made on the first gesture: effects (through their own gain) and music
// chunks into a master gain, which an analyser listens to on its way to the speakers. The
// context asks for the music's rate, so that chunks play without being resampled.
EM_JS(void, QuilloryInstallAudio, (int musicRate, float effectLevel), {
    var quillory = window.quillory = window.quillory || {};
    var sound = Module.quilloryAudio =
        {master: null, effects: null, analyser: null, effect: null, music: [], aside: false};
    quillory.audio = null;
    quillory.level = function() {
        if (!sound.analyser) return 0;
        var samples = new Float32Array(sound.analyser.fftSize);
        sound.analyser.getFloatTimeDomainData(samples);
        var sum = 0;
        for (var i = 0; i < samples.length; ++i) sum += samples[i] * samples[i];
        return Math.sqrt(sum / samples.length);
    };
    // The browser's own rule where it tells (navigator.userActivation), else the
    // events it counts as the user's activation of the page: a context made on any
    // other (a finger's pointerdown) would stay silent, and the browser warns.
    function activates(event) {
        if (navigator.userActivation) return navigator.userActivation.isActive;
        if (event.type === 'keydown') return event.key !== 'Escape';
        if (event.type === 'pointerdown') return event.pointerType === 'mouse';
        if (event.type === 'pointerup') return event.pointerType !== 'mouse';
        return true;
    }
    function start(event) {
        if (sound.aside || !activates(event)) return;
        if (!quillory.audio) {
            // Steady playback rather than the least delay: the browser then wakes its
            // audio thread half as often.
            var context;
            try {
                context = new AudioContext({sampleRate: musicRate, latencyHint: 'playback'});
            } catch (error) {
                context = new AudioContext({latencyHint: 'playback'});
            }
            sound.master = context.createGain();
            sound.analyser = context.createAnalyser();
            // The power of two nearest a tenth of a second.
            sound.analyser.fftSize = Math.min(32768, Math.max(32,
                Math.pow(2, Math.round(Math.log2(context.sampleRate / 10)))));
            sound.effects = context.createGain();
            sound.effects.gain.value = effectLevel;
            sound.effects.connect(sound.master);
            sound.master.connect(sound.analyser);
            sound.analyser.connect(context.destination);
            quillory.audio = context;
        }
        if (quillory.audio.state !== 'running') quillory.audio.resume();
    }
    ['keydown', 'mousedown', 'pointerdown', 'pointerup', 'touchend', 'click'].forEach(function(type) {
        window.addEventListener(type, start, true);
    });
});

EM_JS(void, QuillorySetAudioAside, (int aside), {
    var sound = Module.quilloryAudio;
    var context = window.quillory.audio;
    sound.aside = aside !== 0;
    if (!context) return;
    if (sound.aside) {
        context.suspend();
    } else {
        context.resume();
    }
});

// The audio clock in seconds, or -1 while nothing can be heard.
EM_JS(double, QuilloryAudioTime, (), {
    var context = window.quillory.audio;
    return context && context.state === 'running' ? context.currentTime : -1;
});

// A Web Audio buffer of `channels` planar channels of `frames` floats each at `samples`.
EM_JS(void, QuilloryPlayBuffer, (const float* samples, int frames, int channels, int rate,
                                 double start, int effect), {
    var sound = Module.quilloryAudio;
    var context = window.quillory.audio;
    if (!context) return;
    var buffer = context.createBuffer(channels, frames, rate);
    var first = samples >> 2;
    for (var channel = 0; channel < channels; ++channel) {
        buffer.copyToChannel(
            HEAPF32.subarray(first + channel * frames, first + (channel + 1) * frames), channel);
    }
    var source = context.createBufferSource();
    source.buffer = buffer;
    if (effect) {
        if (sound.effect) sound.effect.stop();
        sound.effect = source;
        source.onended = function() {
            if (sound.effect === source) sound.effect = null;
        };
        source.connect(sound.effects);
    } else {
        // Forgotten once heard; an ended event for each would wake the page once more.
        sound.music = sound.music.filter(function(queued) {
            return queued.end > context.currentTime;
        });
        sound.music.push({source: source, end: start + buffer.duration});
        source.connect(sound.master);
    }
    source.start(start);
});

// Silences the music queued but not yet heard.
EM_JS(void, QuilloryStopMusic, (), {
    var sound = Module.quilloryAudio;
    sound.music.forEach(function(queued) {
        queued.source.stop();
    });
    sound.music = [];
});

EM_JS(void, QuilloryStopEffect, (), {
    var sound = Module.quilloryAudio;
    if (sound.effect) sound.effect.stop();
    sound.effect = null;
});
// clang-format on

// An open handle on the synthesizer. While one is open, the main loop feeds the music
// whenever the queued music runs short; once the last one closes the music queued
// ahead is silenced at once and the loop may rest. Each change to the synthesizer
// comes after the music rendered up to its moment, so that it is heard on time.
class WebMultimedia::SynthOutput : public MidiOutputDevice {
public:
    explicit SynthOutput(WebMultimedia& owner) : m_owner(owner) {
        if (m_owner.m_musicOutputs++ == 0) MainLoop::SetTurnWork(PumpWebAudio);
    }
    ~SynthOutput() override {
        Reset();
        if (--m_owner.m_musicOutputs > 0) return;
        MainLoop::SetTurnWork(nullptr);
        m_owner.m_music.Restart();
        QuilloryStopMusic();
    }
    SynthOutput(const SynthOutput&) = delete;
    SynthOutput& operator=(const SynthOutput&) = delete;

    void SendShortMessage(DWORD message) override {
        m_owner.CatchUp();
        m_owner.m_synthesizer.Send(message);
    }
    void Reset() override {
        m_owner.CatchUp();
        m_owner.m_synthesizer.Reset();
    }
    void SetVolume(float volume) override {
        m_owner.CatchUp();
        m_owner.m_music.SetVolume(volume);
    }

private:
    WebMultimedia& m_owner;
};

WebMultimedia& WebMultimedia::Instance() {
    static WebMultimedia instance;
    return instance;
}

WebMultimedia::WebMultimedia()
    : m_synthesizer(MixLevels::kSampleRate),
      m_music(m_synthesizer, MixLevels::kSampleRate, MixLevels::kMusic) {
    QuilloryInstallAudio(MixLevels::kSampleRate, MixLevels::kEffect);
}

UINT WebMultimedia::StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) {
    return MainLoop::Timers().Start(delay, callback, user, periodic);
}

bool WebMultimedia::KillTimer(UINT timerId) {
    return MainLoop::Timers().Kill(timerId);
}

UINT WebMultimedia::MidiOutputCount() {
    return 1;
}

bool WebMultimedia::MidiOutputCapabilities(UINT deviceId, MIDIOUTCAPSA& caps) {
    if (deviceId != 0) return false;
    caps = SynthesizerCapabilities(m_synthesizer, kVoices);
    return true;
}

std::unique_ptr<MidiOutputDevice> WebMultimedia::OpenMidiOutput(UINT deviceId) {
    if (deviceId != 0 && deviceId != MIDI_MAPPER) return nullptr;
    return std::make_unique<SynthOutput>(*this);
}

void WebMultimedia::PlayWave(const std::string&, std::span<const uint8_t> wave) {
    const std::optional<WaveSamples> samples = WaveSamples::Decode(wave);
    if (!samples) {
        StopWave();
        return;
    }
    QuilloryPlayBuffer(samples->samples.data(), static_cast<int>(samples->Frames()),
                       samples->channels, static_cast<int>(samples->sampleRate), 0, 1);
}

void WebMultimedia::StopWave() {
    QuilloryStopEffect();
}

void WebMultimedia::SetAside(bool aside) {
    QuillorySetAudioAside(aside ? 1 : 0);
}

void WebMultimedia::CatchUp() {
    const double now = QuilloryAudioTime();
    if (now >= 0) m_music.CatchUp(now);
}

DWORD WebMultimedia::Pump() {
    const double now = QuilloryAudioTime();
    if (now < 0) {
        m_music.Restart();
        return kSilentPoll;
    }
    if (const std::optional<MusicScheduler::Chunk> chunk = m_music.Next(now)) {
        QuilloryPlayBuffer(chunk->samples.data(), static_cast<int>(chunk->Frames()), 2,
                           MixLevels::kSampleRate, chunk->start, 0);
    }
    return static_cast<DWORD>(std::ceil(m_music.SecondsUntilDue(now) * 1000));
}

DWORD PumpWebAudio() {
    return WebMultimedia::Instance().Pump();
}
