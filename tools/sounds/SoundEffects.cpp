#include "tools/sounds/SoundEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double rate = effectRate;
constexpr double twoPi = 2 * std::numbers::pi;

// Harmonics 1..count of a fundamental that may glide; the amplitude of harmonic h
// at time t comes from `amplitude(h, t)`. Harmonics above 0.45 of the rate are
// skipped sample by sample, so a glide never aliases.
Signal harmonics(double seconds, const std::function<double(double)>& frequency,
                 const std::function<double(int, double)>& amplitude, int count) {
    Signal out = silence(seconds, rate);
    std::vector<double> phases(static_cast<std::size_t>(count), 0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const double f = frequency(t);
        double sum = 0;
        for (int h = 1; h <= count; ++h) {
            auto& phase = phases[static_cast<std::size_t>(h - 1)];
            phase += twoPi * f * h / rate;
            if (f * h < 0.45 * rate)
                sum += amplitude(h, t) * std::sin(phase);
        }
        out[i] = static_cast<float>(sum);
    }
    return out;
}

// A brass note: a bright, buzzing attack that settles, and vibrato on long notes.
Signal brassNote(double midi, double seconds) {
    const double f0 = midiFrequency(midi);
    auto frequency = [=](double t) {
        const double vibrato = t > 0.25 ? 0.006 * std::min(1.0, (t - 0.25) / 0.3) : 0.0;
        return f0 * (1 + vibrato * std::sin(twoPi * 5.5 * t)) * (t < 0.03 ? 0.985 + 0.5 * t : 1.0);
    };
    auto amplitude = [=](int h, double t) {
        const double brightness =
            1.0 + 5.0 * std::min(1.0, t / 0.05) - 1.5 * std::min(1.0, t / 0.4);
        return std::exp(-(h - 1) / brightness) / std::sqrt(double(h));
    };
    Signal note = harmonics(seconds, frequency, amplitude, 16);
    shape(note, rate, [=](double t) {
        const double release = std::clamp((seconds - t) / 0.08, 0.0, 1.0);
        return std::min(1.0, t / 0.025) * (0.8 + 0.2 * std::exp(-t * 8)) * release;
    });
    return note;
}

// A struck metal bar or bell: partial ratios with their own levels and decays.
Signal bell(double midi, double seconds, const std::vector<Partial>& ratios) {
    Signal out = silence(seconds, rate);
    std::vector<Partial> partials;
    for (auto p : ratios) {
        p.frequency *= midiFrequency(midi);
        partials.push_back(p);
    }
    addPartials(out, rate, partials);
    shape(out, rate, [](double t) { return std::min(1.0, t / 0.002); });
    return out;
}

const std::vector<Partial> chimeRatios = {
    {1.0, 1.0, 4.0}, {2.0, 0.25, 6.0}, {2.76, 0.3, 9.0}, {5.40, 0.1, 16.0}};

// Band-passed noise whose centre follows `centre(t)` (Hz).
Signal sweptNoise(double seconds, std::uint32_t seed, const std::function<double(double)>& centre,
                  double q) {
    Signal out = silence(seconds, rate);
    NoiseSource noise(seed);
    Biquad filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        filter.setBandPass(centre(double(i) / rate), q, rate);
        out[i] = filter.process(noise.next());
    }
    return out;
}

Signal finish(Signal signal, double peak) {
    fadeOut(signal, rate, 0.01);
    normalise(signal, peak);
    return signal;
}

// A new high score: a triplet pickup, a rising arpeggio and a held major chord.
Signal makeFanfare() {
    Signal out;
    const struct {
        double start, midi, seconds, gain;
    } notes[] = {
        {0.00, 67, 0.10, 0.7}, {0.12, 67, 0.10, 0.7}, {0.24, 67, 0.10, 0.7},
        {0.36, 72, 0.30, 0.9}, {0.68, 76, 0.14, 0.8}, {0.84, 79, 0.14, 0.85},
        {1.00, 84, 1.60, 1.0}, {1.00, 79, 1.60, 0.6}, {1.00, 76, 1.60, 0.55},
        {1.00, 72, 1.60, 0.5},
    };
    for (const auto& n : notes)
        mixAt(out, brassNote(n.midi, n.seconds), sampleCount(n.start, rate), n.gain);
    // A splash of cymbal on the last chord.
    Signal splash = sweptNoise(
        1.2, 7, [](double) { return 3800.0; }, 0.8);
    shape(splash, rate, [](double t) { return std::exp(-t * 3.5); });
    mixAt(out, splash, sampleCount(1.0, rate), 0.25);
    shape(out, rate, [](double t) { return t > 2.2 ? std::max(0.0, 1 - (t - 2.2) / 0.4) : 1.0; });
    return finish(out, 0.85);
}

// A pair removed: two soft chime notes a fourth apart.
Signal makeMin() {
    Signal out = bell(79, 0.9, chimeRatios);
    mixAt(out, bell(84, 0.8, chimeRatios), sampleCount(0.09, rate), 0.9);
    out.resize(sampleCount(0.9, rate));
    return finish(out, 0.8);
}

// The highlighted menu item moves: a tiny rising blip.
Signal makeBlip2() {
    Signal out = harmonics(
        0.05, [](double t) { return 1300 + 6000 * t; },
        [](int h, double) { return h == 1   ? 1.0
                                   : h == 2 ? 0.25
                                            : 0.0; }, 2);
    shape(out, rate, [](double t) { return std::min(1.0, t / 0.002) * std::exp(-t * 60); });
    return finish(out, 0.7);
}

// A tile selected: a short, clean beep.
Signal makeBeep() {
    Signal out = harmonics(
        0.11, [](double) { return 880.0; },
        [](int h, double) { return h % 2 ? 1.0 / (h * h) : 0.0; }, 5);
    shape(out, rate, [](double t) {
        return std::min(1.0, t / 0.004) * std::clamp((0.11 - t) / 0.03, 0.0, 1.0);
    });
    return finish(out, 0.75);
}

// A click that hits nothing: rough noise sliding down like rubber on a floor.
Signal makeSkid() {
    constexpr double length = 0.5;
    Signal out = sweptNoise(
        length, 11, [](double t) { return 2200 * std::exp(-t * 3.2); }, 3.5);
    Signal squeal = harmonics(
        length, [](double t) { return 1500 - 700 * t + 40 * std::sin(twoPi * 23 * t); },
        [](int h, double) { return h == 1 ? 1.0 : 0.3; }, 2);
    mixAt(out, squeal, 0, 0.12);
    NoiseSource grain(5);
    double roughness = 1;
    shape(out, rate, [&](double t) {
        if (sampleCount(t, rate) % 150 == 0) // a new grain every 15 ms
            roughness = 0.6 + 0.4 * std::abs(grain.next());
        return std::min(1.0, t / 0.02) * roughness * std::clamp((length - t) / 0.25, 0.0, 1.0);
    });
    return finish(out, 0.75);
}

// A menu item activated: a metal clank with a crunchy noise burst and a thud.
Signal makeMetalCrunch() {
    Signal out = silence(0.45, rate);
    std::vector<Partial> plate;
    const double ratios[] = {1.0, 1.59, 2.14, 2.30, 2.65, 3.16, 3.50, 4.15};
    for (std::size_t i = 0; i < std::size(ratios); ++i)
        plate.push_back({420 * ratios[i], 0.5 / (1 + 0.3 * i), 9.0 + 4.0 * i, 0.7 * i});
    addPartials(out, rate, plate);
    plate.clear();
    plate.push_back({95, 1.0, 25});
    addPartials(out, rate, plate);
    Signal crunch = sweptNoise(
        0.45, 3, [](double t) { return 2600 - 2000 * t; }, 1.2);
    NoiseSource grain(9);
    double burst = 1;
    shape(crunch, rate, [&](double t) {
        if (sampleCount(t, rate) % 120 == 0)
            burst = grain.next() > 0 ? 1.0 : 0.25;
        return burst * std::exp(-t * 14);
    });
    mixAt(out, crunch, 0, 1.2);
    shape(out, rate, [](double t) { return std::min(1.0, t / 0.001); });
    return finish(out, 0.8);
}

// The selected tile clicked again: two soft wooden taps.
Signal makeFlip() {
    auto tap = [](double body) {
        Signal click = sweptNoise(
            0.1, 21, [](double) { return 1800.0; }, 2.5);
        shape(click, rate, [](double t) { return std::exp(-t * 400); });
        std::vector<Partial> resonance = {{body, 0.35, 70}, {body * 2.3, 0.12, 110}};
        addPartials(click, rate, resonance);
        return click;
    };
    Signal out = tap(900);
    mixAt(out, tap(700), sampleCount(0.045, rate), 0.7);
    out.resize(sampleCount(0.14, rate));
    return finish(out, 0.6);
}

// A quick follow-up pair: a sparkle run and two bright bells a fifth apart.
Signal makeMax() {
    Signal out;
    const double run[] = {72, 76, 79, 84};
    for (std::size_t i = 0; i < std::size(run); ++i)
        mixAt(out, bell(run[i], 0.25, {{1.0, 1.0, 18.0}, {2.0, 0.2, 25.0}}),
              sampleCount(0.03 * i, rate), 0.35);
    const std::vector<Partial> bright = {
        {1.0, 1.0, 3.0}, {2.0, 0.35, 5.0}, {3.0, 0.15, 8.0}, {4.2, 0.12, 12.0}};
    mixAt(out, bell(84, 0.9, bright), sampleCount(0.12, rate), 0.9);
    mixAt(out, bell(91, 0.9, bright), sampleCount(0.27, rate), 1.0);
    mixAt(out, bell(96, 0.7, chimeRatios), sampleCount(0.27, rate), 0.25);
    out.resize(sampleCount(1.1, rate));
    return finish(out, 0.85);
}

} // namespace

const std::vector<EffectRecipe>& effectRecipes() {
    static const std::vector<EffectRecipe> recipes = {
        {"fanfare.wav", makeFanfare}, {"min.wav", makeMin},   {"blip2.wav", makeBlip2},
        {"beep.wav", makeBeep},       {"skid.wav", makeSkid}, {"metal_crunch.wav", makeMetalCrunch},
        {"flip.wav", makeFlip},       {"max.wav", makeMax},
    };
    return recipes;
}
