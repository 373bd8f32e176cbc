#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The settings of config.cfg, filled once by the reader before anything else
// runs. The display mode itself lives in `window` (GLWindow.h).

extern std::int32_t musicVolume; // music volume as written; the audio layer uses its low 8 bits
extern std::int32_t sfxVolume;   // sound-effect volume as written, used the same way
extern std::int32_t background;  // 0 "tex\background2.bmp", 1 "tex\background.bmp", 2 none
extern bool backgroundOn;        // a background picture is drawn (background is not 2)
extern std::int32_t playlistCount;         // number of entries in `playlist`
extern std::vector<std::string> playlist;  // module paths in file order, e.g. "sound\song.mod"
