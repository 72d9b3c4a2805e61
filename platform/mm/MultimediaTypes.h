#pragma once
// The multimedia services' types, flags and result codes, with the Windows names and
// numbers, shared by the services and the machines that carry them out.

#include <cstddef>
#include <cstdint>

#include "platform/kernel/WinTypes.h"

using MMRESULT = UINT;
using DWORD_PTR = uintptr_t;

struct MidiOutObject;
using HMIDIOUT = MidiOutObject*;

struct WaveOutObject;
using HWAVEOUT = WaveOutObject*;

struct ModuleObject;
using HMODULE = ModuleObject*;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT TIMERR_NOERROR = 0;
constexpr MMRESULT TIMERR_NOCANDO = 97;

constexpr UINT TIME_ONESHOT = 0x0000;
constexpr UINT TIME_PERIODIC = 0x0001;

constexpr UINT MIDI_MAPPER = 0xFFFFFFFF;
constexpr DWORD CALLBACK_NULL = 0x00000000;
constexpr WORD MOD_MIDIPORT = 1;
constexpr WORD MOD_SWSYNTH = 7;
constexpr size_t MAXPNAMELEN = 32;

constexpr DWORD SND_SYNC = 0x0000;
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_NOSTOP = 0x0010;
constexpr DWORD SND_NOWAIT = 0x2000;
constexpr DWORD SND_RESOURCE = 0x00040004;

struct TIMECAPS {
    UINT wPeriodMin;
    UINT wPeriodMax;
};

struct MIDIOUTCAPSA {
    WORD wMid;
    WORD wPid;
    DWORD vDriverVersion;
    char szPname[MAXPNAMELEN];
    WORD wTechnology;
    WORD wVoices;
    WORD wNotes;
    WORD wChannelMask;
    DWORD dwSupport;
};

using LPTIMECALLBACK = void (*)(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR reserved1,
                                DWORD_PTR reserved2);
