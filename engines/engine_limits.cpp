#include "engines/engine_limits.h"

EngineLimits EngineLimits::fromRequest(const SearchRequest& request) {
    EngineLimits limits;
    if (request.limitsTime() && request.seconds > 0) limits.moveTimeMs = request.seconds * 1000;
    if (request.limitsDepth() && request.depth > 0) limits.depth = request.depth;
    // A request without a usable limit still has to end: one second.
    if (limits.infinite()) limits.moveTimeMs = 1000;
    return limits;
}
