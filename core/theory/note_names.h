#pragma once
// Loading of chord::SharpNames and chord::FlatNames from the string table.

// Fills both tables when chord::SharpNames is still empty; later calls do
// nothing.
void LoadNoteNameTables();
