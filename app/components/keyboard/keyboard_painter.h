#pragma once
// Drawing a piano keyboard: keys raised and pressed with their shadows, the
// markers and label rows of the chord's notes, and the Find display. Works on
// any painter, so the window, tests and benchmarks draw the same picture.

#include <QRect>

#include <bitset>

#include "app/components/keyboard/keyboard_geometry.h"
#include "core/theory/pitch_set.h"
#include "core/theory/shown_notes.h"

class QPainter;
class QPalette;
class chord;

struct KeyboardPicture {
    KeyboardLayout::Geometry geometry;
    std::bitset<256> pressed;   // the chord's notes, by note value
    unsigned pitchClasses = 0;  // bit p: pitch class p (from A) is in the chord
    int labelFlags = 3;         // 1: note names, 2: spelling
    int spellingRoot = 0;       // pitch class the spelling counts from
    SpellingContext spelling;   // the chord the note names are read in
    PitchSet found;             // the Find display, empty: none
    PitchSet foundOptional;     // its optional notes
    int foundRootLetter = -1;   // the letter its root was named with, or -1
    bool showScaleNotes = false;
    int ascent = 0;  // of the label font

    bool Pressed(NOTES n) const { return n >= 0 && n < 256 && pressed.test(static_cast<std::size_t>(n)); }
};

// The chord's notes, pitch classes and spelling root.
void SetPictureChord(KeyboardPicture& picture, const chord& c);

// Draws what lies in `area` (the keys it touches, their markers and labels,
// then the Find display).
void PaintKeyboard(QPainter& p, const KeyboardPicture& picture, const QRect& area, const QPalette& palette);
// The Find display alone.
void PaintFound(QPainter& p, const KeyboardPicture& picture);

// The letters the key labels are written with: the chord's; a chord without
// a name reads in the key or scale of the Find display.
SpellingContext LabelSpelling(const KeyboardPicture& picture);
