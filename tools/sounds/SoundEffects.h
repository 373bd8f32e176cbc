#pragma once

#include "tools/sounds/Synth.h"

#include <string>
#include <vector>

// The game plays an effect at the frequency its mixer voice already has, which
// libmikmod's software mixer starts at 10000 Hz; the effects are made at that
// rate so that they sound as designed.
constexpr int effectRate = 10000;

struct EffectRecipe {
    std::string fileName; // in the sound folder
    Signal (*make)();
};

// The eight effects of the game, in the order of its effect table.
const std::vector<EffectRecipe>& effectRecipes();
