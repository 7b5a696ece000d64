#pragma once
// What the component benchmarks run on: settings in a scratch folder of their
// own and the capture backend in place of a sound card, with the primary MIDI
// output made on it.

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/midi/capture_backend.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/services/file_names.h"

struct ScratchCapture {
    CaptureBackend* capture = nullptr;  // null when no scratch folder could be made
    std::string folder;                 // removed by the benchmark when it ends
};

inline ScratchCapture UseScratchSettingsAndCapture()
{
    std::string folder = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return {};
    const std::string ini = folder + "/cantrel.ini";
    UseINIFileName(ini.c_str());
    auto backend = std::make_unique<CaptureBackend>();
    CaptureBackend* capture = backend.get();
    SetMidiBackend(std::move(backend));
    new MidiDev();
    return {capture, folder};
}
