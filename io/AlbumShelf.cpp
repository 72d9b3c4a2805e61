#include "io/AlbumShelf.h"

#include <algorithm>

#include "io/AlbumName.h"
#include "io/DeSerializer.h"
#include "io/FileError.h"
#include "io/FileManager.h"
#include "io/Serializer.h"
#include "platform/kernel/Kernel.h"

namespace {

constexpr const char* kUnnamedRecord = "save003\\page00.sav";
constexpr const char* kAlbumsFolder = "save003\\albums\\";

}  // namespace

std::vector<std::string> AlbumShelf::NamesListed() {
    std::string text;
    try {
        DeSerializer list(kListFile);
        text = list.GetText();
    } catch (const FileError&) {
        return {};
    }
    std::vector<std::string> names;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string name = text.substr(start, end - start);
        start = end + 1;
        if (AlbumName::IsValid(name) && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

std::vector<std::string> AlbumShelf::Albums() {
    std::vector<std::string> albums;
    if (GetFileAttributesA(kUnnamedRecord) != INVALID_FILE_ATTRIBUTES) albums.emplace_back();
    for (const std::string& name : NamesListed())
        if (CFileManager::DirectoryExists((kAlbumsFolder + name).c_str())) albums.push_back(name);
    return albums;
}

void AlbumShelf::Remember(const std::string& name) {
    std::vector<std::string> names = NamesListed();
    if (std::find(names.begin(), names.end(), name) != names.end()) return;
    names.push_back(name);
    std::string text;
    for (const std::string& listed : names) text += listed + '\n';
    try {
        Serializer list(kListFile);
        list.PutText(text);
    } catch (const FileError&) {
        // The Serializer has logged and reported it; the album is still there by name.
    }
}
