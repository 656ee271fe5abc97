#include "tools/sim/SimPicture.h"

#include "render/cairo/ScenePng.h"

const bool SimDrawsPictures = true;

bool WriteSimPicture(const Scene& scene, int width, int height, const char* path)
{
    return WriteScenePng(scene, width, height, path);
}
