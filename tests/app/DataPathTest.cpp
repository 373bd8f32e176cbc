#include "platform/DataPath.h"
#include "platform/GameRandom.h"

#include <gtest/gtest.h>

TEST(DataPath, BackslashesBecomeTheNativeSeparator) {
    struct Case {
        const char* data;
        const char* native;
    } cases[] = {
        {"tex\\bang.bmp", "tex/bang.bmp"},
        {"mahjong\\tile64.bmp", "mahjong/tile64.bmp"},
        {"config.cfg", "config.cfg"},
        {"sound\\sub\\x.mod", "sound/sub/x.mod"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nativePath(c.data), c.native) << c.data;
    EXPECT_EQ(nativePath(nullptr), "");
}

TEST(GameRandom, SameSeedSameSequenceWithinFifteenBits) {
    seedGameRandom(1234);
    int first[20];
    for (int& value : first) {
        value = drawGameRandom();
        EXPECT_GE(value, 0);
        EXPECT_LE(value, gameRandomMax);
    }
    seedGameRandom(1234);
    for (int value : first)
        EXPECT_EQ(drawGameRandom(), value);
}

TEST(GameRandom, UniformDrawStaysInRange) {
    seedGameRandom(99);
    for (int limit : {1, 2, 42, 32767, 32768})
        for (int i = 0; i < 1000; ++i) {
            int value = drawUniform(limit);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, limit);
        }
}
