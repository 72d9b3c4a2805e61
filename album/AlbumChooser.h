#pragma once
// The albums to choose from on the title screen when there are several, one for each
// child: each album is a big card beside the title with an animal of its own (given in
// the order the albums were made) and its name; the chosen one is ringed. The start
// button then opens the chosen album. With no albums offered it shows nothing.

#include <memory>
#include <string>
#include <vector>

#include "gfx/DIB.h"
#include "platform/user/UserTypes.h"

class AlbumChooser {
public:
    // At most this many cards fit beside the title; later albums are opened by name.
    static constexpr size_t kMostCards = 8;
    // What the card of the album without a name says.
    static constexpr const char* kUnnamedLabel = "Album";

    AlbumChooser();
    ~AlbumChooser();
    AlbumChooser(const AlbumChooser&) = delete;
    AlbumChooser& operator=(const AlbumChooser&) = delete;

    // Offers `albums` (names, "" the album without a name), `chosen` the one chosen first.
    void Offer(std::vector<std::string> albums, const std::string& chosen);
    bool IsOffering() const { return !m_albums.empty(); }
    const std::string& Chosen() const;

    // The card at `point` (main window coordinates), or -1.
    int32_t CardAt(POINT point) const;
    // Chooses card `card`; false when it was chosen already or is no card.
    bool Choose(int32_t card);
    // Chooses the card `step` places on (wrapping round), as the arrow keys do.
    void ChooseNext(int32_t step);
    // The card `card`'s area in main window coordinates.
    RECT CardArea(int32_t card) const;

    // Draws every card (their pictures are read on the first draw).
    void Draw(HDC dc);

private:
    void DrawCard(HDC dc, int32_t card);
    size_t Cards() const;

    std::vector<std::string> m_albums;
    size_t m_chosen = 0;
    std::vector<std::unique_ptr<CDIB>> m_pictures;
};
