#pragma once
// The album folder of a fuzz target, kept in memory: an empty folder of the target's
// own is made the base directory, and a memory volume is mounted over
// it, so that every file the readers open, map, write, rename or delete below it costs
// no system call. The save and data folders exist in it from the start.

#include <cstddef>
#include <string>

namespace FuzzAlbum {

// Sets the folder up at the first call (`name` names it in the temporary folder) and
// answers the base directory.
const std::string& Base(const char* name);
// Replaces the file at `relativeName` ("\save003\page02.sav") with `size` bytes.
void PutFile(const std::string& relativeName, const void* data, size_t size);

}  // namespace FuzzAlbum
