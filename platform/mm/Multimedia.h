#pragma once
// The multimedia services the program uses: the timer device (capabilities, period
// requests, periodic and one-shot timers whose callbacks run on the timer thread), MIDI
// output devices and asynchronous playback of WAVE resources. Names, structures, flags
// and result codes are the Windows ones; the machine behind them is the installed
// MultimediaBackend.

#include "platform/mm/MultimediaTypes.h"

MMRESULT timeGetDevCaps(TIMECAPS* caps, UINT size);
MMRESULT timeBeginPeriod(UINT period);
MMRESULT timeEndPeriod(UINT period);

// Starts a timer whose callback runs on the timer thread (one thread runs the callbacks
// of every timer, one after another): every `delay` milliseconds (TIME_PERIODIC), or
// once, when timeGetTime has moved `delay` on (TIME_ONESHOT; the timer then ends by
// itself). Returns its id, or 0 when it cannot start.
UINT timeSetEvent(UINT delay, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR user, UINT flags);
// Stops a timer. Called from another thread, it returns only once a callback of that
// timer still running has finished; called from the timer's own callback it returns
// at once. No callback of the timer starts afterwards.
MMRESULT timeKillEvent(UINT timerId);

UINT midiOutGetNumDevs();
MMRESULT midiOutGetDevCapsA(UINT deviceId, MIDIOUTCAPSA* caps, UINT size);
// `deviceId` is a device number or MIDI_MAPPER. Only CALLBACK_NULL is offered.
MMRESULT midiOutOpen(HMIDIOUT* output, UINT deviceId, DWORD_PTR callback, DWORD_PTR instance,
                     DWORD flags);
// A null, closed or unknown handle fails with MMSYSERR_INVALHANDLE and has no effect.
MMRESULT midiOutShortMsg(HMIDIOUT output, DWORD message);
MMRESULT midiOutReset(HMIDIOUT output);
MMRESULT midiOutClose(HMIDIOUT output);
// The output's volume: the left channel's in the low word, the right's in the high word,
// each from 0 (silent) to 0xFFFF (full, as opened).
MMRESULT midiOutSetVolume(HMIDIOUT output, DWORD volume);

// The volume of the sounds PlaySoundA plays from now on, as midiOutSetVolume takes it;
// the program's one wave output is the null `output`.
MMRESULT waveOutSetVolume(HWAVEOUT output, DWORD volume);

// Plays the WAVE resource `sound` (flags SND_RESOURCE, found by name without regard to
// case among the registered wave resources) and returns at once; the new sound cuts
// off one still playing. A null `sound` stops the sound playing. `module` is unused:
// the program is one module. Returns FALSE for an unknown resource or another source.
BOOL PlaySoundA(const char* sound, HMODULE module, DWORD flags);
