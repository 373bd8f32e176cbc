#include "tools/sounds/Instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double twoPi = 2 * std::numbers::pi;
constexpr std::size_t loopSamples = 8192; // about one second at c2Rate
constexpr double samplePeak = 0.97;

// The nearest frequency that completes whole cycles in the loop.
double loopFrequency(double frequency) {
    return std::max(1.0, std::round(frequency * loopSamples / c2Rate)) * c2Rate / loopSamples;
}

// A sustained sample: the first loop length rises with `attack(t)` (which must
// reach 1 by the end of it), the second is the seamless loop.
ModSample sustained(const std::string& name, Signal periodic, int volume,
                    const std::function<double(double)>& attack) {
    for (std::size_t i = 0; i < loopSamples; ++i)
        periodic[i] = static_cast<float>(periodic[i] * attack(double(i) / c2Rate));
    return makeSample(name, std::move(periodic), volume, loopSamples, loopSamples);
}

// Harmonic series of `frequency` with the given levels, periodic over the loop.
void addLoopHarmonics(Signal& signal, double frequency, const std::vector<double>& levels,
                      double detuneCycles = 0, double phase = 0) {
    std::vector<Partial> partials;
    for (std::size_t h = 0; h < levels.size(); ++h) {
        const double f =
            loopFrequency(frequency * double(h + 1)) + detuneCycles * c2Rate / loopSamples;
        partials.push_back({f, levels[h], 0, phase * double(h + 1)});
    }
    addPartials(signal, c2Rate, partials);
}

// Plucked-string partials: level after the pluck point, faster decay up high.
std::vector<Partial> pluckPartials(double frequency, double brightness, double decay) {
    std::vector<Partial> partials;
    for (int h = 1; h <= 24; ++h) {
        const double level =
            std::abs(std::sin(std::numbers::pi * h * 0.18)) / std::pow(h, brightness);
        partials.push_back({frequency * h * (1 + 0.0004 * h), level, decay * (1 + 0.35 * (h - 1))});
    }
    return partials;
}

Signal decaying(double seconds, const std::vector<Partial>& partials, double fade) {
    Signal signal = silence(seconds, c2Rate);
    addPartials(signal, c2Rate, partials);
    shape(signal, c2Rate, [](double t) { return std::min(1.0, t / 0.003); });
    fadeOut(signal, c2Rate, fade);
    return signal;
}

} // namespace

double rateAtNote(int note) {
    const auto period = notePeriod(note);
    return period ? amigaClock / period : c2Rate;
}

ModSample makeSample(const std::string& name, Signal signal, int volume, std::size_t loopStart,
                     std::size_t loopLength) {
    normalise(signal, samplePeak);
    ModSample sample;
    sample.name = name;
    sample.data = toPcm8(signal);
    sample.volume = volume;
    sample.loopStart = loopStart;
    sample.loopLength = loopLength;
    return sample;
}

ModSample pluckSample(int baseMidi) {
    const double f = midiFrequency(baseMidi);
    Signal signal = decaying(1.8, pluckPartials(f, 1.1, 2.2), 0.3);
    // The pick's short noise scratch.
    NoiseSource noise(17);
    Biquad filter;
    filter.setBandPass(2.5 * f, 1.0, c2Rate);
    for (std::size_t i = 0; i < sampleCount(0.012, c2Rate); ++i)
        signal[i] += 0.15f * filter.process(noise.next()) * float(1 - i / (0.012 * c2Rate));
    return makeSample("pluck", std::move(signal), 56);
}

ModSample fluteSample(int baseMidi) {
    const double f = loopFrequency(midiFrequency(baseMidi));
    const double vibratoRate = 5 * c2Rate / loopSamples; // five cycles per loop, about 5 Hz
    const double levels[] = {1.0, 0.28, 0.1, 0.04, 0.015};
    Signal signal(2 * loopSamples, 0.0f);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = double(i) / c2Rate;
        const double depth = std::min(1.0, t / 0.9); // vibrato grows in over the attack
        const double wobble = depth * 0.005 * f / vibratoRate * std::sin(twoPi * vibratoRate * t);
        double sum = 0;
        for (std::size_t h = 0; h < std::size(levels); ++h)
            sum += levels[h] * std::sin(twoPi * f * double(h + 1) * t + double(h + 1) * wobble);
        signal[i] = static_cast<float>(sum);
    }
    // Breath: the same second of soft noise in both halves, so the loop stays seamless.
    NoiseSource noise(23);
    Biquad filter;
    filter.setBandPass(3 * f, 0.7, c2Rate);
    Signal breath(loopSamples);
    for (auto& value : breath)
        value = filter.process(noise.next());
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] += 0.06f * breath[i % loopSamples];
    return sustained("soft flute", std::move(signal), 48, [](double t) {
        return std::min(1.0, t / 0.07) * (1 + 0.15 * std::exp(-t * 12)) / 1.15;
    });
}

ModSample roundBassSample(int baseMidi) {
    Signal signal(2 * loopSamples, 0.0f);
    addLoopHarmonics(signal, midiFrequency(baseMidi), {1.0, 0.35, 0.12, 0.05});
    // A brighter thumb at the start that has died away before the loop.
    Signal thumb(loopSamples, 0.0f);
    addLoopHarmonics(thumb, midiFrequency(baseMidi), {0, 0.3, 0.25, 0.2, 0.12, 0.08});
    for (std::size_t i = 0; i < loopSamples; ++i)
        signal[i] += static_cast<float>(thumb[i] * std::exp(-double(i) / c2Rate * 9) *
                                        (1 - double(i) / loopSamples));
    return sustained("round bass", std::move(signal), 44,
                     [](double t) { return std::min(1.0, t / 0.01); });
}

ModSample uprightBassSample(int baseMidi) {
    Signal signal = decaying(1.6, pluckPartials(midiFrequency(baseMidi), 1.6, 1.6), 0.25);
    return makeSample("upright bass", std::move(signal), 50);
}

ModSample vibesSample(int baseMidi) {
    const double f = midiFrequency(baseMidi);
    Signal signal = decaying(2.4, {{f, 1.0, 1.3}, {4 * f, 0.3, 6}, {10 * f, 0.08, 14}}, 0.4);
    shape(signal, c2Rate, [](double t) { return 1 - 0.22 * (1 - std::cos(twoPi * 5.2 * t)) / 2; });
    return makeSample("vibes", std::move(signal), 52);
}

ModSample glassBellSample(int baseMidi) {
    const double f = midiFrequency(baseMidi);
    Signal signal = decaying(3.2,
                             {{f, 1.0, 0.9},
                              {f * 1.003, 0.5, 0.9}, // a slow beat for shimmer
                              {2 * f, 0.3, 1.6},
                              {3.01 * f, 0.12, 2.5},
                              {4.2 * f, 0.08, 3.5},
                              {5.43 * f, 0.04, 5}},
                             0.6);
    return makeSample("glass bell", std::move(signal), 58);
}

ModSample padSample(const std::string& name, const std::vector<int>& intervals, int rootMidi) {
    Signal signal(2 * loopSamples, 0.0f);
    NoiseSource phases(31);
    const std::vector<double> levels = {1.0, 0.45, 0.2, 0.1, 0.05, 0.025};
    for (int interval : intervals) {
        const double f = midiFrequency(rootMidi + interval);
        // Three voices one cycle per loop apart: a slow, even chorus.
        for (double detune : {-1.0, 0.0, 1.0})
            addLoopHarmonics(signal, f, levels, detune, std::numbers::pi * phases.next());
    }
    return sustained(name, std::move(signal), 46, [](double t) {
        const double rise = std::min(1.0, t / 0.45);
        return rise * rise * (3 - 2 * rise);
    });
}

ModSample electricPianoSample(const std::string& name, const std::vector<int>& intervals,
                              int rootMidi) {
    Signal signal = silence(2.2, c2Rate);
    for (int interval : intervals) {
        const double f = midiFrequency(rootMidi + interval);
        for (std::size_t i = 0; i < signal.size(); ++i) {
            const double t = double(i) / c2Rate;
            const double index = 1.6 * std::exp(-t * 4) + 0.25; // bright bark, mellow tail
            const double modulator = index * std::sin(twoPi * f * t);
            signal[i] +=
                static_cast<float>(std::exp(-t * 1.3) * std::sin(twoPi * f * t + modulator));
        }
    }
    shape(signal, c2Rate, [](double t) { return std::min(1.0, t / 0.004); });
    fadeOut(signal, c2Rate, 0.4);
    return makeSample(name, std::move(signal), 34);
}

Signal kickSignal(double rate, bool soft) {
    const double length = soft ? 0.3 : 0.4;
    Signal signal = silence(length, rate);
    double phase = 0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = double(i) / rate;
        const double frequency = 48 + (soft ? 60 : 90) * std::exp(-t * 30);
        phase += twoPi * frequency / rate;
        signal[i] = static_cast<float>(std::sin(phase) * std::exp(-t * (soft ? 11 : 8)));
    }
    NoiseSource noise(41);
    Biquad click;
    click.setLowPass(soft ? 1200 : 2500, 0.7, rate);
    for (std::size_t i = 0; i < sampleCount(0.006, rate); ++i)
        signal[i] += 0.25f * click.process(noise.next());
    fadeOut(signal, rate, 0.03);
    return signal;
}

namespace {
// Noise through a filter with an attack and an exponential decay.
Signal filteredNoise(double rate, double seconds, std::uint32_t seed, Biquad filter, double attack,
                     double decay) {
    Signal signal = silence(seconds, rate);
    NoiseSource noise(seed);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = static_cast<float>(filter.process(noise.next()) *
                                       attackDecay(double(i) / rate, attack, decay));
    fadeOut(signal, rate, 0.02);
    return signal;
}
} // namespace

Signal brushSignal(double rate) {
    Biquad filter;
    filter.setBandPass(3500, 0.6, rate);
    return filteredNoise(rate, 0.35, 43, filter, 0.012, 11);
}

Signal rideSignal(double rate) {
    // A hiss of high noise with a faint, quickly fading metallic ring: tonal
    // partials that last would sound like a held chord instead of a cymbal.
    Biquad wash;
    wash.setHighPass(5000, 0.7, rate);
    Signal signal = filteredNoise(rate, 0.9, 47, wash, 0.001, 5);
    Biquad ping;
    ping.setBandPass(7000, 3, rate);
    mixAt(signal, filteredNoise(rate, 0.3, 61, ping, 0.001, 25), 0, 1.5);
    std::vector<Partial> bell;
    for (double p : {3120.0, 4370.0, 5510.0, 6740.0})
        bell.push_back({p, 0.08, 14, p});
    addPartials(signal, rate, bell);
    shape(signal, rate, [](double t) { return 0.45 + 0.55 * std::exp(-t * 18); });
    fadeOut(signal, rate, 0.2);
    return signal;
}

Signal hatChickSignal(double rate) {
    Biquad filter;
    filter.setHighPass(6000, 0.9, rate);
    return filteredNoise(rate, 0.08, 53, filter, 0.004, 60);
}

Signal shakerSignal(double rate) {
    Biquad filter;
    filter.setBandPass(5500, 1.2, rate);
    return filteredNoise(rate, 0.12, 59, filter, 0.018, 45);
}

Signal woodBlockSignal(double rate) {
    Signal signal = silence(0.15, rate);
    addPartials(signal, rate, {{1180, 1.0, 45}, {2750, 0.4, 70}, {640, 0.25, 40}});
    shape(signal, rate, [](double t) { return std::min(1.0, t / 0.0008); });
    return signal;
}

Signal together(const std::vector<std::pair<Signal, double>>& parts) {
    Signal sum;
    for (const auto& [part, gain] : parts)
        mixAt(sum, part, 0, gain);
    return sum;
}
