#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Building blocks of the generated sounds: mono signals of floats in -1..1 at a
// rate the caller chooses, sine partials, deterministic noise, filters and
// envelopes. Every generator is deterministic, so a build always writes the same
// files.

using Signal = std::vector<float>;

std::size_t sampleCount(double seconds, double rate);
Signal silence(double seconds, double rate);

// Frequency in Hz of a MIDI note number (69 = A4 = 440 Hz); fractions detune.
double midiFrequency(double midi);

// A sine partial: frequency in Hz, peak amplitude, exponential decay per second
// (0 holds), start phase in radians.
struct Partial {
    double frequency = 0;
    double amplitude = 0;
    double decayPerSecond = 0;
    double phase = 0;
};

// Adds the partials to the signal from `offset` on. Partials at or above 0.45 of
// the rate are left out, so nothing folds back below the Nyquist limit.
void addPartials(Signal& signal, double rate, const std::vector<Partial>& partials,
                 std::size_t offset = 0);

// White noise in -1..1 from a fixed seed.
class NoiseSource {
  public:
    explicit NoiseSource(std::uint32_t seed) : state(seed ? seed : 1) {}
    float next();

  private:
    std::uint32_t state;
};

// A second-order filter (the usual audio-cookbook forms). Coefficients can be
// changed between samples for sweeps; the state carries over.
class Biquad {
  public:
    void setLowPass(double frequency, double q, double rate);
    void setHighPass(double frequency, double q, double rate);
    void setBandPass(double frequency, double q, double rate); // 0 dB peak gain
    float process(float x);

  private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Linear rise over `attack` seconds, then exponential decay at `decayPerSecond`.
double attackDecay(double t, double attack, double decayPerSecond);

// Multiplies every sample by gain(t), t in seconds from the start.
void shape(Signal& signal, double rate, const std::function<double(double)>& gain);
// Adds `from` times gain into `into` starting at sample `offset`, growing `into`.
void mixAt(Signal& into, const Signal& from, std::size_t offset, double gain);
// Scales the signal so that its largest magnitude is `peak` (silence stays).
void normalise(Signal& signal, double peak);
// A linear fade to zero over the last `seconds`.
void fadeOut(Signal& signal, double rate, double seconds);
double peakOf(const Signal& signal);

// Signed 8-bit PCM of a signal in -1..1 (values beyond are clamped).
std::vector<std::int8_t> toPcm8(const Signal& signal);
