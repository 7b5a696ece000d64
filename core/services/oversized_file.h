#pragma once
// A file far larger than any settings or studio file (a disk image or a
// video chosen by mistake) is refused before it is read: reading it whole
// would hold the window up and could exhaust the memory.

// True, after message 440 naming path and the bound, when path is larger
// than WholeFileReadLimit.
bool RefuseOversizedFile(const char* path);
