#include "tools/sounds/Songs.h"

const std::vector<SongRecipe>& songRecipes() {
    static const std::vector<SongRecipe> recipes = {
        {"lotus.mod", composeLotus}, {"bamboo.mod", composeBamboo}, {"mist.mod", composeMist}};
    return recipes;
}
