#include "audio/AudioLayer.h"

#include "audio/OutputDriver.h"

#include <mikmod.h>

#include <algorithm>
#include <atomic>
#include <mutex>

SAMPLE* effectSlots[maxEffectVoices] = {};
std::uint8_t effectVoiceCount = 0;
std::uint8_t firstEffectVoice = 0;
std::uint8_t nextEffectSlot = 0;

namespace {
constexpr std::uint16_t defaultMixFrequency = 22500; // Hz, for a mix frequency of 0
constexpr std::uint8_t defaultBufferLength = 42;     // fiftieths of a second, for a length of 0

// Whether the library runs. The music thread reads it and calls the library's
// update while holding `lifecycle`, and exitSound clears it under the same lock
// before stopping the library, so no update ever reaches a stopped library.
// Lock order: `lifecycle` first, the library's own lock inside it; nothing takes
// `lifecycle` while holding the library's lock.
std::mutex lifecycle;
std::atomic<bool> running{false};

// Library updates since start. The mixer marks a voice as playing only when it
// first mixes it, so a voice started after the last update reads as stopped;
// the update count at each slot's start keeps such a slot busy until then.
std::atomic<std::uint32_t> mixerUpdates{0};
std::uint32_t slotStartUpdate[maxEffectVoices] = {};

void registerLoadersOnce() {
    // The library keeps its loaders in a list that registering twice would loop.
    static const bool registered = [] {
        MikMod_RegisterAllLoaders();
        return true;
    }();
    (void)registered;
}

UWORD mixingMode(bool stereo, bool sixteenBit, bool interpolation) {
    UWORD mode = DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX;
    if (stereo)
        mode |= DMODE_STEREO;
    if (sixteenBit)
        mode |= DMODE_16BITS;
    if (interpolation)
        mode |= DMODE_INTERP;
    return mode;
}

bool slotIsFree(int slot) {
    if (effectSlots[slot] == nullptr)
        return true;
    return slotStartUpdate[slot] != mixerUpdates &&
           Voice_Stopped(static_cast<SBYTE>(firstEffectVoice + slot));
}

int takeEffectSlot() {
    for (int slot = 0; slot < effectVoiceCount; ++slot)
        if (slotIsFree(slot))
            return slot;
    const int slot = nextEffectSlot;
    nextEffectSlot = static_cast<std::uint8_t>((nextEffectSlot + 1) % effectVoiceCount);
    return slot;
}
} // namespace

bool initSound(std::uint16_t mixFrequency, bool stereo, bool sixteenBit, bool interpolation,
               std::uint8_t musicVoices, std::uint8_t effectVoices, std::uint8_t bufferLength) {
    // The library locks inside each call only once its thread support is on.
    MikMod_InitThreads();
    if (running)
        exitSound();

    const OutputFormat format{mixFrequency != 0 ? mixFrequency : defaultMixFrequency, stereo,
                              sixteenBit, bufferLength != 0 ? bufferLength : defaultBufferLength};
    const std::optional<std::string> options = selectOutputDriver(format);
    registerLoadersOnce();
    md_mixfreq = format.mixFrequency;
    md_mode = mixingMode(stereo, sixteenBit, interpolation);
    // No window to hand over: the Linux drivers have no focus handling.
    bool started = false;
    if (options) {
        std::lock_guard<std::mutex> lock(lifecycle);
        QuietAlsaErrors quiet;
        started = MikMod_Init(options->empty() ? nullptr : options->c_str()) == 0;
        running = started;
    }

    const int music = std::min<int>(musicVoices, maxMusicVoices);
    const int effects = std::min<int>(effectVoices, maxEffectVoices);
    effectVoiceCount = static_cast<std::uint8_t>(effects);
    firstEffectVoice = static_cast<std::uint8_t>(music);
    nextEffectSlot = 0;
    std::fill(std::begin(effectSlots), std::end(effectSlots), nullptr);
    if (started) {
        MikMod_SetNumVoices(music, effects);
        MikMod_EnableOutput();
    }
    return started;
}

void exitSound() {
    if (!running)
        return;
    // Modules and samples cannot be freed once the library has stopped, so what
    // is still loaded goes first.
    freeCurrentModule();
    freeSoundEffects();
    std::lock_guard<std::mutex> lock(lifecycle);
    running = false;
    MikMod_Exit();
}

bool soundRunning() {
    return running;
}

void setMusicVolume(int volume) {
    md_musicvolume = static_cast<UBYTE>(volume & 0xFF);
}
void setSfxVolume(int volume) {
    md_sndfxvolume = static_cast<UBYTE>(volume & 0xFF);
}

std::int16_t playSample(SAMPLE* sample, std::uint16_t pan, std::uint16_t volume,
                        std::uint32_t frequency) {
    // Without effect voices there is no slot to rotate into; a stopped library
    // plays nothing.
    if (sample == nullptr || effectVoiceCount == 0 || !running)
        return -1;
    const int slot = takeEffectSlot();
    effectSlots[slot] = sample;
    slotStartUpdate[slot] = mixerUpdates;
    const SBYTE voice = static_cast<SBYTE>(firstEffectVoice + slot);
    Voice_Play(voice, sample, 0);
    Voice_SetPanning(voice, pan);
    Voice_SetVolume(voice, volume);
    if (frequency != 0)
        Voice_SetFrequency(voice, frequency);
    return voice;
}

void stopEffectVoices() {
    for (int slot = 0; slot < effectVoiceCount; ++slot) {
        if (effectSlots[slot] != nullptr)
            Voice_Stop(static_cast<SBYTE>(firstEffectVoice + slot));
        effectSlots[slot] = nullptr;
    }
}

void updateMixer() {
    std::lock_guard<std::mutex> lock(lifecycle);
    if (running) {
        MikMod_Update();
        ++mixerUpdates;
    }
}
