#pragma once
// The resources built into the program: the dialog pictures and their buttons, the
// "ArrowCursor" cursor, icon 100 and the four WAVE sounds. They are looked up the way
// Windows looks up resources: by type, and by name without regard to case; a numeric
// resource id is the name "#<id>" ("#100").
//
// The bytes of each kind:
// - Bitmap: a picture file of the album's own layout ("Q3", 24 bits, bottom-up rows
//   padded to 4 bytes, pixels at offset 54).
// - Cursor, Icon: the same layout; magenta (255, 0, 255) pixels are transparent. A
//   cursor's hot spot is given with it.
// - Wave: a RIFF WAVE file.

#include <cstdint>
#include <span>
#include <string_view>

enum class ResourceKind : uint8_t { Bitmap, Cursor, Icon, Wave };

struct Resource {
    const char* name;
    ResourceKind kind;
    std::span<const uint8_t> bytes;
    int32_t hotSpotX;
    int32_t hotSpotY;
    // A resource not built into the program (the browser's pictures) has no bytes here
    // but this file in the album's "resources" folder, read when first asked for.
    const char* file;
};

class Resources {
public:
    // Null when the program has no resource of that kind and name (or its file is not
    // there).
    static const Resource* Find(std::string_view name, ResourceKind kind);
    static const Resource* Find(uint16_t id, ResourceKind kind);
    // The resource with its bytes: itself when built in; else read from its file the
    // first time and kept from then on. Null when the file cannot be read whole.
    static const Resource* WithBytes(const Resource& resource);

    // Every embedded resource; the table is written by the content generator.
    static std::span<const Resource> All();
};
