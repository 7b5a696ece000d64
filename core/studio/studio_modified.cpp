#include "core/studio/studio_modified.h"

namespace {
bool modified = false;
}

bool StudioModified() { return modified; }
void MarkStudioModified() { modified = true; }
void ClearStudioModified() { modified = false; }
