#include "content/ContentOutput.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

const char* KindName(ResourceKind kind) {
    switch (kind) {
        case ResourceKind::Bitmap:
            return "Bitmap";
        case ResourceKind::Cursor:
            return "Cursor";
        case ResourceKind::Icon:
            return "Icon";
        case ResourceKind::Wave:
            return "Wave";
    }
    return "Bitmap";
}

// "#100" becomes "100", "ArrowCursor" "arrowcursor": names that are safe as file names.
std::string FileName(const GeneratedResource& resource) {
    std::string name;
    for (char c : resource.name) {
        if (c >= 'A' && c <= 'Z') {
            name += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            name += c;
        }
    }
    return name + (resource.kind == ResourceKind::Wave ? ".wav" : ".q3");
}

// The program embeds the resource files with the assembler's .incbin, which finds
// them through the include path the build gives it; the table below then only names
// the symbols and sizes. Keeping paths out of the source keeps it the same wherever
// the build tree lies. WebAssembly objects give each symbol a section and a size of
// its own, so the browser build reads a second form of the same directives.
//
// The browser build leaves the pictures out (BuiltIn): they are most of the bytes and
// none is shown before the title, so they come from the site with the album's files.
bool BuiltIn(const GeneratedResource& resource, bool wasm) {
    return !wasm || resource.kind != ResourceKind::Bitmap;
}

// What the directives mean on each host. An ELF object keeps the bytes in .rodata, hides
// the symbols and goes back with .previous. A Windows program's read-only section is
// .rdata, it exports nothing it does not name, and its assembler knows neither .hidden
// nor .previous: the compiler's code goes on in .text. (WebAssembly hides the symbols too.)
constexpr const char* kHostDirectives = R"(
#if defined(_WIN32)
#define QUILLORY_READ_ONLY ".section .rdata,\"dr\"\n"
#define QUILLORY_HIDDEN(symbol)
#define QUILLORY_BACK ".text\n"
#else
#define QUILLORY_READ_ONLY ".section .rodata\n"
#define QUILLORY_HIDDEN(symbol) ".hidden " #symbol "\n"
#define QUILLORY_BACK ".previous\n"
#endif
)";

std::string EmbeddingDirectives(const std::vector<GeneratedResource>& resources, bool wasm) {
    std::ostringstream directives;
    directives << "asm(";
    if (!wasm) directives << "QUILLORY_READ_ONLY\n";
    for (size_t i = 0; i < resources.size(); ++i) {
        if (!BuiltIn(resources[i], wasm)) continue;
        const std::string symbol = "quillory_resource_" + std::to_string(i);
        directives << "    \"";
        if (wasm) directives << ".section .rodata." << symbol << ",\\\"\\\",@\\n";
        directives << ".balign 16\\n\" QUILLORY_HIDDEN(" << symbol << ") \".global " << symbol
                   << "\\n"
                   << symbol << ":\\n.incbin \\\"" << FileName(resources[i]) << "\\\"\\n";
        if (wasm) directives << ".size " << symbol << ", " << resources[i].bytes.size() << "\\n";
        directives << "\"\n";
    }
    // The WebAssembly assembler knows no .previous; it needs none.
    directives << (wasm ? ");\n" : "    QUILLORY_BACK);\n");
    return directives.str();
}

std::string TableRows(const std::vector<GeneratedResource>& resources, bool wasm) {
    std::ostringstream rows;
    for (size_t i = 0; i < resources.size(); ++i) {
        const GeneratedResource& resource = resources[i];
        rows << "    {\"" << resource.name << "\", ResourceKind::" << KindName(resource.kind)
             << ", ";
        if (BuiltIn(resource, wasm)) {
            rows << "{quillory_resource_" << i << ", " << resource.bytes.size() << "}, ";
        } else {
            rows << "{}, ";
        }
        rows << resource.hotSpotX << ", " << resource.hotSpotY << ", ";
        rows << (BuiltIn(resource, wasm) ? "nullptr" : "\"" + FileName(resource) + "\"") << "},\n";
    }
    return rows.str();
}

std::string EmbeddingSource(const std::vector<GeneratedResource>& resources) {
    std::ostringstream source;
    source << "// Written by the content generator: the resources embedded in the program.\n"
              "#include \"platform/user/Resources.h\"\n\n";
    for (size_t i = 0; i < resources.size(); ++i) {
        source << "extern \"C\" const uint8_t quillory_resource_" << i << "[];\n";
    }
    source << kHostDirectives;
    source << "\n#if defined(__wasm__)\n"
           << EmbeddingDirectives(resources, true) << "#else\n"
           << EmbeddingDirectives(resources, false) << "#endif\n\n";
    source << "namespace {\n\nconst Resource kEmbeddedResources[] = {\n"
           << "#if defined(__wasm__)\n"
           << TableRows(resources, true) << "#else\n"
           << TableRows(resources, false) << "#endif\n";
    source << "};\n\n}  // namespace\n\n"
              "std::span<const Resource> Resources::All() {\n"
              "    return kEmbeddedResources;\n"
              "}\n";
    return source.str();
}

}  // namespace

void ContentOutput::AddAlbumFile(const std::string& relativePath, std::vector<uint8_t> bytes) {
    m_albumFiles.push_back({relativePath, std::move(bytes)});
}

const std::vector<uint8_t>* ContentOutput::FindAlbumFile(const std::string& relativePath) const {
    for (const AlbumFile& file : m_albumFiles) {
        if (file.relativePath == relativePath) return &file.bytes;
    }
    return nullptr;
}

std::string ContentOutput::AlbumPath(const char* catalogueName) {
    std::string path(catalogueName);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path.starts_with('/') ? path.substr(1) : path;
}

void ContentOutput::AddResource(GeneratedResource resource) {
    m_resources.push_back(std::move(resource));
}

void ContentOutput::AddPreview(const std::string& name, Canvas sheet) {
    m_previews.push_back({name, std::move(sheet)});
}

void ContentOutput::WriteAlbum(const std::filesystem::path& albumFolder) const {
    for (const AlbumFile& file : m_albumFiles) {
        WriteFile(albumFolder / file.relativePath, file.bytes);
    }
}

void ContentOutput::WriteResources(const std::filesystem::path& resourceFolder) const {
    for (const GeneratedResource& resource : m_resources) {
        WriteFile(resourceFolder / FileName(resource), resource.bytes);
    }
    const std::string source = EmbeddingSource(m_resources);
    WriteFile(resourceFolder / "EmbeddedResources.cpp",
              std::vector<uint8_t>(source.begin(), source.end()));
}

void ContentOutput::WritePreviews(const std::filesystem::path& previewFolder) const {
    std::filesystem::create_directories(previewFolder);
    for (const Preview& preview : m_previews) {
        preview.sheet.WritePng((previewFolder / (preview.name + ".png")).string());
    }
}
