#pragma once
// Everything one generator run makes, gathered before anything is written: the files
// of the album folder, the resources to embed in the program and, on request, the
// contact sheets for review. Each picture module adds its own part.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "content/Canvas.h"
#include "platform/user/Resources.h"

struct GeneratedResource {
    std::string name;
    ResourceKind kind;
    std::vector<uint8_t> bytes;
    int32_t hotSpotX = 0;
    int32_t hotSpotY = 0;
};

class ContentOutput {
public:
    explicit ContentOutput(bool withPreviews) : m_withPreviews(withPreviews) {}

    // A file of the album folder, by its path inside that folder ("QLY03.mid").
    void AddAlbumFile(const std::string& relativePath, std::vector<uint8_t> bytes);
    // A file added before, or null: the contact sheets compose screens from them.
    const std::vector<uint8_t>* FindAlbumFile(const std::string& relativePath) const;
    // The path inside the album folder of a data file the catalogue names
    // ("\\data003\\b0101.dat" is "data003/b0101.dat").
    static std::string AlbumPath(const char* catalogueName);
    void AddResource(GeneratedResource resource);
    // Contact sheets cost time to draw; modules ask first.
    bool WantsPreviews() const { return m_withPreviews; }
    void AddPreview(const std::string& name, Canvas sheet);

    void WriteAlbum(const std::filesystem::path& albumFolder) const;
    // The resource files and the source file that embeds them in the program.
    void WriteResources(const std::filesystem::path& resourceFolder) const;
    void WritePreviews(const std::filesystem::path& previewFolder) const;

private:
    struct AlbumFile {
        std::string relativePath;
        std::vector<uint8_t> bytes;
    };
    struct Preview {
        std::string name;
        Canvas sheet;
    };

    bool m_withPreviews;
    std::vector<AlbumFile> m_albumFiles;
    std::vector<GeneratedResource> m_resources;
    std::vector<Preview> m_previews;
};
