#include "scene/WorldRecipe.h"

const WorldRecipe& RecipeOf(WorldKind world)
{
    switch (world) {
    case WorldKind::NewtonsCradle:
        return NewtonsCradleRecipe;
    case WorldKind::PachinkoMachine:
        return PachinkoRecipe;
    case WorldKind::Cascadium:
        break;
    }
    return CascadiumRecipe;
}
