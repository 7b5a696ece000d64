#pragma once
// File > Open MIDI File... (24332): a new Player with the song chosen.

class mmMainFrame;

void InstallSongCommands(mmMainFrame* frame);
