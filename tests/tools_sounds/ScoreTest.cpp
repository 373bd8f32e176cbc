#include "tools/sounds/Score.h"
#include "tools/sounds/Harmony.h"

#include <gtest/gtest.h>

namespace {

ModSample tinySample(int volume) {
    ModSample sample;
    sample.data.assign(16, 10);
    sample.volume = volume;
    return sample;
}

// A score with one pitched instrument sounding C4 at C-2 and one drum hit.
Score tinyScore(int rowsPerBar, int barsPerPattern) {
    Score score(rowsPerBar, barsPerPattern);
    score.addInstrument("lead", tinySample(40), 60);
    score.addInstrument("drum", tinySample(64), 0);
    score.addHit("k", "drum", 24, 30);
    return score;
}

TEST(Score, TurnsNotationIntoCells) {
    Score score = tinyScore(16, 4);
    score.write(0, 0, "@lead C4/4 E4/2!20 r/2 D4/4 fade/4");
    score.write(1, 1, "k/8 k/8!12");
    ModModule module;
    ASSERT_EQ(score.build("t", module), "");
    ASSERT_EQ(module.patterns.size(), 1u);
    const ModPattern& p = module.patterns[0];
    const struct {
        int row, channel;
        ModCell cell;
    } cells[] = {
        {0, 0, {428, 1, 0, 0}},    // C4 on the lead is C-2
        {4, 0, {339, 1, 0xC, 20}}, // E4 is E-2, volume 20
        {6, 0, {0, 0, 0xC, 0}},    // silenced
        {7, 0, {}},                // nothing new
        {8, 0, {381, 1, 0, 0}},    // D4 at the sample's volume, 40
        {12, 0, {0, 0, 0xC, 30}},  // fading from 40 over four rows
        {15, 0, {0, 0, 0xC, 0}},
        {16, 1, {214, 2, 0xC, 30}}, // the hit at C-3 with its volume
        {24, 1, {214, 2, 0xC, 12}},
        {0, 3, {0, 0, 0xF, 6}}, // speed and tempo in free effect columns
        {0, 2, {0, 0, 0xF, 125}},
    };
    for (const auto& c : cells)
        EXPECT_EQ(p.at(c.row, c.channel), c.cell) << "row " << c.row << " channel " << c.channel;
}

TEST(Score, ShortPatternsBreakAndRepeatsAreStoredOnce) {
    Score score = tinyScore(12, 4);
    for (int bar = 0; bar < 12; bar += 4)
        score.write(0, bar, "@lead C4/12 | D4/12 | C4/12 | D4/12");
    score.write(1, 8, "k/12");
    ModModule module;
    ASSERT_EQ(score.build("t", module), "");
    // The first pattern carries speed and tempo, so it differs from the second.
    EXPECT_EQ(module.orders, (std::vector<std::uint8_t>{0, 1, 2}));
    score.write(2, 12, "@lead C4/12 | D4/12 | C4/12 | D4/12");
    ASSERT_EQ(score.build("t", module), "");
    EXPECT_EQ(module.orders.size(), 4u);
    for (const auto& pattern : module.patterns) {
        const ModCell& last = pattern.at(47, 3);
        EXPECT_EQ(last.effect, 0xD) << "a 48-row pattern ends with a break";
    }
}

TEST(Score, ReportsMistakesInTheNotation) {
    const struct {
        const char* notation;
        const char* message;
    } cases[] = {
        {"@lead C4/5 | D4/16", "bar line falls at row 5"},
        {"@piano C4", "unknown instrument"},
        {"C4/4", "no instrument is chosen"},
        {"@lead C1", "out of the range"},
        {"@lead C4/x", "cannot read"},
        {"@lead C4!99", "cannot read"},
        {"@lead H4", "is not a note"},
    };
    for (const auto& c : cases) {
        Score score = tinyScore(16, 4);
        score.write(0, 0, c.notation);
        ModModule module;
        const std::string error = score.build("t", module);
        EXPECT_NE(error.find(c.message), std::string::npos) << c.notation << ": " << error;
        EXPECT_TRUE(module.patterns.empty()) << c.notation;
    }
}

TEST(Score, ReportsOverlappingParts) {
    Score score = tinyScore(16, 4);
    score.write(0, 0, "@lead C4/16");
    score.write(0, 0, "@lead D4/16");
    ModModule module;
    EXPECT_NE(score.build("t", module).find("already written"), std::string::npos);
}

TEST(Harmony, ReadsChordsAndNoteNames) {
    const struct {
        const char* symbol;
        int root;
        std::vector<int> tones;
    } chords[] = {
        {"F", 5, {0, 4, 7}},     {"Bbmaj7", 10, {0, 4, 7, 11}}, {"C#m7", 1, {0, 3, 7, 10}},
        {"Esus4", 4, {0, 5, 7}}, {"Am9", 9, {0, 3, 7, 10, 14}}, {"G7", 7, {0, 4, 7, 10}},
    };
    for (const auto& c : chords) {
        Chord chord;
        ASSERT_EQ(parseChord(c.symbol, chord), "") << c.symbol;
        EXPECT_EQ(chord.root, c.root) << c.symbol;
        EXPECT_EQ(chordTones(chord.kind), c.tones) << c.symbol;
    }
    Chord chord;
    EXPECT_NE(parseChord("Hmaj7", chord), "");
    EXPECT_NE(parseChord("Cdim", chord), "");
    std::vector<std::vector<Chord>> bars;
    EXPECT_NE(parseProgression("C | | F", bars), "");

    const struct {
        const char* name;
        int midi;
    } notes[] = {{"C4", 60},  {"A4", 69}, {"F#3", 54}, {"Bb5", 82}, {"Cb4", 59},
                 {"B#3", 60}, {"C", -1},  {"H4", -1},  {"C#", -1},  {"C44", -1}};
    for (const auto& n : notes)
        EXPECT_EQ(parseNoteName(n.name), n.midi) << n.name;
    for (int midi = 24; midi < 100; ++midi) {
        EXPECT_EQ(parseNoteName(noteName(midi)), midi);
        EXPECT_EQ(parseNoteName(noteName(midi, true)), midi);
    }
}

} // namespace
