#include "app/GameState.h"

#include "board/Mahjong.h"
#include "gfx/GLFont.h"
#include "menu/Menu.h"

std::int32_t gameState = Starting;
std::int32_t highScore = 0;
std::int32_t score = 0;
std::int32_t comboLevel = 0;
std::uint32_t lastMatchTime = 0;
std::int32_t effectX = 0;
std::int32_t effectY = 0;
std::int32_t effectPicture = 1;
Mahjong* board = nullptr;
std::int32_t layoutChoice = 0;
std::int32_t tileSetChoice = 0;
bool autoShuffle = false;
GLFont hudFont;
// Defined in this order, so the options menu is destroyed before the main menu
// at process end, both after the exit handler that Startup registers later.
Menu gameMenu;
Menu optionsMenu;
