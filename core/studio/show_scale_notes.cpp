#include "core/studio/show_scale_notes.h"

#include "core/services/file_names.h"
#include "core/services/profile.h"

namespace {
int showScaleNotes = 0;
}  // namespace

int ShowScaleNotes() { return showScaleNotes; }
void SetShowScaleNotes(int on) { showScaleNotes = on ? 1 : 0; }

void ReadShowScaleNotes() { SetShowScaleNotes(GetPrivateProfileInt("Global", "ShowScaleNotes", 0, GetINIFileName())); }
