#include "tools/sim/SimPicture.h"

#include "render/cairo/ScenePng.h"
#include "tools/sim/ReplaceFile.h"

const bool SimDrawsPictures = true;

bool WriteSimPicture(const Scene& scene, int width, int height, const char* path)
{
    return ReplaceFile(path, [&](std::FILE* out) { return WriteScenePng(scene, width, height, out); });
}
