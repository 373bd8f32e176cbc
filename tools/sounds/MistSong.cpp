#include "tools/sounds/Arranger.h"
#include "tools/sounds/Instruments.h"
#include "tools/sounds/Songs.h"

// A slow ambient piece in A minor: a glass bell over wide, slowly beating pads
// and a sub bass, with soft percussion in the middle. 66 beats a minute, four
// rows a beat, four bars a pattern.
namespace {

constexpr int rowsPerBar = 16;
constexpr int drumNote = 24; // C-3

const std::map<std::string, std::string> pads = {
    {"m9", "padMinor9"}, {"maj7", "padMajor7"}, {"m7", "padMinor7"}, {"sus4", "padSus4"}};

const char* bellA1 = "E5/8 A5/4 B5/4 | C6/12 A5/4 | G5/8 E5/8 | D5/4 E5/4 B4/8";
const char* bellA2 = "E5/8 A5/4 B5/4 | C6/8 E6/8 | D6/8 B5/4 G5/4 | E5/16";
const char* bellB1 = "A5/6 C6/2 E6/8 | D6/8 C6/4 G5/4 | F5/6 A5/2 C6/4 E6/4 | D6/8 B5/8";
const char* bellB2 = "A5/6 C6/2 E6/8 | G6/8 E6/4 C6/4 | D6/6 C6/2 A5/8 | B5/16";

std::string bass(const Progression& bars) {
    return lineOf(bars, [](const std::vector<Chord>& chords, int) {
        const int root = rootFrom(chords.front().root, 36);
        return "@bass " + noteName(root) + "/12 " + noteName(root + 7) + "/4!40";
    });
}

std::string percussion(const Progression& bars, bool full) {
    return lineOf(bars, [=](const std::vector<Chord>&, int index) {
        if (!full)
            return std::string(index % 2 ? "-/16" : "K/8 t/8!16");
        return std::string(index % 4 == 3 ? "K/4 h/2!14 h/2!18 t/4!22 h/2!16 t/2!18"
                                          : "K/4 h/2!14 h/2!18 t/4!22 h/2!14 h/2!18");
    });
}

} // namespace

std::string composeMist(ModModule& module) {
    Score score(rowsPerBar, 4);
    score.setTempo(6, 66);
    score.addInstrument("bell", glassBellSample(68), 68);
    score.addInstrument("padMinor9", padSample("pad m9", {0, 7, 10, 14, 15}, 48), 48);
    score.addInstrument("padMajor7", padSample("pad maj7", {0, 7, 11, 16}, 48), 48);
    score.addInstrument("padMinor7", padSample("pad m7", {0, 7, 10, 15}, 48), 48);
    score.addInstrument("padSus4", padSample("pad sus4", {0, 7, 12, 17, 19}, 48), 48);
    score.addInstrument("bass", roundBassSample(48), 48);
    const double rate = rateAtNote(drumNote);
    score.addInstrument("kick", makeSample("deep kick", kickSignal(rate, false), 64), 0);
    score.addInstrument("shaker", makeSample("shaker", shakerSignal(rate), 64), 0);
    score.addInstrument("block", makeSample("wood block", woodBlockSignal(rate), 64), 0);
    score.addHit("K", "kick", drumNote, 40);
    score.addHit("h", "shaker", drumNote, 16);
    score.addHit("t", "block", drumNote, 18);

    std::string error;
    const Progression partA = progression("Am9 | Fmaj7 | Cmaj7 | Em7", error);
    const Progression partB = progression("Fmaj7 | Cmaj7 | Dm9 | Esus4", error);
    const Progression outro = progression("Am9 | Fmaj7 | Am9 | Am9", error);
    if (!error.empty())
        return error;

    const std::string bell = "@bell ";
    auto section = [&](const Progression& chords, const std::string& melody,
                       const std::string& drums) {
        return Section{chords,
                       {bell + melody, padLine(chords, rowsPerBar, pads, 43), bass(chords), drums}};
    };
    writeSections(
        score, 0,
        {
            {partA,
             {bell + "-/8 E6/8!34 | -/16 | -/8 B5/8!34 | -/16",
              padLine(partA, rowsPerBar, pads, 43),
              "-/16 | -/16 | " + bass(progression("Cmaj7 | Em7", error)), ""}},
            section(partA, bellA1, percussion(partA, false)),
            section(partA, bellA2, percussion(partA, false)),
            section(partB, bellB1, percussion(partB, true)),
            section(partB, bellB2, percussion(partB, true)),
            section(partA, bellA1, percussion(partA, true)),
            section(partA, bellA2, percussion(partA, false)),
            {outro,
             {bell + "E5/8 A5/8 | C6/16 | B5/8 A5/8 | -/16",
              "@padMinor9 A2/16 | @padMajor7 F3/16 | @padMinor9 A2/16 | -/2 fade/14",
              "@bass A2/16 | F2/16 | A2/16 | fade/16", "K/8 t/8!14 | -/16 | -/16 | -/16"}},
        });
    if (!error.empty())
        return error;
    return score.build("mist", module);
}
