#include "LayoutFixture.h"

#include "board/Mahjong.h"

#include <cstdio>

std::string writeFlatLayout(const std::string& folder) {
    std::string path = folder + "/flat.tab";
    std::FILE* file = std::fopen(path.c_str(), "w");
    int placed = 0;
    for (int layer = 0; layer < boardLayers; ++layer)
        for (int row = boardRows - 1; row >= 0; --row) {
            for (int column = 0; column < boardColumns; ++column) {
                bool tile = placed < 144 && (layer == 0 || (layer == 1 && row < 2));
                placed += tile ? 1 : 0;
                std::fprintf(file, "%d ", tile ? 1 : 0);
            }
            std::fputc('\n', file);
        }
    std::fclose(file);
    return path;
}
