#pragma once

#include "tools/sounds/ModWriter.h"

#include <string>
#include <vector>

// The music of the game. Each composer fills a module and returns an empty
// string, or a message naming what in its score is wrong.
std::string composeLotus(ModModule& module);  // a gentle pentatonic tune in D
std::string composeBamboo(ModModule& module); // a light swing tune in F
std::string composeMist(ModModule& module);   // a slow ambient piece in A minor

struct SongRecipe {
    std::string fileName; // in the sound folder
    std::string (*compose)(ModModule&);
};
const std::vector<SongRecipe>& songRecipes();
