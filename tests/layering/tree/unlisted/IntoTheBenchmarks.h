// A folder no rule names is product: it uses neither the tests nor the benchmarks.
#include "scene/Scene.h"
#include "bench/BusyScene.h" // forbidden
