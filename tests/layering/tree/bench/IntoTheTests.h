// The benchmarks use anything, one another included, but the tests.
#include "toy/Toy.h"
#include "x11/WindowBuffer.h"
#include "bench/BusyScene.h"
#include "tests/support/Check.h" // forbidden
