#pragma once
// libjack prints to standard error whenever a client finds no server, which
// on most machines is every time we look for JACK. We tell the user once, in
// our own words, so its printing is switched off.

// Silences libjack's error and information output for the process (safe to
// call often; does nothing when libjack is not loaded).
void QuietJackLog();
