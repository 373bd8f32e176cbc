#include "tools/sounds/Harmony.h"

#include <cctype>
#include <map>
#include <sstream>

namespace {

const std::map<std::string, std::vector<int>>& chordTable() {
    static const std::map<std::string, std::vector<int>> table = {
        {"", {0, 4, 7}},         {"m", {0, 3, 7}},      {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}}, {"m9", {0, 3, 7, 10, 14}},
        {"sus2", {0, 2, 7}},     {"sus4", {0, 5, 7}},
    };
    return table;
}

// Reads a letter and an optional accidental at `text`; -1 when there is none.
int readPitchClass(const std::string& text, std::size_t& at) {
    static const int letters[] = {9, 11, 0, 2, 4, 5, 7}; // A to G
    if (at >= text.size() || text[at] < 'A' || text[at] > 'G')
        return -1;
    int pitch = letters[text[at++] - 'A'];
    if (at < text.size() && text[at] == '#')
        ++pitch, ++at;
    else if (at < text.size() && text[at] == 'b')
        --pitch, ++at;
    return (pitch + 12) % 12;
}

} // namespace

std::string parseChord(const std::string& symbol, Chord& chord) {
    std::size_t at = 0;
    const int root = readPitchClass(symbol, at);
    const std::string kind = symbol.substr(std::min(at, symbol.size()));
    if (root < 0 || !chordTable().count(kind))
        return "unknown chord \"" + symbol + "\"";
    chord = {root, kind};
    return {};
}

std::string parseProgression(const std::string& text, std::vector<std::vector<Chord>>& bars) {
    std::vector<std::vector<Chord>> read(1);
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        if (token == "|") {
            read.emplace_back();
            continue;
        }
        Chord chord;
        if (auto error = parseChord(token, chord); !error.empty())
            return error;
        read.back().push_back(chord);
    }
    for (std::size_t i = 0; i < read.size(); ++i)
        if (read[i].empty())
            return "bar " + std::to_string(i + 1) + " of \"" + text + "\" has no chord";
    bars = std::move(read);
    return {};
}

std::vector<int> chordTones(const std::string& kind) {
    auto found = chordTable().find(kind);
    return found == chordTable().end() ? std::vector<int>{0} : found->second;
}

int thirdOf(const std::string& kind) {
    return chordTones(kind).size() > 1 ? chordTones(kind)[1] : 4;
}

int seventhOf(const std::string& kind) {
    for (int tone : chordTones(kind))
        if (tone == 10 || tone == 11)
            return tone;
    return 12;
}

std::string noteName(int midi, bool flats) {
    static const char* sharpNames[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                       "F#", "G",  "G#", "A",  "A#", "B"};
    static const char* flatNames[] = {"C",  "Db", "D",  "Eb", "E",  "F",
                                      "Gb", "G",  "Ab", "A",  "Bb", "B"};
    const int pitch = ((midi % 12) + 12) % 12;
    const int octave = (midi - pitch) / 12 - 1;
    return std::string(flats ? flatNames[pitch] : sharpNames[pitch]) + std::to_string(octave);
}

int parseNoteName(const std::string& name) {
    std::size_t at = 0;
    const int pitch = readPitchClass(name, at);
    // The accidental may carry the pitch class across C: Cb4 is B3, B#3 is C4.
    const int shift = at == 2 && name[0] == 'C' && name[1] == 'b'   ? -12
                      : at == 2 && name[0] == 'B' && name[1] == '#' ? 12
                                                                    : 0;
    if (pitch < 0 || at + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[at])))
        return -1;
    return (name[at] - '0' + 1) * 12 + pitch + shift;
}
