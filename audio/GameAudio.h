#pragma once

#include <cstdint>

// What the rest of the game sees of the sound system. Every call is safe from
// the main thread while the music thread runs.

enum SoundEffect : int {
    SFX_FANFARE = 0,      // a new high score
    SFX_MIN = 1,          // a pair removed 1500 ms or more after the previous one
    SFX_BLIP2 = 2,        // the highlighted menu item changes
    SFX_BEEP = 3,         // a tile selected, or the selection moved
    SFX_SKID = 4,         // a click that hits nothing selectable
    SFX_METAL_CRUNCH = 5, // a menu item activated
    SFX_FLIP = 6,         // the selected tile clicked again
    SFX_MAX = 7,          // a pair removed within 1500 ms of the previous one
};
constexpr int soundEffectCount = 8;

// Starts the library (mix frequency in Hz, 0 for 22500; voices capped at 64
// each; output buffer length in fiftieths of a second, 0 for 42). The output
// driver comes from VELDRIN_AUDIO or the first sound device present. True when
// it started.
bool initSound(std::uint16_t mixFrequency, bool stereo, bool sixteenBit, bool interpolation,
               std::uint8_t musicVoices, std::uint8_t effectVoices, std::uint8_t bufferLength);
// Stops the library. Safe to call twice and after a failed initSound.
void exitSound();
// Volumes use the low 8 bits of their argument; the mixer's scale ends at 128.
void setMusicVolume(int volume);
void setSfxVolume(int volume);

// Loads playlist entry 0 as the current module with looping and wrapping off,
// without starting it. False when it does not load.
bool loadFirstModule();
// Loads the eight effects in index order; false at the first that fails.
bool loadSoundEffects();
void freeSoundEffects();
// Plays an effect at pan 127 with a volume from 0 to 255 (kept within 0 to 256;
// an effect number outside the table plays nothing).
void playEffect(int effect, int volume);
// Test hook: called with the arguments of every playEffect call before it
// plays anything; nullptr (the default) removes it.
using EffectListener = void (*)(int effect, int volume);
void setEffectListener(EffectListener listener);
// First frame: starts the current module (if any) and the music thread.
void startMusic();
// End of every frame: moves on to the next playlist entry when the module has
// ended or, with `skipTrackKey`, when N is down.
void updateMusic();

extern bool skipTrackKey; // the N key skips tracks (false in game-noskip)
