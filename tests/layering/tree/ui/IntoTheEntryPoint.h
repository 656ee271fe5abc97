// The window framework uses the settings, not the entry point that starts it nor another shell.
#include "settings/WorldSetting.h"
#include "app/ProcessState.h" // forbidden
#include "x11/OwnWindow.h" // forbidden
