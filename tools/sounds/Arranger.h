#pragma once

#include "tools/sounds/Harmony.h"
#include "tools/sounds/Score.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Helpers that turn a chord progression into accompaniment lines for a Score.

using Progression = std::vector<std::vector<Chord>>; // bars of chords

// Reads a progression; a bad symbol ends the program's build with its message
// recorded in `error` (the first one kept).
Progression progression(const std::string& text, std::string& error);

// The MIDI note of a pitch class in the octave from `low` up.
int rootFrom(int pitchClass, int low);

// One line from the bars of a progression: `bar(chords, index)` returns the
// notation of one bar; the bars are joined with bar lines.
std::string lineOf(const Progression& bars,
                   const std::function<std::string(const std::vector<Chord>&, int)>& bar);

// Sustained chords: each chord of a bar gets an equal share of its rows, played
// on the instrument named for its kind, its root from `lowRoot` up.
std::string padLine(const Progression& bars, int rowsPerBar,
                    const std::map<std::string, std::string>& instrumentOfKind, int lowRoot);

// Writes the same lines for several sections in a row, from `firstBar` on.
struct Section {
    Progression chords;
    std::vector<std::string> lines; // by channel; empty: nothing on that channel
};
void writeSections(Score& score, int firstBar, const std::vector<Section>& sections);
