#include "tools/sounds/Score.h"

#include "tools/sounds/Harmony.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

constexpr std::uint8_t effectSetVolume = 0xC;
constexpr std::uint8_t effectPatternBreak = 0xD;
constexpr std::uint8_t effectSpeed = 0xF;

// Splits "C5/4!40" into its name, length and volume (-1: none). False when the
// length or volume is not a number in range.
bool splitToken(const std::string& token, std::string& name, int& length, int& volume) {
    const std::size_t bang = token.find('!');
    const std::string body = token.substr(0, bang);
    volume = -1;
    if (bang != std::string::npos) {
        const std::string digits = token.substr(bang + 1);
        if (digits.empty() || digits.size() > 2 ||
            !std::all_of(digits.begin(), digits.end(), ::isdigit) || std::stoi(digits) > 64)
            return false;
        volume = std::stoi(digits);
    }
    const std::size_t slash = body.find('/');
    name = body.substr(0, slash);
    length = 1;
    if (slash != std::string::npos) {
        const std::string digits = body.substr(slash + 1);
        if (digits.empty() || digits.size() > 3 ||
            !std::all_of(digits.begin(), digits.end(), ::isdigit))
            return false;
        length = std::stoi(digits);
    }
    return length > 0 && !name.empty();
}

} // namespace

Score::Score(int rowsPerBar, int barsPerPattern)
    : rowsPerBar(rowsPerBar), barsPerPattern(barsPerPattern) {
    if (rowsPerBar < 1 || barsPerPattern < 1 || rowsPerBar * barsPerPattern > modRows)
        fail("a pattern of " + std::to_string(barsPerPattern) + " bars of " +
             std::to_string(rowsPerBar) + " rows does not fit 64 rows");
}

void Score::fail(const std::string& message) {
    if (firstError.empty())
        firstError = message;
}

int Score::addInstrument(const std::string& name, const ModSample& sample, int baseMidi) {
    if (samples.size() == modSampleSlots) {
        fail("more than 31 instruments");
        return 0;
    }
    samples.push_back(sample);
    const int number = static_cast<int>(samples.size());
    instruments[name] = {number, baseMidi, sample.volume};
    return number;
}

void Score::addHit(const std::string& token, const std::string& instrument, int note, int volume) {
    auto found = instruments.find(instrument);
    if (found == instruments.end() || notePeriod(note) == 0 || volume < 0 || volume > 64)
        return fail("hit \"" + token + "\": unknown instrument or note or volume out of range");
    hits[token] = {found->second.number, note, volume};
}

void Score::setTempo(int newSpeed, int newTempo) {
    if (newSpeed < 1 || newSpeed > 31 || newTempo < 32 || newTempo > 255)
        return fail("speed must be 1 to 31 and tempo 32 to 255");
    speed = newSpeed;
    tempo = newTempo;
}

bool Score::place(int channel, int row, const ModCell& cell, const std::string& token) {
    if (static_cast<std::size_t>(row) >= rows.size()) {
        rows.resize(row + 1);
        written.resize(row + 1);
    }
    if (written[row][channel]) {
        fail("channel " + std::to_string(channel) + ", bar " +
             std::to_string(row / rowsPerBar + 1) + " row " + std::to_string(row % rowsPerBar) +
             ": \"" + token + "\" lands on a cell already written");
        return false;
    }
    rows[row][channel] = cell;
    written[row][channel] = true;
    return true;
}

bool Score::writeToken(int channel, int& row, const std::string& token, int& instrument,
                       int& volume, int startRow) {
    if (token == "|") {
        if ((row - startRow) % rowsPerBar != 0 || row % rowsPerBar != 0) {
            fail("channel " + std::to_string(channel) + ": a bar line falls at row " +
                 std::to_string(row % rowsPerBar) + " of bar " +
                 std::to_string(row / rowsPerBar + 1));
            return false;
        }
        return true;
    }
    if (token[0] == '@') {
        auto found = instruments.find(token.substr(1));
        if (found == instruments.end()) {
            fail("unknown instrument \"" + token + "\"");
            return false;
        }
        instrument = found->second.number;
        volume = found->second.volume;
        return true;
    }
    std::string name;
    int length = 0;
    int noteVolume = -1;
    if (!splitToken(token, name, length, noteVolume)) {
        fail("cannot read \"" + token + "\"");
        return false;
    }
    ModCell cell;
    if (name == "-") {
        row += length;
        return true;
    } else if (name == "r") {
        cell = {0, 0, effectSetVolume, 0};
        volume = 0;
    } else if (name == "fade") {
        const int from = volume;
        for (int i = 0; i < length; ++i) {
            volume = from * (length - 1 - i) / length;
            if (!place(channel, row + i, {0, 0, effectSetVolume, std::uint8_t(volume)}, token))
                return false;
        }
        row += length;
        return true;
    } else if (auto hit = hits.find(name); hit != hits.end()) {
        volume = noteVolume >= 0 ? noteVolume : hit->second.volume;
        cell = {notePeriod(hit->second.note), std::uint8_t(hit->second.number), effectSetVolume,
                std::uint8_t(volume)};
    } else {
        const int midi = parseNoteName(name);
        auto owner = std::find_if(instruments.begin(), instruments.end(), [&](const auto& entry) {
            return entry.second.number == instrument;
        });
        if (midi < 0 || owner == instruments.end()) {
            fail("\"" + token + "\" is not a note, or no instrument is chosen");
            return false;
        }
        const int note = midi - owner->second.baseMidi + modC2Note;
        if (notePeriod(note) == 0) {
            fail("\"" + token + "\" is out of the range of \"" + owner->first + "\"");
            return false;
        }
        cell = {notePeriod(note), std::uint8_t(instrument), 0, 0};
        volume = owner->second.volume;
        if (noteVolume >= 0) {
            cell.effect = effectSetVolume;
            cell.param = std::uint8_t(noteVolume);
            volume = noteVolume;
        }
    }
    if (!place(channel, row, cell, token))
        return false;
    row += length;
    return true;
}

void Score::write(int channel, int bar, const std::string& notation) {
    if (channel < 0 || channel >= modChannels || bar < 0)
        return fail("no channel " + std::to_string(channel) + " or bar " + std::to_string(bar));
    const int startRow = bar * rowsPerBar;
    int row = startRow;
    int instrument = 0;
    int volume = 64;
    // Bar lines need no spaces around them.
    std::string spaced;
    for (char c : notation)
        spaced += c == '|' ? std::string(" | ") : std::string(1, c);
    std::istringstream in(spaced);
    std::string token;
    while (in >> token)
        if (!writeToken(channel, row, token, instrument, volume, startRow))
            return;
    // The line's end counts as a bar line.
    writeToken(channel, row, "|", instrument, volume, startRow);
}

std::string Score::build(const std::string& title, ModModule& module) const {
    if (!firstError.empty())
        return firstError;
    const int patternRows = rowsPerBar * barsPerPattern;
    const int patternCount = (static_cast<int>(rows.size()) + patternRows - 1) / patternRows;
    if (patternCount == 0)
        return "the score is empty";
    ModModule built;
    built.title = title;
    built.samples = samples;
    for (int p = 0; p < patternCount; ++p) {
        ModPattern pattern;
        for (int r = 0; r < patternRows; ++r)
            if (std::size_t(p * patternRows + r) < rows.size())
                pattern.rows[r] = rows[p * patternRows + r];
        // Control effects go into free effect columns, from the last channel down.
        auto control = [&](int row, std::uint8_t effect, std::uint8_t param) {
            for (int channel = modChannels - 1; channel >= 0; --channel) {
                ModCell& cell = pattern.at(row, channel);
                if (cell.effect == 0 && cell.param == 0) {
                    cell.effect = effect;
                    cell.param = param;
                    return true;
                }
            }
            return false;
        };
        const bool placed =
            (p > 0 || (control(0, effectSpeed, std::uint8_t(speed)) &&
                       control(0, effectSpeed, std::uint8_t(tempo)))) &&
            (patternRows == modRows || control(patternRows - 1, effectPatternBreak, 0));
        if (!placed)
            return "pattern " + std::to_string(p) +
                   ": no free effect column for speed, tempo or break";
        auto same =
            std::find_if(built.patterns.begin(), built.patterns.end(),
                         [&](const ModPattern& other) { return other.rows == pattern.rows; });
        if (same == built.patterns.end()) {
            built.orders.push_back(std::uint8_t(built.patterns.size()));
            built.patterns.push_back(pattern);
        } else {
            built.orders.push_back(std::uint8_t(same - built.patterns.begin()));
        }
    }
    std::vector<std::uint8_t> check;
    if (auto error = encodeMod(built, check); !error.empty())
        return error;
    module = std::move(built);
    return {};
}
