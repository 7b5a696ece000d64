#pragma once
// The Qt application object the sound commands need for their timers and for
// MIDI input delivered to this thread. Created on first use.

class QCoreApplication;

QCoreApplication& CliApplication();
