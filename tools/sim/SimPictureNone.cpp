#include "tools/sim/SimPicture.h"

const bool SimDrawsPictures = false;

bool WriteSimPicture(const Scene&, int, int, const char*)
{
    return false;
}
