#pragma once
// FluidSynth writes its complaints to standard error; we keep them instead,
// so that a failure can be told once, in our own message.

#include <string>

// Routes FluidSynth's log into our keeping (idempotent).
void CaptureFluidLog();
// The last error FluidSynth logged, and forgets it.
std::string TakeFluidError();
