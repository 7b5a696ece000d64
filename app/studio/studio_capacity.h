#pragma once
// How many components one studio may hold. Each is a window of its own; far
// beyond any studio a musician builds, loading slows to minutes and the
// window system's drawing of so many sibling windows runs out of stack.

constexpr int MaxStudioComponents = 1000;

// True when `adding` components fit beside the `holding` ones the studio
// has; otherwise reports message 457, naming what would have brought them
// (a studio file's path, "a new component"), and returns false.
bool RoomForComponents(int holding, long adding, const char* what);
