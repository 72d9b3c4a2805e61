#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "platform/machines/win32/HostWaveOut.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

struct HostWaveOut::Device {
    HWAVEOUT output = nullptr;
    // Signalled by the output as each block comes back played, and by Wake.
    HANDLE blockDone = nullptr;
    std::array<WAVEHDR, kBlocks> headers{};
    std::array<std::vector<int16_t>, kBlocks> blocks;
    std::vector<float> mix = std::vector<float>(kBlockFrames * kChannels);
    Fill fill;
    std::atomic<bool> ending = false;
    std::thread feeder;

    ~Device();
    bool Prepare();
    void Feed();
    // Fills every block not queued, in turn, until the mix falls silent.
    void QueueFreeBlocks();
};

namespace {

int16_t ToSixteenBits(float sample) {
    return static_cast<int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

std::unique_ptr<HostWaveOut> HostWaveOut::Open(int sampleRate, Fill fill) {
    auto device = std::make_unique<Device>();
    device->fill = std::move(fill);
    device->blockDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (device->blockDone == nullptr) return nullptr;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(kChannels);
    format.nSamplesPerSec = static_cast<DWORD>(sampleRate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(kChannels * sizeof(int16_t));
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    if (waveOutOpen(&device->output, WAVE_MAPPER, &format,
                    reinterpret_cast<DWORD_PTR>(device->blockDone), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        device->output = nullptr;
        return nullptr;
    }
    if (!device->Prepare()) return nullptr;
    device->feeder = std::thread(&Device::Feed, device.get());
    return std::unique_ptr<HostWaveOut>(new HostWaveOut(std::move(device)));
}

HostWaveOut::HostWaveOut(std::unique_ptr<Device> device) : m_device(std::move(device)) {}

HostWaveOut::~HostWaveOut() = default;

void HostWaveOut::Wake() {
    SetEvent(m_device->blockDone);
}

// Each block is prepared once, and starts out as played: free for the first mix.
bool HostWaveOut::Device::Prepare() {
    for (size_t i = 0; i < kBlocks; ++i) {
        blocks[i].resize(kBlockFrames * kChannels);
        WAVEHDR& header = headers[i];
        header.lpData = reinterpret_cast<LPSTR>(blocks[i].data());
        header.dwBufferLength = static_cast<DWORD>(blocks[i].size() * sizeof(int16_t));
        if (waveOutPrepareHeader(output, &header, sizeof header) != MMSYSERR_NOERROR) return false;
        header.dwFlags |= WHDR_DONE;
    }
    return true;
}

void HostWaveOut::Device::Feed() {
    while (WaitForSingleObject(blockDone, INFINITE) == WAIT_OBJECT_0 && !ending) QueueFreeBlocks();
}

void HostWaveOut::Device::QueueFreeBlocks() {
    for (size_t i = 0; i < kBlocks; ++i) {
        WAVEHDR& header = headers[i];
        if ((header.dwFlags & WHDR_DONE) == 0) continue;
        if (!fill(mix)) return;
        std::transform(mix.begin(), mix.end(), blocks[i].begin(), ToSixteenBits);
        header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
        if (waveOutWrite(output, &header, sizeof header) != MMSYSERR_NOERROR) {
            header.dwFlags |= WHDR_DONE;
            return;
        }
    }
}

// The thread first, then the blocks come back unplayed and the output closes.
HostWaveOut::Device::~Device() {
    if (feeder.joinable()) {
        ending = true;
        SetEvent(blockDone);
        feeder.join();
    }
    if (output != nullptr) {
        waveOutReset(output);
        for (WAVEHDR& header : headers) {
            if ((header.dwFlags & WHDR_PREPARED) != 0)
                waveOutUnprepareHeader(output, &header, sizeof header);
        }
        waveOutClose(output);
    }
    if (blockDone != nullptr) CloseHandle(blockDone);
}
