#pragma once

#include <cstdint>

class GLFont;
class Menu;
class Mahjong;

// The screens of the game; `gameState` holds one of them. Any other value
// makes a frame run no step at all.
enum GameStateCode : std::int32_t {
    Starting = 0,   // the first frame: font, menus and music
    InMainMenu = 1, // the main menu is shown
    InOptions = 2,  // the options menu is shown
    Playing = 3,    // a game is in progress
    GameOver = 4,   // one frame that settles the high score and ends the game
    Quitting = 5,   // asks the main loop to end, every frame until it does
};

// The layout files by `layoutChoice`.
constexpr const char* layoutFiles[2] = {"mahjong\\classic.tab", "mahjong\\cube.tab"};

// The game-flow state, touched by the main thread only.
extern std::int32_t gameState;      // a GameStateCode
extern std::int32_t highScore;      // best score of this run; never written to disk
extern std::int32_t score;          // score of the game in progress; may go negative
extern std::int32_t comboLevel;     // quick follow-up pairs; a pair scores comboLevel * 10 + 20
extern std::uint32_t lastMatchTime; // tick count (ms) of the last removed pair; 0: long ago
extern std::int32_t effectX;        // overlay pixel centre of the effect picture
extern std::int32_t effectY;
extern std::int32_t
    effectPicture;     // sceneTextures slot of the effect picture: 1 bang, 2 combo, 3 turbo
extern Mahjong* board; // the game in progress, owned here; null between games
extern std::int32_t layoutChoice;  // index into layoutFiles
extern std::int32_t tileSetChoice; // index into tileFiles, also the tile size option
extern bool autoShuffle;           // re-deal by itself when no open move is left
extern GLFont hudFont;             // the heads-up font, made on the first frame
extern Menu gameMenu;              // the main menu, loaded on the first frame
extern Menu optionsMenu;           // the options menu, loaded on the first frame
