#pragma once

#include "ObjectShape.h"

// The shape of the last object dropped with the pointer; drops alternate, and the first drop
// of the process is a box.
inline ObjectShape LastPlacedShape = ObjectShape::Circle;
