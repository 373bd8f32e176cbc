#include "board/Layout.h"

#include "platform/DataPath.h"

#include <cctype>
#include <climits>

namespace {

// One whitespace-separated decimal integer, read the way "%d" reads it but
// without its undefined behaviour on overflow: a value that does not fit in
// 32 bits, or a number glued to other text ("12abc"), is refused.
enum class Token { Number, End, Garbage };

Token readInteger(std::FILE* file, std::int32_t& value) {
    int ch = std::fgetc(file);
    while (ch != EOF && std::isspace(ch))
        ch = std::fgetc(file);
    if (ch == EOF)
        return Token::End;
    bool negative = false;
    if (ch == '+' || ch == '-') {
        negative = ch == '-';
        ch = std::fgetc(file);
    }
    if (ch == EOF || !std::isdigit(ch))
        return Token::Garbage;
    std::int64_t magnitude = 0;
    for (; ch != EOF && std::isdigit(ch); ch = std::fgetc(file)) {
        magnitude = magnitude * 10 + (ch - '0');
        if (magnitude > std::int64_t{INT_MAX} + 1)
            return Token::Garbage;
    }
    if (ch != EOF && !std::isspace(ch))
        return Token::Garbage;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX)
        return Token::Garbage;
    value = static_cast<std::int32_t>(signedValue);
    return Token::Number;
}

bool onlyWhiteSpaceLeft(std::FILE* file) {
    for (int ch = std::fgetc(file); ch != EOF; ch = std::fgetc(file))
        if (!std::isspace(ch))
            return false;
    return true;
}

bool valueIsWellFormed(std::int32_t value) {
    if (value < 0 || (value & ~(layoutTileMask | shiftRight | shiftDown)) != 0)
        return false;
    const bool shifted = (value & (shiftRight | shiftDown)) != 0;
    return !shifted || (value & layoutTileMask) != 0;
}

// Marks every cell the tile anchored at (row, column) takes: its own and the
// ones its shifts reach into. False when one of them is already taken.
bool claimCells(bool (&claimed)[boardRows][boardColumns], int row, int column, std::int32_t value) {
    const int right = (value & shiftRight) != 0 ? 1 : 0;
    const int down = (value & shiftDown) != 0 ? 1 : 0;
    for (int r = row - down; r <= row; ++r)
        for (int c = column; c <= column + right; ++c) {
            if (claimed[r][c])
                return false;
            claimed[r][c] = true;
        }
    return true;
}

LayoutError checkLayer(const std::int32_t (&values)[boardRows][boardColumns], int& tiles) {
    bool claimed[boardRows][boardColumns] = {};
    // Top row first, as the file lists it, so a tile is met before the cells it covers.
    for (int row = boardRows - 1; row >= 0; --row)
        for (int column = 0; column < boardColumns; ++column) {
            const std::int32_t value = values[row][column];
            if (!valueIsWellFormed(value))
                return LayoutError::BadValue;
            if (value == 0)
                continue;
            if ((value & shiftRight) != 0 && column == boardColumns - 1)
                return LayoutError::ShiftRightAtEdge;
            if ((value & shiftDown) != 0 && row == 0)
                return LayoutError::ShiftDownAtEdge;
            if (!claimCells(claimed, row, column, value))
                return LayoutError::Overlap;
            ++tiles;
        }
    return LayoutError::None;
}

} // namespace

LayoutError checkLayout(const Layout& layout) {
    int tiles = 0;
    for (const auto& layer : layout.values) {
        const LayoutError error = checkLayer(layer, tiles);
        if (error != LayoutError::None)
            return error;
    }
    return tiles == layoutTileCount ? LayoutError::None : LayoutError::TileCount;
}

LayoutError readLayout(std::FILE* file, Layout& layout) {
    Layout parsed;
    for (auto& layer : parsed.values)
        for (int row = boardRows - 1; row >= 0; --row)
            for (auto& value : layer[row]) {
                const Token token = readInteger(file, value);
                if (token == Token::End)
                    return LayoutError::TooFewNumbers;
                if (token == Token::Garbage)
                    return LayoutError::NotANumber;
            }
    if (!onlyWhiteSpaceLeft(file))
        return LayoutError::TrailingContent;
    const LayoutError error = checkLayout(parsed);
    if (error == LayoutError::None)
        layout = parsed;
    return error;
}

LayoutError readLayout(const char* dataPath, Layout& layout) {
    std::FILE* file = openDataFile(dataPath, "r");
    if (file == nullptr)
        return LayoutError::CannotOpen;
    const LayoutError error = readLayout(file, layout);
    std::fclose(file);
    return error;
}
