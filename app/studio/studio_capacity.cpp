#include "app/studio/studio_capacity.h"

#include <algorithm>
#include <climits>

#include "core/services/error.h"

namespace {
constexpr int TooManyComponents = 457;
}

bool RoomForComponents(int holding, long adding, const char* what)
{
    const long total = holding + adding;
    if (total <= MaxStudioComponents) return true;
    Error(TooManyComponents, MaxStudioComponents, what, int(std::min<long>(total, INT_MAX)));
    return false;
}
