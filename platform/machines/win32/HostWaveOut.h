#pragma once
// The system's audio output through its wave-out device, fed block after block by a
// thread of its own: 16-bit stereo at the mix rate, kBlocks blocks of kBlockFrames
// queued at most. The thread asks for each block as a block comes back played; when
// there is nothing to hear it queues none and sleeps until woken, so that a silent
// stream costs nothing.
//
// A host file: it talks to Windows, and its header uses standard types only.

#include <cstddef>
#include <functional>
#include <memory>
#include <span>

class HostWaveOut {
public:
    // About 23 ms a block at 44,100 frames a second; four of them ride out a busy moment
    // of the machine and still let an effect start within a tenth of a second.
    static constexpr size_t kBlockFrames = 1024;
    static constexpr size_t kBlocks = 4;
    static constexpr size_t kChannels = 2;

    // Fills the next block (interleaved stereo floats from -1 to 1); false when there is
    // nothing to hear: the block is not played, and the stream rests until Wake.
    using Fill = std::function<bool(std::span<float> block)>;

    // Opens the default audio output at `sampleRate`; null when there is none.
    static std::unique_ptr<HostWaveOut> Open(int sampleRate, Fill fill);
    // Stops the thread, silences the output and closes it.
    ~HostWaveOut();
    HostWaveOut(const HostWaveOut&) = delete;
    HostWaveOut& operator=(const HostWaveOut&) = delete;

    // There may be something to hear again: the thread asks for blocks.
    void Wake();

private:
    struct Device;

    explicit HostWaveOut(std::unique_ptr<Device> device);

    std::unique_ptr<Device> m_device;
};
