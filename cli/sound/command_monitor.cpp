// cantrel-cli monitor [--device ID] : prints every event arriving at a MIDI
// input, one line each, until interrupted (Ctrl+C).
#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>

#include "cli/sound/cli_application.h"
#include "cli/sound/sound_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/sound_options.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/midi/midi_input.h"

namespace {

constexpr int StopPollMs = 50;

std::atomic<bool> stopRequested{false};

void RequestStop(int) { stopRequested = true; }

// Prints the events posted to it.
class EventPrinter : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != MidiInputEventType()) return QObject::event(e);
        event_tag ev{};
        if (GetMidiEvent(*static_cast<MidiInputEvent*>(e), &ev)) {
            char line[DisplayTextSize];
            GetDisplayText(line, &ev);
            std::printf("%s\n", line);
            std::fflush(stdout);
        }
        return true;
    }
};

int ChosenInput(const std::vector<std::string>& args, int& device)
{
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> words;
    std::string problem;
    if (!SplitSoundOptions(args, {{"--device", true}}, options, words, problem)) return UsageError(problem);
    if (!words.empty()) return UsageError("monitor takes no arguments besides --device");
    int in = 0, out = 0, names = 0, velocity = 0;
    MidiDev::GetMidiSettings(in, out, names, velocity);
    device = in;
    for (const auto& option : options) {
        long number = 0;
        if (!ReadSoundNumber(option.first, option.second, 0, 127, number, problem)) return UsageError(problem);
        device = static_cast<int>(number);
    }
    return ExitOk;
}

}  // namespace

int SoundMonitorCommand(const std::vector<std::string>& args)
{
    int device = 0;
    if (const int status = ChosenInput(args, device); status != ExitOk) return status;
    if (device < 0) {
        std::fprintf(stderr, "%s: monitor: no MIDI input is chosen in the settings; name one with --device\n",
                     ProgramName);
        return ExitFailure;
    }
    QCoreApplication& app = CliApplication();
    EventPrinter printer;
    if (!InitializeMidiInput(device, &printer)) return ExitFailure;  // reported

    const auto names = CurrentMidiBackend().InputNames();
    const std::string name = device < static_cast<int>(names.size()) ? names[device] : std::string();
    std::fprintf(stderr, "%s: listening to %d %s; Ctrl+C stops\n", ProgramName, device, name.c_str());

    stopRequested = false;
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&app] {
        if (stopRequested) app.quit();
    });
    poll.start(StopPollMs);
    app.exec();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    UninitializeMidiInput(&printer);
    return ExitOk;
}
