#include "resources/core/core_strings.h"

namespace {

// The messages Error shows, by number. Numbers missing here are shown as
// message 400 with the number.
constexpr StringTableEntry Messages[] = {
    {400, "Internal error : %04X.  Please contact customer support."},
    {401, "Cannot understand chord #%d in cantrel.ini"},
    {402, "Exceeded the maximum number of instruments (%d) in the [Tunings] section of cantrel.ini"},
    {403, "Cannot understand tuning #%d in cantrel.ini"},
    {404, "Cannot understand scale #%d in cantrel.ini"},
    {405, "Cannot understand key #%d in cantrel.ini"},
    {406, "Error writing studio file %s."},
    {407, "Error reading studio file %s."},
    {408, "Cannot write to cantrel.ini in neither the program directory nor the Windows directory."},
    {409, "Internal error: undetermined window type"},
    {411, "Unable to open a MIDI device with the specified ID.  Try specifying another MIDI device."},
    {412, "The requested MIDI resource is already allocated.  Close other applications using MIDI and try again."},
    {413, "The MIDI device is having problems allocating memory.  Free some memory and try again."},
    {414,
     "No instruments have been configured in the MIDI mapper.  Please use the Control Panel, select Multimedia, and "
     "correct the problem under the MIDI tab."},
    {415,
     "The MIDI port specified in your preferences is no longer connected.  Please go into preferences and select "
     "another MIDI device."},
    {437,
     "The studio template file, TEMPLATE.!CT is missing.  Your studio will not contain any windows by default.  To "
     "restore the file, either copy it off the install disks, or reinstall Cantrel Studio."},
    {438,
     "The studio file %s is cut short: only %d of its components could be read.  It will not open at the next start "
     "unless you save it."},
    {439, "The %s printer (driver name %s) with output to %s is not correct.  Sheet music may not display properly."},
    {440, "The file %s is larger than %d MB, more than any studio or settings file holds.  It has not been read."},
    {441, "The MIDI device reports this error : %s.  Please contact customer support for assistance."},
    {442, "The MIDI device is still playing.  Please wait until it becomes free and try again."},
    {443, "The MIDI hardware is still busy.  Please wait a moment and try again."},
    {444,
     "The MIDI hardware setup is invalid.  You must go into the Control Panel and change the MIDI device to meet your "
     "hardware."},
    {445, "Only one instance of Cantrel Studio can be running at the same time."},
    {446, "Cantrel Studio could not write its settings to %s, so %s."},
    {447, "The definitions of %s are missing from %s; the ones Cantrel Studio comes with are used this time."},
    {448,
     "The INI file is missing.  You will not have definitions for chords, tunings, instruments, scales, or keys.  Try "
     "copying CANTREL.INI from the install disks or reinstalling."},
    {449,
     "The definitions of %s were missing from cantrel.ini and have been restored from the ones Cantrel Studio comes "
     "with."},
    {450, "Too many MIDI components are active."},
    {451, "There was an error opening the MIDI device (%s) for input: %s"},
    {452, "The nesting level for merging components is too deep.  Not all components have been processed."},
    {453, "There is no help defined for the current studio."},
    {454,
     "The MIDI driver failed to enable.  You may need to close Cantrel Studio, wait a moment and try again, or restart "
     "Windows if this does not work."},
    {455,
     "No MIDI device driver is present.  Cantrel Studio requires a MIDI device to play sounds; please reinstall "
     "drivers for your sound card."},
    {456,
     "Some MIDI input was lost while Cantrel Studio was busy.  The notes shown are the ones held on the instrument "
     "now."},
    {457, "A studio can hold at most %d components, and %s would make it %d.  The studio has been left as it was."},
    {458,
     "Cantrel Studio is already running but could not open %s: it stopped before it was ready.  Start it again, or "
     "open the studio there with Studio > Open."},
    {470, "The chord boxes could not be written to the folder %s: %s."},
    {471, "The chord box %s could not be written: %s."},
    {475, "%s cannot be opened: %s."},
    {476, "%s is not a Standard MIDI File: %s."},
    {477, "%s is a MIDI file of format %s, whose tracks are separate patterns rather than one song.  Only files "
          "of format 0 and 1 can be read."},
    {478, "%s is cut short: %s.  Only a whole file can be read."},
    {479, "%s is damaged: %s.  Nothing of it has been read."},
    {480, "%s holds no notes."},
    {481, "%s is too large to read as a song: %s."},
    {485,
     "The song %s was not found.  The Player keeps its place in the studio with the song's name; choose Open in "
     "the Player to find the song again."},
};

}  // namespace

std::span<const StringTableEntry> MessageStrings() { return Messages; }
