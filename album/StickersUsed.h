#pragma once
// The lasting record of which sticker graphics have been stuck: one entry per sticker,
// kept in "\save003\page00.sav" and rewritten whole at every change, so that a sticker
// stays used across runs until the album is cleared. It also keeps the count of
// stickers still unused for the buttons, the counter and Clear All.

#include <cstdint>
#include <string>
#include <vector>

#include "album/Validatable.h"
#include "catalogue/StickerNumbering.h"
#include "io/Serializable.h"

constexpr int32_t SU_NOT_USED = 0;
constexpr int32_t SU_USED = 1;
constexpr int32_t SU_MIN_INDEX = STICKER01_01;
constexpr int32_t SU_MAX_INDEX = NUMBEROFSTICKERGRAPHICS - 1;
constexpr const char* SU_VER = "TV";

class StickersUsed : public Serializable, public Validatable {
public:
    // Reads nothing; the record's full path is taken from the base directory at its
    // first read or write, so that the album may make its record before the base
    // directory is known.
    StickersUsed();
    virtual ~StickersUsed() = default;

    StickersUsed(const StickersUsed&) = delete;
    StickersUsed& operator=(const StickersUsed&) = delete;

    // The entries of the record, without its head.
    void Serialize(Serializer& serializer) override;
    void DeSerialize(DeSerializer& deserializer) override;

    // True while the record holds one entry per sticker.
    bool IsValid() const override;

    // Saves the whole record; false (and a log line) when it cannot, in which case
    // the file keeps its previous contents.
    bool WriteStickersUsed();
    // Loads the record and makes it agree with the page files: a sticker on a page is
    // used, any other is not, and each repair is logged and saved. A missing, short or
    // foreign record is rebuilt from the pages and answers false; the pages are never
    // emptied for it. Only a fresh save folder, with no page file at all, gets an empty
    // record and empty page files (ResetAfterBadFile).
    bool ReadStickersUsed();

    // Marks a sticker used and saves the record.
    void SetStickerUsed(int32_t stickerIndex);
    // SU_NOT_USED or SU_USED, or -1 for an index that is no sticker.
    int32_t GetStickerUsed(int32_t stickerIndex) const;
    // Marks every sticker unused and saves the record.
    bool ResetStickersUsed();
    // Resets the record and writes the empty save file of every page.
    void ResetAfterBadFile();

    int32_t GetStickersLeft() const;

private:
    const std::string& FileName();
    bool ReadRecordFile();
    void RebuildFromPages(const std::vector<bool>& onPages);
    void AgreeWithPages(const std::vector<bool>& onPages);
    void CountStickersLeft();

    int32_t m_stickersLeft = NUMBEROFSTICKERGRAPHICS;
    std::vector<int32_t> m_entries = std::vector<int32_t>(NUMBEROFSTICKERGRAPHICS, SU_NOT_USED);
    std::string m_fileName;
};
