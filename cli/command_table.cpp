#include "cli/cli_commands.h"

namespace {

const CliCommand commands[] = {
    {"text", "NOTE...", "print the text form of the chord made of the notes (C4 E4 G4, Bb, F#3 ...)", RunTextCommand,
     NeedsChords},
    {"name", "NOTE... | --batch",
     "every name of the chord, one per line; --batch: one chord per input line, names tab-separated", RunNameCommand,
     NeedsChords},
    {"keys", "NOTE...", "every key that holds all the notes, one per line", RunKeysCommand, NeedsKeys},
    {"scales", "NOTE...", "every scale and root that holds all the notes, one per line", RunScalesCommand, NeedsScales},
    {"strings", "[--tuning N] [--frets F] [--capo C] NOTE... | --batch",
     "lay the notes on the strings of tuning N (from 0) as the Guitar does: one line per string; "
     "--batch: one chord per input line, its strings tab-separated",
     RunStringsCommand, NeedsTunings},
    {"devices", "", "list the MIDI output and input devices with their numbers", RunDevicesCommand},
    {"play", "[--device ID|--wav FILE] [--program P] [--ms MS] NOTE...",
     "sound the chord for MS ms (default 500), or render it into a WAV file", RunPlayCommand},
    {"studio", "[--json] [--layout] FILE",
     "the components of a studio file (type, title, placement, settings, chord, links) as JSON; "
     "--layout adds each icon's position in the Connections window",
     RunStudioCommand},
    {"fingerings",
     "[--tuning N] [--frets F] [--capo C] [--span S] [--count K] [--any-bass] [--svg DIR] [--left-handed] "
     "NOTE...",
     "the K best (10) fingerings on tuning N (from 0) with F fret positions (13), one per line: frets from "
     "the last string to string 0, x silent; the lowest note is the bass unless --any-bass; --svg writes "
     "each one's chord box into DIR as 01.svg, 02.svg ..., mirrored for a left-handed player with --left-handed",
     RunFingeringsCommand, NeedsTunings},
    {"tunings", "", "the tunings of the settings file with their numbers for --tuning: N, instrument, tuning",
     RunTuningsCommand, NeedsTunings},
    {"chords", "[--per change|beat|bar] [--channels LIST] [--key] [--json] FILE.mid",
     "the chords of a Standard MIDI File, one line a span, tab-separated: bar:beat, seconds, notes, every name "
     "(the chosen first); --per cuts at each change (the default), beat or bar; --channels 1,2,5-8 reads those "
     "channels (default all but percussion channel 10); --key gives the key of the piece on the first line and "
     "each span's Roman numeral before its names",
     RunChordsCommand, NeedsChords},
    {"monitor", "[--device ID]", "print the events arriving at a MIDI input until Ctrl+C", RunMonitorCommand},
};

}  // namespace

std::span<const CliCommand> CliCommands() { return commands; }

const CliCommand* FindCliCommand(const std::string& name)
{
    for (const CliCommand& command : commands)
        if (name == command.name) return &command;
    return nullptr;
}
