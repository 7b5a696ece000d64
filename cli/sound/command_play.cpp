// cantrel-cli play [--device ID] [--program P] [--ms MS] NOTE...
//   sounds the chord on an output for MS milliseconds and returns when it ends.
// cantrel-cli play --wav FILE [--program P] [--ms MS] NOTE...
//   renders it with the built-in synthesizer into a WAV file instead.
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <cstdio>
#include <filesystem>

#include "cli/sound/cli_application.h"
#include "cli/sound/sound_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/sound_options.h"
#include "core/midi/chord_render.h"
#include "core/midi/chord_sound.h"
#include "core/midi/midi_dev.h"
#include "core/theory/chord.h"
#include "core/theory/notes.h"
#include "core/theory/shown_notes.h"

namespace {

constexpr long DefaultMs = 500;
constexpr long MaxMs = 3600000;  // an hour
// Time for the release of the last notes before the device is reset.
constexpr unsigned long ReleaseWaitMs = 300;

struct PlayRequest {
    int device = MidiDev::PrimaryDevice;
    bool deviceGiven = false;
    int program = 0;
    unsigned long ms = DefaultMs;
    std::string wavPath;
    chord notes;
};

// A WAV file goes to a new path or replaces a regular file; anything else (a
// FIFO nobody reads, a device, a folder) would block or be no file at all.
bool CanTakeWav(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return status.type() == std::filesystem::file_type::not_found ||
           status.type() == std::filesystem::file_type::regular;
}

int ReadRequest(const std::vector<std::string>& args, PlayRequest& request)
{
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> words;
    std::string problem;
    const std::vector<SoundOption> known = {{"--device", true}, {"--program", true}, {"--ms", true}, {"--wav", true}};
    if (!SplitSoundOptions(args, known, options, words, problem)) return UsageError(problem);
    for (const auto& [name, value] : options) {
        long number = 0;
        if (name == "--wav") {
            if (value.empty()) return UsageError("--wav needs a file name");
            if (!CanTakeWav(value)) {
                std::fprintf(stderr, "%s: play: '%s' is not a regular file\n", ProgramName, value.c_str());
                return ExitFailure;
            }
            request.wavPath = value;
        } else if (name == "--device") {
            if (!ReadSoundNumber(name, value, MidiDev::PrimaryDevice, 127, number, problem)) return UsageError(problem);
            request.device = static_cast<int>(number);
            request.deviceGiven = true;
        } else if (name == "--program") {
            if (!ReadSoundNumber(name, value, 0, 127, number, problem)) return UsageError(problem);
            request.program = static_cast<int>(number);
        } else {
            if (!ReadSoundNumber(name, value, 1, MaxMs, number, problem)) return UsageError(problem);
            request.ms = static_cast<unsigned long>(number);
        }
    }
    if (!request.wavPath.empty() && request.deviceGiven)
        return UsageError("--wav renders with the built-in synthesizer; --device does not go with it");
    if (words.empty()) return UsageError("play needs at least one note");
    for (const std::string& word : words) {
        NOTES n = NoNote;
        if (!ParseShownNote(word.c_str(), &n) || n - 3 < 0 || n - 3 > 127) {
            std::fprintf(stderr, "%s: not a playable note: '%s'\n", ProgramName, word.c_str());
            return ExitUsage;
        }
        request.notes.AddNote(n);
    }
    return ExitOk;
}

int Render(PlayRequest& request)
{
    int in = 0, out = 0, names = 0, velocity = 0;
    MidiDev::GetMidiSettings(in, out, names, velocity);
    ChordRender info;
    MidiStatus status;
    if (!RenderChordToWav(request.wavPath, request.notes, request.program, velocity, request.ms, info, status)) {
        std::fprintf(stderr, "%s: play: %s\n", ProgramName, status.detail.c_str());
        return ExitFailure;
    }
    const double rate = info.sampleRate;
    std::printf("%s: %d notes, %.3f s (%.3f s held, %.3f s release)\n", request.wavPath.c_str(),
                request.notes.CountNotes(), (info.noteFrames + info.releaseFrames) / rate, info.noteFrames / rate,
                info.releaseFrames / rate);
    return ExitOk;
}

void WaitWithEvents(QCoreApplication& app, unsigned long ms)
{
    QThread::msleep(ms);
    app.processEvents();
}

int Sound(PlayRequest& request)
{
    QCoreApplication& app = CliApplication();
    // The primary device only when it is asked for: opening it may say why
    // it cannot sound, which is beside the point for another device.
    if (request.device == MidiDev::PrimaryDevice) new MidiDev();  // ReleaseDevices frees it
    MidiDev* device = MidiDev::MidiOut(request.device);
    if (!device || !device->handle) {
        // The failure has been reported as it happened.
        MidiDev::ReleaseDevices();
        if (!device) std::fprintf(stderr, "%s: play: no output device\n", ProgramName);
        return ExitFailure;
    }
    const bool silent = device->handle->Silent();
    request.notes.midiOutput = static_cast<std::int16_t>(request.device + 2);
    request.notes.program = request.program;
    request.notes.TimedSound(request.ms);
    if (PendingTimedSounds() == 0) {  // refused, and reported
        MidiDev::ReleaseDevices();
        return ExitFailure;
    }
    while (PendingTimedSounds() > 0) app.processEvents(QEventLoop::WaitForMoreEvents);
    if (!silent) WaitWithEvents(app, ReleaseWaitMs);
    MidiDev::ReleaseDevices();
    if (silent) {
        std::fprintf(stderr, "%s: play: the chord was played, but there is no audio output to hear it\n", ProgramName);
        return ExitFailure;
    }
    return ExitOk;
}

}  // namespace

int SoundPlayCommand(const std::vector<std::string>& args)
{
    PlayRequest request;
    if (const int status = ReadRequest(args, request); status != ExitOk) return status;
    return request.wavPath.empty() ? Sound(request) : Render(request);
}
