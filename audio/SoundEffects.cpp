#include "audio/AudioLayer.h"

#include "platform/DataPath.h"

#include <mikmod.h>

SAMPLE* effectSamples[soundEffectCount] = {};

const char* const effectFiles[soundEffectCount] = {
    "sound\\fanfare.wav", "sound\\min.wav",          "sound\\blip2.wav", "sound\\beep.wav",
    "sound\\skid.wav",    "sound\\metal_crunch.wav", "sound\\flip.wav",  "sound\\max.wav",
};

namespace {
constexpr std::uint16_t effectPan = 127; // centre
constexpr int fullEffectVolume = 256;
EffectListener effectListener = nullptr;
} // namespace

void setEffectListener(EffectListener listener) {
    effectListener = listener;
}

bool loadSoundEffects() {
    freeSoundEffects();
    // The library cannot load a sample while it is stopped.
    if (!soundRunning())
        return false;
    for (int effect = 0; effect < soundEffectCount; ++effect) {
        effectSamples[effect] = Sample_Load(nativePath(effectFiles[effect]).c_str());
        if (effectSamples[effect] == nullptr)
            return false;
    }
    return true;
}

void freeSoundEffects() {
    if (!soundRunning()) {
        // A stopped library has already released its sample memory.
        std::fill(std::begin(effectSamples), std::end(effectSamples), nullptr);
        return;
    }
    // The music thread may still be mixing an effect, and Sample_Free takes no
    // lock: the voices are stopped through the library's locked calls first.
    // An effect started since the last update has not been mixed yet; when the
    // mixer comes to start it, it finds the freed sample's handle empty and
    // drops the voice.
    stopEffectVoices();
    for (SAMPLE*& sample : effectSamples) {
        if (sample != nullptr)
            Sample_Free(sample);
        sample = nullptr;
    }
}

void playEffect(int effect, int volume) {
    if (effectListener != nullptr)
        effectListener(effect, volume);
    if (effect < 0 || effect >= soundEffectCount)
        return;
    const int clamped = volume < 0 ? 0 : (volume > fullEffectVolume ? fullEffectVolume : volume);
    playSample(effectSamples[effect], effectPan, static_cast<std::uint16_t>(clamped), 0);
}
