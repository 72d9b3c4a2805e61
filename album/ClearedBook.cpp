#include "album/ClearedBook.h"

#include <algorithm>
#include <array>

#include "catalogue/PageTable.h"
#include "diag/Log.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/FileManager.h"
#include "io/Serializer.h"
#include "platform/kernel/Kernel.h"

namespace {

constexpr std::string_view kRecordFile = "book-copy.txt";
constexpr std::string_view kCopyFolderStem = "book-copy-";
constexpr std::string_view kFolderKey = "copy = ";
constexpr std::string_view kDateKey = "date = ";
constexpr std::string_view kReasonKey = "reason = ";
constexpr std::string_view kBringingBackKey = "bringing-back = ";
constexpr std::string_view kCleared = "cleared";
constexpr std::string_view kReplaced = "replaced";

// A file of the book by its name in the save folder ("page01.sav").
std::string_view NameInFolder(const char* relativeName) {
    const std::string_view name(relativeName);
    return name.substr(name.rfind('\\') + 1);
}

char OtherFolder(char folder) {
    return folder == 'a' ? 'b' : 'a';
}

bool IsFolderName(std::string_view value) {
    return value == "a" || value == "b";
}

// The value of the line starting with `key`, or nothing.
std::optional<std::string_view> ValueOf(std::string_view text, std::string_view key) {
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        if (line.starts_with(key)) return line.substr(key.size());
        start = end + 1;
    }
    return std::nullopt;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> ReadWhole(const std::string& path) {
    try {
        DeSerializer file(path);
        return file.GetText();
    } catch (const FileError& error) {
        WriteLog("ClearedBook: %s not read (%s)", path.c_str(), error.what());
        return std::nullopt;
    }
}

// Replaces the file at `path` whole with `bytes`; true only once they are on the disk.
bool WriteWhole(const std::string& path, std::string_view bytes) {
    try {
        Serializer file(path);
        file.PutText(bytes);
        return file.Finish();
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

ClearedBook ClearedBook::OfAlbum() {
    std::string saveFolder;
    CFileManager().MakeAlbumPath(saveFolder, kSaveFolder);
    return ClearedBook(saveFolder);
}

std::string ClearedBook::Today() {
    // Short, so that the panel's row that names the date fits any of them.
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const size_t month = std::clamp<size_t>(now.wMonth, 1, kMonths.size()) - 1;
    return std::to_string(now.wDay) + " " + kMonths[month] + " " + std::to_string(now.wYear);
}

std::string ClearedBook::PathOf(std::string_view entry) const {
    std::string path = m_saveFolder;
    if (!entry.empty()) path.append("\\").append(entry);
    return path;
}

std::string ClearedBook::CopyFolder(char folder) {
    return std::string(kCopyFolderStem) + folder;
}

std::optional<ClearedBook::Copy> ClearedBook::Kept() const {
    const std::optional<Record> record = ReadRecord();
    if (!record || record->bringingBack) return std::nullopt;
    return record->copy;
}

bool ClearedBook::Keep(const std::string& date, Reason reason) {
    const std::optional<Record> record = ReadRecord();
    const char folder = record ? OtherFolder(record->folder) : 'a';
    CreateDirectoryA(PathOf(CopyFolder(folder)).c_str(), nullptr);
    if (!CopyBook("", CopyFolder(folder))) {
        WriteLog("ClearedBook::Keep: the book could not be copied; the copy kept before stays");
        return false;
    }
    return WriteRecord(Record{folder, Copy{date, reason}, std::nullopt});
}

bool ClearedBook::BringBack(const std::string& date) {
    const std::optional<Record> record = ReadRecord();
    if (!record || record->bringingBack) return false;
    const char spare = OtherFolder(record->folder);
    CreateDirectoryA(PathOf(CopyFolder(spare)).c_str(), nullptr);
    if (!CopyBook("", CopyFolder(spare))) {
        WriteLog("ClearedBook::BringBack: the book could not be put aside; nothing changed");
        return false;
    }
    const Record underWay{spare, Copy{date, Reason::Replaced}, record->folder};
    return WriteRecord(underWay) && FinishBringBack(underWay);
}

bool ClearedBook::FinishInterruptedBringBack() {
    const std::optional<Record> record = ReadRecord();
    if (!record || !record->bringingBack) return true;
    WriteLog("ClearedBook: finishing the bring-back of the book copy %c", *record->bringingBack);
    return FinishBringBack(*record);
}

bool ClearedBook::FinishBringBack(const Record& record) const {
    if (!CopyBook(CopyFolder(*record.bringingBack), "")) return false;
    return WriteRecord(Record{record.folder, record.copy, std::nullopt});
}

bool ClearedBook::CopyBook(const std::string& from, const std::string& to) const {
    for (const char* relativeName : PageSaveFiles) {
        const std::string_view name = NameInFolder(relativeName);
        const auto inFolder = [&](const std::string& folder) {
            return folder.empty() ? PathOf(name) : PathOf(folder + "\\" + std::string(name));
        };
        if (!CopyFile(inFolder(from), inFolder(to))) return false;
    }
    return true;
}

bool ClearedBook::CopyFile(const std::string& from, const std::string& to) const {
    if (!Exists(from)) return !Exists(to) || DeleteFileA(to.c_str()) != FALSE;
    const std::optional<std::string> bytes = ReadWhole(from);
    return bytes && WriteWhole(to, *bytes);
}

std::optional<ClearedBook::Record> ClearedBook::ReadRecord() const {
    const std::string path = PathOf(kRecordFile);
    if (!Exists(path)) return std::nullopt;
    const std::optional<std::string> whole = ReadWhole(path);
    if (!whole) return std::nullopt;
    const std::string_view text = *whole;
    const auto folder = ValueOf(text, kFolderKey);
    const auto date = ValueOf(text, kDateKey);
    const auto reason = ValueOf(text, kReasonKey);
    const auto bringingBack = ValueOf(text, kBringingBackKey);
    if (!folder || !IsFolderName(*folder) || !date || !reason ||
        (bringingBack && !IsFolderName(*bringingBack)))
        return std::nullopt;
    Record record{
        folder->front(),
        Copy{std::string(*date), *reason == kReplaced ? Reason::Replaced : Reason::Cleared},
        std::nullopt};
    if (bringingBack) record.bringingBack = bringingBack->front();
    return record;
}

bool ClearedBook::WriteRecord(const Record& record) const {
    std::string text;
    text.append(kFolderKey).append(1, record.folder).append("\n");
    text.append(kDateKey).append(record.copy.date).append("\n");
    text.append(kReasonKey)
        .append(record.copy.reason == Reason::Replaced ? kReplaced : kCleared)
        .append("\n");
    if (record.bringingBack)
        text.append(kBringingBackKey).append(1, *record.bringingBack).append("\n");
    return WriteWhole(PathOf(kRecordFile), text);
}
