#include "tools/sounds/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double twoPi = 2 * std::numbers::pi;
constexpr double highestPartial = 0.45; // of the sample rate
} // namespace

std::size_t sampleCount(double seconds, double rate) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * rate)));
}

Signal silence(double seconds, double rate) {
    return Signal(sampleCount(seconds, rate), 0.0f);
}

double midiFrequency(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

void addPartials(Signal& signal, double rate, const std::vector<Partial>& partials,
                 std::size_t offset) {
    for (const auto& partial : partials) {
        if (partial.frequency <= 0 || partial.frequency >= highestPartial * rate)
            continue;
        // Rotating phasor and decay factor per sample: exact and cheap.
        const double step = twoPi * partial.frequency / rate;
        const double decay = std::exp(-partial.decayPerSecond / rate);
        double amplitude = partial.amplitude;
        for (std::size_t i = offset; i < signal.size(); ++i) {
            signal[i] +=
                static_cast<float>(amplitude * std::sin(partial.phase + step * double(i - offset)));
            amplitude *= decay;
            if (std::abs(amplitude) < 1e-6)
                break;
        }
    }
}

float NoiseSource::next() {
    // xorshift32: long period, no dependence on the library's generators.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state / 2147483647.5 - 1.0);
}

void Biquad::set(double nb0, double nb1, double nb2, double a0, double na1, double na2) {
    b0 = nb0 / a0;
    b1 = nb1 / a0;
    b2 = nb2 / a0;
    a1 = na1 / a0;
    a2 = na2 / a0;
}

void Biquad::setLowPass(double frequency, double q, double rate) {
    const double w = twoPi * frequency / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setHighPass(double frequency, double q, double rate) {
    const double w = twoPi * frequency / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setBandPass(double frequency, double q, double rate) {
    const double w = twoPi * frequency / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::process(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
}

double attackDecay(double t, double attack, double decayPerSecond) {
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) * decayPerSecond);
}

void shape(Signal& signal, double rate, const std::function<double(double)>& gain) {
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = static_cast<float>(signal[i] * gain(double(i) / rate));
}

void mixAt(Signal& into, const Signal& from, std::size_t offset, double gain) {
    if (into.size() < offset + from.size())
        into.resize(offset + from.size(), 0.0f);
    for (std::size_t i = 0; i < from.size(); ++i)
        into[offset + i] += static_cast<float>(from[i] * gain);
}

double peakOf(const Signal& signal) {
    double peak = 0;
    for (float value : signal)
        peak = std::max(peak, double(std::abs(value)));
    return peak;
}

void normalise(Signal& signal, double peak) {
    const double current = peakOf(signal);
    if (current <= 0)
        return;
    for (auto& value : signal)
        value = static_cast<float>(value * peak / current);
}

void fadeOut(Signal& signal, double rate, double seconds) {
    const std::size_t length = std::min(signal.size(), sampleCount(seconds, rate));
    const std::size_t start = signal.size() - length;
    for (std::size_t i = 0; i < length; ++i)
        signal[start + i] = static_cast<float>(signal[start + i] * double(length - i) / length);
}

std::vector<std::int8_t> toPcm8(const Signal& signal) {
    std::vector<std::int8_t> pcm;
    pcm.reserve(signal.size());
    for (float value : signal)
        pcm.push_back(
            static_cast<std::int8_t>(std::lround(std::clamp(value * 127.0, -128.0, 127.0))));
    return pcm;
}
