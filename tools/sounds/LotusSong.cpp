#include "tools/sounds/Arranger.h"
#include "tools/sounds/Instruments.h"
#include "tools/sounds/Songs.h"

// D major pentatonic over a plucked string, a soft flute, pads, a round bass and
// light hand percussion. 80 beats a minute, four rows a beat, four bars a pattern.
namespace {

constexpr int rowsPerBar = 16;
constexpr int drumNote = 24; // C-3

const std::map<std::string, std::string> pads = {{"", "padMajor"}, {"m", "padMinor"}};

const char* melodyA = "F#5/6 E5/2 D5/4 A4/4 | B4/4 D5/4 F#5/8 | B5/6 A5/2 F#5/4 E5/4 | E5/16 |"
                      "F#5/6 E5/2 D5/4 A4/4 | B4/4 D5/4 F#5/4 A5/4 | B5/6 A5/2 F#5/4 E5/2 D5/2 |"
                      "E5/8 F#5/4 A4/4";
const char* fluteA = "F#5/6 E5/2 D5/4 A4/4 | B4/4 D5/4 F#5/8 | B5/6 A5/2 F#5/4 E5/4 | E5/14 r/2 |"
                     "F#5/6 E5/2 D5/4 A4/4 | B4/4 D5/4 F#5/4 A5/4 | B5/6 A5/2 F#5/4 E5/2 D5/2 |"
                     "E5/8 F#5/4 A4/2 r/2";
const char* fluteB = "D6/8 B5/4 A5/4 | A5/8 E5/6 r/2 | F#5/6 A5/2 B5/4 A5/4 | F#5/12 D5/4 |"
                     "E5/6 F#5/2 A5/4 B5/4 | D6/6 B5/2 A5/8 | E5/8 F#5/4 E5/4 | E5/14 r/2";
const char* melodyA2 = "A5/6 F#5/2 E5/4 D5/4 | F#5/4 B5/4 A5/8 | D6/6 B5/2 A5/4 F#5/4 |"
                       "E5/8 F#5/4 E5/4 | A5/6 F#5/2 E5/4 D5/4 | B4/4 D5/4 F#5/4 B5/4 |"
                       "A5/6 F#5/2 E5/4 B4/4 | E5/8 -/4 A4/4";

std::string arpeggio(const Progression& bars, int volume) {
    return lineOf(bars, [=](const std::vector<Chord>& chords, int) {
        const Chord& chord = chords.front();
        const int root = rootFrom(chord.root, 52);
        const int third = thirdOf(chord.kind);
        std::string text = "@pluck";
        for (int step : {0, 7, 12, 12 + third, 19, 12 + third, 12, 7})
            text += " " + noteName(root + step) + "/2!" + std::to_string(volume);
        return text;
    });
}

std::string bass(const Progression& bars) {
    return lineOf(bars, [](const std::vector<Chord>& chords, int) {
        const int root = rootFrom(chords.front().root, 38);
        return "@bass " + noteName(root) + "/8 " + noteName(root + 7) + "/4 " +
               noteName(root + 12) + "/4";
    });
}

std::string drums(const Progression& bars) {
    return lineOf(bars, [](const std::vector<Chord>&, int index) {
        return index % 4 == 3 ? std::string("k/4 h/2!16 h/2!22 t/2!24 t/2!20 t/2!28 h/2!18")
                              : std::string("k/4 h/2!16 h/2!22 t/4 h/2!16 h/2!22");
    });
}

} // namespace

std::string composeLotus(ModModule& module) {
    Score score(rowsPerBar, 4);
    score.setTempo(6, 80);
    score.addInstrument("pluck", pluckSample(64), 64);
    score.addInstrument("flute", fluteSample(67), 67);
    score.addInstrument("padMajor", padSample("pad major", {0, 7, 12, 16, 19}, 48), 48);
    score.addInstrument("padMinor", padSample("pad minor", {0, 7, 12, 15, 19}, 48), 48);
    score.addInstrument("bass", roundBassSample(48), 48);
    const double drumRate = rateAtNote(drumNote);
    score.addInstrument(
        "kick",
        makeSample("soft kick",
                   together({{kickSignal(drumRate, true), 1.0}, {shakerSignal(drumRate), 0.3}}),
                   64),
        0);
    score.addInstrument("shaker", makeSample("shaker", shakerSignal(drumRate), 64), 0);
    score.addInstrument("block", makeSample("wood block", woodBlockSignal(drumRate), 64), 0);
    score.addHit("k", "kick", drumNote, 52);
    score.addHit("h", "shaker", drumNote, 20);
    score.addHit("t", "block", drumNote, 26);

    std::string error;
    const Progression intro = progression("D | Bm | G | A", error);
    const Progression partA = progression("D | Bm | G | A | D | Bm | Em | A", error);
    const Progression partB = progression("G | A | F#m | Bm | Em | G | A | A", error);
    const Progression outro = progression("D | Bm | G | D", error);
    if (!error.empty())
        return error;

    const std::string melody = "@pluck ";
    const std::string flute = "@flute ";
    writeSections(
        score, 0,
        {
            {intro,
             {arpeggio(intro, 30), padLine(intro, rowsPerBar, pads, 43),
              "-/16 | -/16 | " + bass(progression("G | A", error)),
              "-/16 | -/16 | -/16 | -/8 t/2!16 t/2!20 t/2!24 t/2!28"}},
            {partA,
             {melody + melodyA, padLine(partA, rowsPerBar, pads, 43), bass(partA), drums(partA)}},
            {partA, {flute + fluteA, arpeggio(partA, 28), bass(partA), drums(partA)}},
            {partB,
             {flute + fluteB, padLine(partB, rowsPerBar, pads, 43), bass(partB), drums(partB)}},
            {partA, {melody + melodyA2, arpeggio(partA, 28), bass(partA), drums(partA)}},
            {outro,
             {melody + "F#5/6 E5/2 D5/8 | B4/16 | D5/6 E5/2 B4/8 | D5/16",
              "@padMajor D3/16 | @padMinor B2/16 | @padMajor G2/16 | @padMajor D3/4 fade/12",
              "@bass D2/16 | B2/16 | G2/16 | D2/4 fade/12", "k/4 h/2!14 h/2!18 t/4 -/4"}},
        });
    return score.build("lotus", module);
}
