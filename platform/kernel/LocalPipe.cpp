#include "platform/kernel/LocalPipe.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <atomic>
#include <thread>

namespace {

// How long a later copy waits for a first copy busy with another.
constexpr DWORD kBusyWait = 2000;

std::wstring PipePath(const std::string& name) {
    return L"\\\\.\\pipe\\" + std::wstring(name.begin(), name.end());
}

bool WriteAll(HANDLE pipe, const void* data, DWORD size) {
    DWORD put = 0;
    return WriteFile(pipe, data, size, &put, nullptr) && put == size;
}

bool ReadAll(HANDLE pipe, void* data, DWORD size) {
    DWORD got = 0;
    return ReadFile(pipe, data, size, &got, nullptr) && got == size;
}

HANDLE Connect(const std::wstring& path) {
    HANDLE pipe = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_PIPE_BUSY &&
        WaitNamedPipeW(path.c_str(), kBusyWait)) {
        pipe = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    }
    return pipe;
}

}  // namespace

// The pipe's one instance and the thread that answers on it, one caller at a time.
struct LocalPipe::Server {
    Server(std::wstring pathOfPipe, HANDLE servedPipe, Answer answerWith)
        : path(std::move(pathOfPipe)),
          pipe(servedPipe),
          answer(std::move(answerWith)),
          thread([this] { Run(); }) {}

    ~Server() {
        // A caller of its own wakes the thread from its wait for one.
        stopping.store(true);
        const HANDLE waking = Connect(path);
        if (waking != INVALID_HANDLE_VALUE) CloseHandle(waking);
        thread.join();
        CloseHandle(pipe);
    }

    void Run() {
        for (;;) {
            const bool connected =
                ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
            if (stopping.load()) return;
            if (connected) AnswerCaller();
            DisconnectNamedPipe(pipe);
        }
    }

    void AnswerCaller() {
        char code = 0;
        if (!ReadAll(pipe, &code, 1)) return;
        const std::optional<uint32_t> value = answer(code);
        if (value) WriteAll(pipe, &*value, sizeof(*value));
        FlushFileBuffers(pipe);
    }

    std::wstring path;
    HANDLE pipe;
    Answer answer;
    std::atomic<bool> stopping{false};
    std::thread thread;
};

std::unique_ptr<LocalPipe> LocalPipe::Serve(const std::string& name, Answer answer) {
    std::wstring path = PipePath(name);
    const HANDLE pipe = CreateNamedPipeW(
        path.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 64, 64, 0,
        nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return nullptr;
    return std::unique_ptr<LocalPipe>(
        new LocalPipe(std::make_unique<Server>(std::move(path), pipe, std::move(answer))));
}

std::optional<uint32_t> LocalPipe::Ask(const std::string& name, char code) {
    const HANDLE pipe = Connect(PipePath(name));
    if (pipe == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<uint32_t> answer;
    uint32_t value = 0;
    if (WriteAll(pipe, &code, 1) && ReadAll(pipe, &value, sizeof(value))) answer = value;
    CloseHandle(pipe);
    return answer;
}

LocalPipe::LocalPipe(std::unique_ptr<Server> server) : m_server(std::move(server)) {}

LocalPipe::~LocalPipe() = default;
