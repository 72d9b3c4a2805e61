#include "sound/MidiSequencer.h"

#include <string_view>

#include "platform/kernel/Kernel.h"
#include "sound/MidiEventReader.h"
#include "sound/MidiFileReader.h"

namespace {

constexpr int32_t kMidiMapper = -1;
constexpr int32_t kOpenFailed = -2;
constexpr int kChannels = 16;
constexpr DWORD kProgramChangeSettle = 10;
constexpr DWORD kResetSettle = 10;
constexpr DWORD kAllNotesOff = 123;
// An event that comes due later than this, in milliseconds, is not played late: the
// machine has stalled (suspended, the process stopped, a slow disk), and the song skips
// the span it missed. Lesser lateness is a timer's jitter, played at once.
constexpr DWORD kStallMilliseconds = 250;
// The longest the player sleeps at once, in periods, so that a song whose steps do
// not move (a tempo too slow to count) is still looked at now and then.
constexpr uint32_t kLongestSleep = 1000;
// Older interface cards carry this number in their names; they are passed over.
constexpr std::string_view kPassedOverName = "401";

}  // namespace

MidiSequencer::~MidiSequencer() {
    CloseDevice();
}

void MidiSequencer::OpenDevice(HWND owner) {
    std::lock_guard lock(m_lock);
    if (m_output != nullptr) return;
    m_owner = owner;
    ChooseOutputDevice();
    m_output = OpenOutput(m_deviceId);
    if (m_output == nullptr) m_deviceId = kOpenFailed;
}

void MidiSequencer::SetVolume(DWORD volume) {
    std::lock_guard lock(m_lock);
    m_volume = volume;
    if (m_output != nullptr) midiOutSetVolume(m_output, volume);
}

void MidiSequencer::ChooseOutputDevice() {
    const UINT count = midiOutGetNumDevs();
    for (UINT device = 0; device < count; ++device) {
        MIDIOUTCAPSA caps{};
        if (midiOutGetDevCapsA(device, &caps, sizeof(caps)) != MMSYSERR_NOERROR) continue;
        if (std::string_view(caps.szPname).find(kPassedOverName) != std::string_view::npos)
            continue;
        m_deviceId = static_cast<int32_t>(device);
        m_deviceSettles = caps.wTechnology != MOD_SWSYNTH;
        return;
    }
    m_deviceId = kMidiMapper;
    m_deviceSettles = true;
}

// Hardware ports and the mapper, which may lead to one, get a pause after each
// instrument change and after a reset to take them in; a software synthesizer takes
// them at once.
void MidiSequencer::Settle(DWORD milliseconds) const {
    if (m_deviceSettles) Sleep(milliseconds);
}

HMIDIOUT MidiSequencer::OpenOutput(int32_t deviceId) {
    HMIDIOUT output = nullptr;
    if (midiOutOpen(&output, static_cast<UINT>(deviceId), 0, 0, CALLBACK_NULL) !=
        MMSYSERR_NOERROR) {
        return nullptr;
    }
    midiOutReset(output);
    // An output opens at full volume.
    if (m_volume != kFullVolume) midiOutSetVolume(output, m_volume);
    for (DWORD channel = 0; channel < kChannels; ++channel) {
        midiOutShortMsg(output, MidiEvent::kProgramChange + channel);
        Settle(kProgramChangeSettle);
    }
    return output;
}

void MidiSequencer::PlayFile(const char* path) {
    std::string toLoad;
    {
        std::lock_guard lock(m_lock);
        toLoad = path != nullptr ? path : m_path;
    }
    MidiSong loaded;
    if (LoadMidiFile(toLoad, loaded)) return;
    StopPlayback();
    std::lock_guard lock(m_lock);
    m_path = toLoad;
    StartSong(loaded);
}

MidiSequencer::TimerStop MidiSequencer::MarkStopped() {
    std::lock_guard lock(m_lock);
    const TimerStop stop{m_timerRunning != 0, m_timerId};
    m_timerRunning = 0;
    return stop;
}

void MidiSequencer::FinishStop() {
    timeEndPeriod(m_timerPeriod);
    midiOutReset(m_output);
    Settle(kResetSettle);
}

void MidiSequencer::StopPlayback() {
    const TimerStop stop = MarkStopped();
    if (!stop.wasRunning) return;
    // Without the lock: a tick in progress must be able to finish for the kill to
    // return, and any later tick finds the timer stopped.
    timeKillEvent(stop.timerId);
    std::lock_guard lock(m_lock);
    FinishStop();
}

void MidiSequencer::CloseDevice() {
    StopPlayback();
    std::lock_guard lock(m_lock);
    m_cursor.Free();
    if (m_output == nullptr) return;
    midiOutClose(m_output);
    m_output = nullptr;
}

void MidiSequencer::StartSong(MidiSong& loaded) {
    TIMECAPS caps{1, 1};
    timeGetDevCaps(&caps, sizeof(caps));
    m_timerPeriod = caps.wPeriodMin;
    m_startTick = 0;
    m_cursor.Start(loaded, m_timerPeriod, m_startTick);
    // A song without tracks would end in every period and reload itself for ever.
    if (!m_cursor.HasTracks()) return;
    timeBeginPeriod(m_timerPeriod);
    m_songStart = timeGetTime();
    m_periodsPlayed = 0;
    WakeAfterPeriod(1);
    if (m_timerRunning == 0) timeEndPeriod(m_timerPeriod);
}

// The player sleeps until the period in which the next event is due: a one-shot
// timer for that moment, counted from the song's start so that lateness never adds up.
void MidiSequencer::WakeAfterPeriod(uint32_t period) {
    const DWORD dueAt = period * m_timerPeriod;
    const DWORD elapsed = timeGetTime() - m_songStart;
    const DWORD delay = dueAt > elapsed ? dueAt - elapsed : 1;
    m_timerId =
        timeSetEvent(delay, 0, TimerCallback, reinterpret_cast<DWORD_PTR>(this), TIME_ONESHOT);
    m_timerRunning = m_timerId != 0 ? 1 : 0;
}

uint32_t MidiSequencer::PeriodsDue() const {
    return (timeGetTime() - m_songStart) / m_timerPeriod;
}

void MidiSequencer::TimerCallback(UINT timerId, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<MidiSequencer*>(user)->TimerTick(timerId);
}

// Plays every period that has come since the last wake, each exactly as a timer tick
// of one period would, then sleeps until the next event is due. After a stall the
// periods missed are passed as when entering the song in the middle, once every note
// has ended, so that the song goes on from where it stands now with its controllers
// and instruments right; the times of the events after are those of a song that never
// stalled.
void MidiSequencer::TimerTick(UINT timerId) {
    std::lock_guard lock(m_lock);
    // A tick of a timer that has been stopped meanwhile has nothing left to play.
    if (m_timerRunning == 0 || timerId != m_timerId) return;
    for (;;) {
        const DWORD elapsed = timeGetTime() - m_songStart;
        const bool sending = !Stalled(elapsed);
        if (!sending) EndEveryNote();
        for (const uint32_t due = elapsed / m_timerPeriod; m_periodsPlayed < due;) {
            ++m_periodsPlayed;
            if (m_cursor.PlayPeriod(sending) == 0) {
                RestartFromTimer();
                return;
            }
        }
        const uint32_t next = m_periodsPlayed + m_cursor.PeriodsToNextEvent(kLongestSleep);
        if (next > PeriodsDue()) {
            WakeAfterPeriod(next);
            return;
        }
    }
}

// Whether the first event of the periods due `elapsed` milliseconds into the song came
// due more than kStallMilliseconds ago.
bool MidiSequencer::Stalled(DWORD elapsed) const {
    const uint32_t due = elapsed / m_timerPeriod;
    // No event of a shorter span of periods can be that late.
    if (m_periodsPlayed >= due ||
        elapsed - (m_periodsPlayed + 1) * m_timerPeriod <= kStallMilliseconds)
        return false;
    const uint32_t firstEvent =
        m_periodsPlayed + m_cursor.PeriodsToNextEvent(due - m_periodsPlayed);
    return elapsed - firstEvent * m_timerPeriod > kStallMilliseconds;
}

// All notes off on every channel, for the note offs a stall skips. Like them it leaves
// to the sustain pedal a note the pedal holds, until the song lifts it.
void MidiSequencer::EndEveryNote() {
    for (DWORD channel = 0; channel < kChannels; ++channel)
        midiOutShortMsg(m_output, (MidiEvent::kControlChange + channel) | kAllNotesOff << 8);
}

void MidiSequencer::RestartFromTimer() {
    MidiSong loaded;
    const bool reloaded = !LoadMidiFile(m_path, loaded);
    m_timerRunning = 0;
    timeKillEvent(m_timerId);
    FinishStop();
    // A song that can no longer be read (deleted or damaged while playing) leaves the
    // music silent, as a missing song at start does, instead of retrying every period.
    if (reloaded) StartSong(loaded);
}

int32_t MidiSequencer::DeviceId() const {
    std::lock_guard lock(m_lock);
    return m_deviceId;
}

bool MidiSequencer::IsPlaying() const {
    std::lock_guard lock(m_lock);
    return m_timerRunning != 0;
}

bool MidiSequencer::IsOpen() const {
    std::lock_guard lock(m_lock);
    return m_output != nullptr;
}

float MidiSequencer::Position() const {
    std::lock_guard lock(m_lock);
    return m_cursor.Position();
}
