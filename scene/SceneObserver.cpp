#include "scene/SceneObserver.h"

const char* RemovalReasonName(RemovalReason reason)
{
    switch (reason) {
    case RemovalReason::Rest:
        return "rest";
    case RemovalReason::Fall:
        return "fall";
    case RemovalReason::Age:
        return "age";
    case RemovalReason::TakenWith:
        return "taken";
    case RemovalReason::Cleared:
        return "cleared";
    }
    return "unknown";
}
