#pragma once
// Telling the user that the settings file could not be written, and what the
// lost write costs them, so that no setting is dropped without a word.

// Reports message 446 with the settings file and `consequence` ("the
// preferences chosen hold only until it ends").
void ReportSettingsNotWritten(const char* consequence);
