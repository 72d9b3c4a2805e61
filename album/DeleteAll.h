#pragma once
// Rewrites the save file of every page of the book as an empty page, so that every
// page reads back without stickers. Clear All uses it, and so does the used-sticker
// record to write the empty pages of a fresh save folder. The record's own file is
// never touched here.

#include <cstdint>
#include <string>

#include "album/Validatable.h"

class DeleteAll : public Validatable {
public:
    DeleteAll();
    virtual ~DeleteAll();

    DeleteAll(const DeleteAll&) = delete;
    DeleteAll& operator=(const DeleteAll&) = delete;

    // True while a DeleteAll exists.
    bool IsValid() const override;

    // Empties the save file of every page of the book, in page order. A page whose
    // file cannot be written keeps its old file and the others are still cleared.
    void ClearPageFiles();
    // Empties the page save file with this relative name.
    void ClearPageFile(const std::string& relativeName);

private:
    static void WriteEmptyPage(const std::string& fullPath);

    static uint8_t ms_Exists;
};
