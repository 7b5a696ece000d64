#include "core/studio/arrival_sound.h"

namespace {
int soundedAtSource = 0;
}  // namespace

SoundedAtSource::SoundedAtSource() { ++soundedAtSource; }
SoundedAtSource::~SoundedAtSource() { --soundedAtSource; }

bool ArrivalsSound() { return soundedAtSource == 0; }
