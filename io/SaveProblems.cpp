#include "io/SaveProblems.h"

#include "diag/Log.h"
#include "diag/TextFormat.h"
#include "platform/Kernel.h"

namespace {

std::string g_notice;
bool g_told = false;

const char* ReasonOf(DWORD error) {
    switch (error) {
        case ERROR_HANDLE_DISK_FULL:
            return "the disk is full";
        case ERROR_ACCESS_DENIED:
            return "the folder or its files may not be written";
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
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

}  // namespace

void SaveProblems::Report(const std::string& fileName, DWORD error) {
    WriteLog("SaveProblems: %s not saved, error %i", fileName.c_str(), static_cast<int>(error));
    if (g_told || !g_notice.empty()) return;
    g_notice = NoticeFor(fileName, error);
}

std::string SaveProblems::NoticeFor(const std::string& fileName, DWORD error) {
    return FormatText(
        "Quillory 3 cannot save the stickers in the folder %s: %s.\n\n"
        "The stickers stay in the album while it is open, and it tries again at every "
        "sticker and page turn.",
        FolderOf(fileName).c_str(), ReasonOf(error));
}

std::string SaveProblems::TakeNotice() {
    if (g_told || g_notice.empty()) return {};
    g_told = true;
    return std::move(g_notice);
}

void SaveProblems::Reset() {
    g_notice.clear();
    g_told = false;
}
