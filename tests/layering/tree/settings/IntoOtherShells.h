// The Windows shell's folders use one another, not another shell's folders nor the tests.
#include "ui/Wnd.h"
#include "scene/WorldKind.h"
#include "x11/Options.h" // forbidden
#include "web/PageQuery.h" // forbidden
#include "tests/support/Check.h" // forbidden
