// The tools use the core, no shell and no test.
#include "render/cairo/CairoSurface.h"
#include "x11/Options.h" // forbidden
#include "web/PageQuery.h" // forbidden
#include "res/ResourceIds.h" // forbidden
#include "tests/support/Check.h" // forbidden
