#pragma once
// The [Midi] section of cantrel.ini. Besides the numbers the dialogs use,
// the names of the chosen ports are kept ("OutDeviceName", "InDeviceName"):
// port numbers change when devices come and go, names do not.

#include <string>
#include <vector>

int ReadMidiInt(const char* key, int def);
std::string ReadMidiString(const char* key);
// A null value deletes the key.
void WriteMidiString(const char* key, const char* value);
void WriteMidiInt(const char* key, int value);

// The device number stored under idKey, moved to where the port remembered
// under nameKey is now listed in `ports` (when it is listed).
int ResolveDeviceSetting(const char* idKey, int def, const char* nameKey, const std::vector<std::string>& ports);
// Stores `id` under idKey and the name of port `id` under nameKey (deleting
// it for identifiers that are no port).
void StoreDeviceSetting(const char* idKey, int id, const char* nameKey, const std::vector<std::string>& ports);
