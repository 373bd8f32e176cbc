#pragma once

#include "Font.h"

#include <memory>
#include <string>

// The fonts the pictures are lettered with.
struct FontSet {
    std::unique_ptr<Font> sans;          // help text
    std::unique_ptr<Font> sansBold;      // headings, letters on faces
    std::unique_ptr<Font> condensedBold; // words on the small effect pictures
    std::unique_ptr<Font> chinese;       // the signs on the tile faces

    // Finds all four and checks that each has the characters it will draw.
    // On failure returns false and says which font or character is missing.
    bool load(std::string& error);
};
