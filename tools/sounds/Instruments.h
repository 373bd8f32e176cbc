#pragma once

#include "tools/sounds/ModWriter.h"
#include "tools/sounds/Synth.h"

#include <string>
#include <vector>

// Instrument samples for the music modules. A ProTracker player plays a sample
// at note C-2 (period 428) at `c2Rate` samples per second and doubles the rate
// per octave up; every pitched instrument is made so that note C-2 sounds its
// `baseMidi` pitch. Sustained instruments loop a whole number of cycles of every
// partial, so the loop is seamless.

constexpr double amigaClock = 3546895.0;      // PAL, Hz: rate = clock / period
constexpr double c2Rate = amigaClock / 428.0; // about 8287 Hz

// The rate at which a sample plays at note index `note` (0 = C-1 ... 35 = B-3).
double rateAtNote(int note);

// A sample from a signal: normalised to nearly full scale, then 8-bit. With a
// loop length, the loop covers [loopStart, loopStart + loopLength).
ModSample makeSample(const std::string& name, Signal signal, int volume, std::size_t loopStart = 0,
                     std::size_t loopLength = 0);

// Pitched instruments (baseMidi: the pitch heard at C-2).
ModSample pluckSample(int baseMidi);       // a koto-like plucked string, decays
ModSample fluteSample(int baseMidi);       // a soft breathy lead with vibrato, looped
ModSample roundBassSample(int baseMidi);   // a warm, round bass, looped
ModSample uprightBassSample(int baseMidi); // a plucked acoustic bass, decays
ModSample vibesSample(int baseMidi);       // a vibraphone with motor tremolo, decays
ModSample glassBellSample(int baseMidi);   // a soft, long bell, decays
// A chord of the given intervals above rootMidi, heard at C-2.
ModSample padSample(const std::string& name, const std::vector<int>& intervals, int rootMidi);
ModSample electricPianoSample(const std::string& name, const std::vector<int>& intervals,
                              int rootMidi);

// Drum sounds, made at the rate of the note they are played at.
Signal kickSignal(double rate, bool soft);
Signal brushSignal(double rate);
Signal rideSignal(double rate);
Signal hatChickSignal(double rate);
Signal shakerSignal(double rate);
Signal woodBlockSignal(double rate);
// Sounds that share one drum channel are struck together as one sample.
Signal together(const std::vector<std::pair<Signal, double>>& parts);
