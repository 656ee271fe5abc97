// The scene uses the standard library and Box2D, nothing drawn and no platform.
#include "scene/Scene.h"
#include "render/Renderer.h" // forbidden
#include <box2d/box2d.h>
#include <vector>
#include <windows.h> // forbidden
