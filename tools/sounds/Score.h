#pragma once

#include "tools/sounds/ModWriter.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// A song written as text, one line per channel, turned into a module.
//
// Notation: whitespace-separated tokens, each lasting its length in rows
// ("/n", default 1):
//   C5/4        a note (MIDI octaves: C4 is middle C) on the current instrument
//   C5/4!40     the same at volume 40 (0 to 64; otherwise the sample's volume)
//   k/2         a named hit (a drum: instrument, note and volume fixed by addHit)
//   r/4         silence: the channel's volume drops to 0
//   -/4         nothing new: whatever sounds goes on
//   fade/8      the channel's volume falls to 0 over the rows
//   @pad        later notes use the instrument named "pad"
//   |           a bar line: checked to fall on a bar boundary
// Writing a cell that is already written is an error, which catches parts that
// overlap by mistake.
class Score {
  public:
    // Bars of rowsPerBar rows; a pattern holds barsPerPattern bars (at most 64
    // rows; shorter patterns end with a pattern break).
    Score(int rowsPerBar, int barsPerPattern);

    // Adds an instrument sounding baseMidi at C-2; returns its sample number.
    int addInstrument(const std::string& name, const ModSample& sample, int baseMidi);
    // A named hit: instrument by name, note index (0 = C-1 ... 35 = B-3), volume.
    void addHit(const std::string& token, const std::string& instrument, int note, int volume);
    // Speed (ticks per row) and tempo (BPM of four rows at speed 6) from the first row.
    void setTempo(int speed, int tempo);

    // Writes a line of notation on a channel from the start of `bar` (0-based).
    void write(int channel, int bar, const std::string& notation);

    // The first error met while writing, or empty.
    const std::string& error() const { return firstError; }
    // Builds the module: identical patterns are stored once and named again in
    // the order list. Returns an empty string or the first error.
    std::string build(const std::string& title, ModModule& module) const;

  private:
    struct Instrument {
        int number;
        int baseMidi;
        int volume;
    };
    struct Hit {
        int number;
        int note;
        int volume;
    };
    using Row = std::array<ModCell, modChannels>;

    void fail(const std::string& message);
    bool place(int channel, int row, const ModCell& cell, const std::string& token);
    bool writeToken(int channel, int& row, const std::string& token, int& instrument, int& volume,
                    int startRow);

    int rowsPerBar;
    int barsPerPattern;
    int speed = 6;
    int tempo = 125;
    std::vector<ModSample> samples;
    std::map<std::string, Instrument> instruments;
    std::map<std::string, Hit> hits;
    std::vector<Row> rows;
    std::vector<std::array<bool, modChannels>> written;
    std::string firstError;
};
