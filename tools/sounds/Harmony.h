#pragma once

#include <string>
#include <vector>

// Chord symbols and note names for writing music as text.

struct Chord {
    int root = 0;     // pitch class, 0 = C
    std::string kind; // "", "m", "7", "maj7", "m7", "m9", "sus2", "sus4"
};

// Reads a symbol such as "F", "Bbmaj7", "C#m7", "Esus4". Returns an empty string
// or a message naming the symbol.
std::string parseChord(const std::string& symbol, Chord& chord);

// Reads bars of chords separated by '|': "Fmaj7 | Gm7 C7 | ...". Each bar holds
// one or more chords sharing the bar evenly.
std::string parseProgression(const std::string& text, std::vector<std::vector<Chord>>& bars);

// Intervals of the chord's tones above its root, lowest first (root included).
std::vector<int> chordTones(const std::string& kind);
int thirdOf(const std::string& kind);   // 3, 4, or the suspended tone
int seventhOf(const std::string& kind); // 10, 11, or 12 (the octave) without one

// "C4", "F#3", "Bb5" for a MIDI note (flats for the black keys in flat keys).
std::string noteName(int midi, bool flats = false);
// The MIDI note of a name as above; -1 when it is not one.
int parseNoteName(const std::string& name);
