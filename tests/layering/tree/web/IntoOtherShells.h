// The page uses the core, not another shell's folders nor the benchmarks.
#include "toy/Toy.h"
#include "x11/SceneWindow.h" // forbidden
#include "app/CommandLine.h" // forbidden
#include "bench/BusyScene.h" // forbidden
