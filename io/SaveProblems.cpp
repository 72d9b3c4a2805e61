#include "io/SaveProblems.h"

#include <array>
#include <set>
#include <utility>

#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "platform/kernel/Kernel.h"

namespace {

enum class Kind { DiskFull, NotWritable, FolderMissing, Refused, Count };

struct KindOfFailure {
    // The files whose last save failed this way.
    std::set<std::string> failing;
    // The message waiting to be told; empty once told or when nothing is due.
    std::string notice;
    bool told = false;
};

std::array<KindOfFailure, static_cast<size_t>(Kind::Count)> g_kinds;
SaveProblems::Teller g_teller;

Kind KindOf(DWORD error) {
    switch (error) {
        case ERROR_HANDLE_DISK_FULL:
            return Kind::DiskFull;
        case ERROR_ACCESS_DENIED:
            return Kind::NotWritable;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return Kind::FolderMissing;
        default:
            return Kind::Refused;
    }
}

const char* ReasonOf(DWORD error) {
    switch (KindOf(error)) {
        case Kind::DiskFull:
            return "the disk is full";
        case Kind::NotWritable:
            return "the folder or its files may not be written";
        case Kind::FolderMissing:
            return "the folder is missing";
        default:
            return "the disk did not take the files";
    }
}

// The folder of a full program path, as the host names it.
std::string FolderOf(const std::string& fileName) {
    const std::string host = ToHostPath(fileName);
    const size_t slash = host.rfind('/');
    return slash == std::string::npos ? std::string(".") : host.substr(0, slash);
}

// The file no longer fails in the ways other than `kept`. A kind that no file meets any
// more is over: it is told again should it come back, and not at all if it was not yet.
void ForgetFailures(const std::string& fileName, const KindOfFailure* kept) {
    for (KindOfFailure& kind : g_kinds) {
        if (&kind == kept || kind.failing.erase(fileName) == 0 || !kind.failing.empty()) continue;
        kind.notice.clear();
        kind.told = false;
    }
}

}  // namespace

void SaveProblems::SetTeller(Teller teller) {
    g_teller = std::move(teller);
}

void SaveProblems::Report(const std::string& fileName, DWORD error) {
    WriteLog("SaveProblems: %s not saved, error %i", fileName.c_str(), static_cast<int>(error));
    KindOfFailure& kind = g_kinds[static_cast<size_t>(KindOf(error))];
    ForgetFailures(fileName, &kind);
    kind.failing.insert(fileName);
    if (kind.told || !kind.notice.empty()) return;
    kind.notice = NoticeFor(fileName, error);
    if (g_teller) g_teller();
}

void SaveProblems::Saved(const std::string& fileName) {
    ForgetFailures(fileName, nullptr);
}

std::string SaveProblems::NoticeFor(const std::string& fileName, DWORD error) {
    return FormatText(
        "Quillory 3 cannot save the stickers in the folder %s: %s.\n\n"
        "The stickers stay in the album while it is open, and it tries again at every "
        "sticker and page turn.",
        FolderOf(fileName).c_str(), ReasonOf(error));
}

std::vector<std::string> SaveProblems::TakeNotices() {
    std::vector<std::string> notices;
    for (KindOfFailure& kind : g_kinds) {
        if (kind.notice.empty()) continue;
        notices.push_back(std::move(kind.notice));
        kind.notice.clear();
        kind.told = true;
    }
    return notices;
}

void SaveProblems::Reset() {
    g_kinds = {};
    g_teller = nullptr;
}
