// The content generator: draws every picture, synthesises every sound and writes the
// song, then writes the album folder and the resources that the program embeds.
//
//   quillory_content_generator --album DIR --resources DIR [--loading-picture FILE]
//                                                 (FILE: the web page's loading picture)
//   quillory_content_generator --preview DIR      (contact sheets only, for review)
//   quillory_content_generator --scenes DIR       (the pages without their stickers'
//                                                  outlines, to check the outlines by)
//
// Each kind of content is one module with a Generate(ContentOutput&) operation, run in
// the order of kModules below.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <string>

#include "content/ContentOutput.h"
#include "content/DialogPictures.h"
#include "content/FramePictures.h"
#include "content/InterfaceButtons.h"
#include "content/LoadingPicture.h"
#include "content/MessageLettering.h"
#include "content/PointerPictures.h"
#include "content/ScenePages.h"
#include "content/ScreenPreviews.h"
#include "content/Song.h"
#include "content/SoundEffects.h"
#include "content/SparklePictures.h"
#include "content/StickerPictures.h"
#include "content/TitlePictures.h"

namespace {

using ContentModule = void (*)(ContentOutput&);

constexpr ContentModule kModules[] = {
    DialogPictures::Generate,
    MessageLettering::Generate,
    PointerPictures::Generate,
    SoundEffects::Generate,
    Song::Generate,
    StickerPictures::Generate,
    ScenePages::Generate,
    SparklePictures::Generate,
    InterfaceButtons::Generate,
    FramePictures::Generate,
    TitlePictures::Generate,
    // Last: it composes whole screens from the files the modules above made.
    ScreenPreviews::Generate,
};

constexpr const char* kUsage =
    "usage: quillory_content_generator --album DIR --resources DIR [--loading-picture FILE]\n"
    "       quillory_content_generator --preview DIR\n"
    "       quillory_content_generator --scenes DIR\n";

// Options come in "--name value" pairs; anything else is an error.
bool ReadOptions(int argc, char** argv, std::map<std::string, std::filesystem::path>& options) {
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc || (name != "--album" && name != "--resources" && name != "--preview" &&
                              name != "--scenes" && name != "--loading-picture")) {
            return false;
        }
        options[name] = argv[i + 1];
    }
    const bool build = options.contains("--album") && options.contains("--resources");
    const bool alone = options.contains("--preview") || options.contains("--scenes");
    const size_t loading = options.contains("--loading-picture") ? 1u : 0u;
    return options.size() == (build ? 2u + loading : 1u) && build != alone;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::filesystem::path> options;
    if (!ReadOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        if (options.contains("--scenes")) {
            ContentOutput scenes(false);
            ScenePages::GenerateScenes(scenes);
            scenes.WriteAlbum(options["--scenes"]);
            return 0;
        }
        ContentOutput output(options.contains("--preview"));
        for (const ContentModule module : kModules) {
            module(output);
        }

        if (output.WantsPreviews()) {
            output.WritePreviews(options["--preview"]);
        } else {
            output.WriteAlbum(options["--album"]);
            output.WriteResources(options["--resources"]);
            if (options.contains("--loading-picture"))
                LoadingPicture::Write(output, options["--loading-picture"]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillory_content_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
