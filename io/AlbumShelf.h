#pragma once
// The albums side by side in the album folder: the album without a name, once it has
// a record, and the named albums in the order they were made, each name on a line of
// "save003\albums\albums.txt". Paths are relative to the current directory, the
// album folder, so that the program can look before the album opens.

#include <string>
#include <vector>

class AlbumShelf {
public:
    static constexpr const char* kListFile = "save003\\albums\\albums.txt";

    // The albums there are, as names ("" the album without a name), in the order they
    // were made; a line of the list that names no album there is passed over.
    static std::vector<std::string> Albums();
    // Adds the named album `name` to the list when it is not there yet (the list's
    // folder must exist).
    static void Remember(const std::string& name);

private:
    static std::vector<std::string> NamesListed();
};
