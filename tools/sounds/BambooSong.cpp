#include "tools/sounds/Arranger.h"
#include "tools/sounds/Instruments.h"
#include "tools/sounds/Songs.h"

// A light swing tune in F: vibraphone over electric-piano comping, a walking
// upright bass and brushes on a ride cymbal. Three rows a beat give the swung
// eighths (2 + 1 rows); 100 beats a minute; 48-row patterns of four bars.
namespace {

constexpr int rowsPerBar = 12;
constexpr int drumNote = 33; // A-3: the cymbals need the high rate

const std::map<std::string, std::string> comps = {
    {"maj7", "epMajor7"}, {"m7", "epMinor7"}, {"7", "epDominant7"}};

const char* vibesA1 =
    "A5/3 G5/2 F5/1 E5/3 C5/3 | D5/2 F5/1 A5/3 C6/3 A5/3 | Bb5/5 A5/1 G5/3 F5/3 |"
    "E5/2 G5/1 Bb5/3 A5/2 G5/1 E5/3 | C6/5 A5/1 E5/3 G5/3 |"
    "F#5/2 A5/1 C6/3 A5/2 F#5/1 D5/3 | G5/2 Bb5/1 D6/3 C6/2 Bb5/1 G5/3 | A5/9 r/3";
const char* vibesA2 =
    "A5/3 G5/2 F5/1 E5/2 F5/1 G5/3 | A5/2 F5/1 D5/3 C6/3 A5/3 | Bb5/5 A5/1 G5/3 F5/3 |"
    "E5/2 G5/1 Bb5/3 D6/3 C6/3 | C6/5 A5/1 E5/3 G5/3 |"
    "F#5/2 A5/1 C6/3 Eb6/3 D6/3 | D6/2 Bb5/1 G5/3 E5/2 G5/1 Bb5/3 | A5/6 F5/3 r/3";
const char* vibesB = "G5/3 Bb5/2 C6/1 Eb6/6 | D6/2 C6/1 A5/3 C6/3 Eb6/3 | D6/9 C6/3 |"
                     "Bb5/2 G5/1 Eb5/3 Db6/3 Bb5/3 | C6/5 A5/1 G5/3 E5/3 | F#5/2 A5/1 D6/3 C6/6 |"
                     "Bb5/3 A5/2 G5/1 F5/3 D5/3 | E5/2 G5/1 Bb5/2 A5/1 G5/6";
const char* vibesA3 = "C5/2 E5/1 G5/2 A5/1 C6/2 A5/1 G5/3 | F5/2 A5/1 C6/2 D6/1 C6/3 A5/3 |"
                      "D6/2 Bb5/1 G5/2 F5/1 D5/3 G5/3 | E5/2 F5/1 G5/2 Bb5/1 D6/2 C6/1 Bb5/3 |"
                      "A5/2 G5/1 E5/2 C5/1 E5/3 G5/3 | F#5/2 A5/1 C6/2 Eb6/1 D6/3 A5/3 |"
                      "Bb5/2 A5/1 G5/2 D5/1 E5/2 G5/1 Bb5/3 | A5/3 F5/6 r/3";

// Quarter notes: root, a chord tone, the fifth or seventh, then a half step
// into the next bar's root.
std::string walkingBass(const Progression& bars, const Chord& after) {
    return lineOf(bars, [&](const std::vector<Chord>& chords, int index) {
        const Chord& next =
            std::size_t(index + 1) < bars.size() ? bars[std::size_t(index + 1)].front() : after;
        const int target = rootFrom(next.root, 40);
        const int approach = target + (index % 3 == 1 ? 1 : -1);
        const int root = rootFrom(chords.front().root, 40);
        std::vector<int> line;
        if (chords.size() > 1)
            line = {root, root + 7, rootFrom(chords[1].root, 40), approach};
        else if (index % 2 == 0)
            line = {root, root + thirdOf(chords.front().kind), root + 7, approach};
        else
            line = {root, root + 7, root + seventhOf(chords.front().kind), approach};
        std::string text = "@bass";
        for (std::size_t beat = 0; beat < line.size(); ++beat)
            text += " " + noteName(line[beat]) + (beat ? "/3!42" : "/3");
        return text;
    });
}

// Chords struck on swung off-beats, a few rhythms taking turns.
std::string comping(const Progression& bars) {
    return lineOf(bars, [](const std::vector<Chord>& chords, int index) {
        auto hit = [](const Chord& chord, int rows, int volume) {
            return " @" + comps.at(chord.kind) + " " + noteName(rootFrom(chord.root, 48)) + "/" +
                   std::to_string(rows) + "!" + std::to_string(volume);
        };
        if (chords.size() > 1)
            return hit(chords[0], 6, 32) + hit(chords[1], 6, 30);
        switch (index % 3) {
        case 0:
            return hit(chords[0], 5, 32) + hit(chords[0], 7, 26);
        case 1:
            return "-/3" + hit(chords[0], 5, 30) + hit(chords[0], 4, 26);
        default:
            return "-/2" + hit(chords[0], 7, 30) + hit(chords[0], 3, 24);
        }
    });
}

std::string brushes(const Progression& bars) {
    return lineOf(bars, [&](const std::vector<Chord>&, int index) {
        if (std::size_t(index + 1) == bars.size())
            return std::string("Rk/3 Rc/2 R/1!18 br/2!26 br/1!22 br/2!32 br/1!36");
        return std::string("Rk/3 Rc/2 R/1!18 R/3 Rc/2 R/1!18");
    });
}

} // namespace

std::string composeBamboo(ModModule& module) {
    Score score(rowsPerBar, 4);
    score.setTempo(6, 75);
    score.addInstrument("vibes", vibesSample(64), 64);
    score.addInstrument("epMajor7", electricPianoSample("piano maj7", {4, 7, 11, 14}, 48), 48);
    score.addInstrument("epMinor7", electricPianoSample("piano m7", {3, 7, 10, 14}, 48), 48);
    score.addInstrument("epDominant7", electricPianoSample("piano 7", {4, 9, 10, 14}, 48), 48);
    score.addInstrument("bass", uprightBassSample(48), 48);
    const double rate = rateAtNote(drumNote);
    const Signal ride = rideSignal(rate);
    score.addInstrument("ride", makeSample("ride", ride, 64), 0);
    score.addInstrument(
        "rideKick",
        makeSample("ride kick", together({{ride, 0.6}, {kickSignal(rate, true), 1.0}}), 64), 0);
    score.addInstrument(
        "rideChick",
        makeSample("ride chick", together({{ride, 0.7}, {hatChickSignal(rate), 0.8}}), 64), 0);
    score.addInstrument("brush", makeSample("brush", brushSignal(rate), 64), 0);
    score.addHit("R", "ride", drumNote, 26);
    score.addHit("Rk", "rideKick", drumNote, 40);
    score.addHit("Rc", "rideChick", drumNote, 30);
    score.addHit("br", "brush", drumNote, 30);

    std::string error;
    const Progression intro = progression("Gm7 | C7 | Fmaj7 | C7", error);
    const Progression partA =
        progression("Fmaj7 | Dm7 | Gm7 | C7 | Am7 | D7 | Gm7 C7 | Fmaj7", error);
    const Progression partB = progression("Cm7 | F7 | Bbmaj7 | Eb7 | Am7 | D7 | Gm7 | C7", error);
    const Progression ending = progression("Gm7 | C7 | Fmaj7 | Fmaj7", error);
    if (!error.empty())
        return error;
    const Chord tonic = partA.front().front();
    const Chord minorTwo = partB.front().front();

    const std::string vibes = "@vibes ";
    auto section = [&](const Progression& chords, const std::string& melody, const Chord& after) {
        return Section{
            chords, {vibes + melody, comping(chords), walkingBass(chords, after), brushes(chords)}};
    };
    writeSections(
        score, 0,
        {
            section(intro, "-/12 | -/12 | -/12 | -/6 C5/2 D5/1 F5/2 G5/1", tonic),
            section(partA, vibesA1, tonic),
            section(partA, vibesA2, minorTwo),
            section(partB, vibesB, tonic),
            section(partA, vibesA1, tonic),
            section(partA, vibesA3, ending.front().front()),
            {ending,
             {vibes + "Bb5/3 A5/2 G5/1 F5/3 D5/3 | E5/2 G5/1 Bb5/3 D6/3 C6/3 | A5/12 | -/12",
              comping(progression("Gm7 | C7", error)) + " | @epMajor7 F3/3!32 -/9 | fade/12",
              walkingBass(progression("Gm7 | C7", error), tonic) + " | @bass F2/12 | -/12",
              "Rk/3 Rc/2 R/1!18 R/3 Rc/2 R/1!18 | Rk/3 Rc/2 R/1!18 br/2!26 br/1!22 br/2!32 br/1!36 "
              "|"
              "Rk/12 | -/12"}},
        });
    if (!error.empty())
        return error;
    return score.build("bamboo", module);
}
