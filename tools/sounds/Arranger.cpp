#include "tools/sounds/Arranger.h"

Progression progression(const std::string& text, std::string& error) {
    Progression bars;
    if (auto message = parseProgression(text, bars); !message.empty() && error.empty())
        error = message;
    return bars;
}

int rootFrom(int pitchClass, int low) {
    return low + ((pitchClass - low) % 12 + 12) % 12;
}

std::string lineOf(const Progression& bars,
                   const std::function<std::string(const std::vector<Chord>&, int)>& bar) {
    std::string line;
    for (std::size_t i = 0; i < bars.size(); ++i)
        line += (i ? " | " : "") + bar(bars[i], static_cast<int>(i));
    return line;
}

std::string padLine(const Progression& bars, int rowsPerBar,
                    const std::map<std::string, std::string>& instrumentOfKind, int lowRoot) {
    return lineOf(bars, [&](const std::vector<Chord>& chords, int) {
        std::string text;
        const int share = rowsPerBar / static_cast<int>(chords.size());
        for (const auto& chord : chords) {
            auto instrument = instrumentOfKind.find(chord.kind);
            text += " @" +
                    (instrument == instrumentOfKind.end() ? "?" + chord.kind : instrument->second) +
                    " " + noteName(rootFrom(chord.root, lowRoot)) + "/" + std::to_string(share);
        }
        return text;
    });
}

void writeSections(Score& score, int firstBar, const std::vector<Section>& sections) {
    int bar = firstBar;
    for (const auto& section : sections) {
        for (std::size_t channel = 0; channel < section.lines.size(); ++channel)
            if (!section.lines[channel].empty())
                score.write(static_cast<int>(channel), bar, section.lines[channel]);
        bar += static_cast<int>(section.chords.size());
    }
}
