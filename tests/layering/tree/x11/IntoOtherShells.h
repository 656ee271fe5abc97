// The X11 shell uses the core and X, not another shell's folders nor the tests.
#include "toy/Toy.h"
#include <X11/Xlib.h>
#include "web/WebPage.h" // forbidden
#include "ui/Wnd.h" // forbidden
#include "tests/support/Check.h" // forbidden
