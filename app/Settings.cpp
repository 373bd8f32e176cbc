#include "app/Settings.h"

std::int32_t musicVolume = 0;
std::int32_t sfxVolume = 0;
std::int32_t background = 0;
bool backgroundOn = true;
std::int32_t playlistCount = 0;
std::vector<std::string> playlist;
