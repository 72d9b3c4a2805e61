#pragma once
// The name a grown-up gives an album, one for each child: it names the album's own
// folder, so it is kept to what no file system reads otherwise and no path can be made
// of: ASCII letters, digits, spaces, '-' and '_', neither starting nor ending with a
// space, at most kLongest characters. The album without a name is the first album.

#include <cstddef>
#include <string_view>

struct AlbumName {
    static constexpr size_t kLongest = 30;
    // The rule as a grown-up reads it.
    static constexpr const char* kRule = "letters, digits, spaces, '-' and '_', at most 30 of them";

    static bool IsValid(std::string_view name);
};
