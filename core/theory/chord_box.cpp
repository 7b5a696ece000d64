#include "core/theory/chord_box.h"

#include <algorithm>

using namespace ChordBoxLayout;

namespace {

constexpr double StringWidth = 1;
constexpr double FretWidth = 1;
constexpr double NutWidth = 3;
constexpr double NumberSize = 7;
constexpr double LabelSize = 7;
// A baseline this far below the middle of a text centres its digits.
constexpr double DigitDrop = 0.36;
constexpr double MarkHalf = 2.5;  // the x's arms, the o's radius
constexpr double MarkWidth = 1.1;
constexpr double MarkY = Top - 7.5;
constexpr double ArcAbove = 1.5;
constexpr double ArcRise = 3;
constexpr double ArcWidth = 1.2;

// The bass string (the last slot) stands on the left, for a left hand on the right.
double StringX(int slot, int strings, ChordBoxHand hand)
{
    return Left + (hand == ChordBoxHand::Left ? slot : strings - 1 - slot) * StringGap;
}
double RowMiddle(int fret, const ChordBoxFrets& frets) { return Top + (fret - frets.first + 0.5) * FretGap; }

}  // namespace

double ChordBoxWidth(int strings) { return Left + std::max(strings - 1, 0) * StringGap + Right; }
double ChordBoxHeight(int rows) { return Top + rows * FretGap + Bottom; }

ChordBoxFrets ChordBoxFretsOf(const Fingering& fingering, int capo)
{
    int lowest = 0, highest = -1;
    for (int s = 0; s < fingering.strings; ++s) {
        const int fret = fingering.frets[s];
        if (fret <= capo) continue;
        if (highest < 0 || fret < lowest) lowest = fret;
        highest = std::max(highest, fret);
    }
    ChordBoxFrets frets;
    frets.atNut = highest <= capo + MinRows;
    frets.first = frets.atNut ? capo + 1 : lowest;
    frets.rows = std::max(MinRows, highest - frets.first + 1);
    return frets;
}

ChordBox DrawChordBox(const Fingering& fingering, int capo, ChordBoxHand hand)
{
    const int strings = std::max(fingering.strings, 1);
    const auto stringX = [&](int slot) { return StringX(slot, strings, hand); };
    const ChordBoxFrets frets = ChordBoxFretsOf(fingering, capo);
    ChordBox box;
    box.width = ChordBoxWidth(strings);
    box.height = ChordBoxHeight(frets.rows);

    // A single string still shows its frets.
    const double overhang = strings == 1 ? StringGap / 2 : 0;
    const double left = Left - overhang, right = Left + (strings - 1) * StringGap + overhang;
    const double bottom = Top + frets.rows * FretGap;
    for (int row = 0; row <= frets.rows; ++row) {
        const double y = Top + row * FretGap;
        const bool nut = row == 0 && frets.atNut;
        // The nut grows downward from the top line, so that it never covers the marks.
        const double width = nut ? NutWidth : FretWidth;
        const double middle = nut ? y + (NutWidth - FretWidth) / 2 : y;
        box.lines.push_back({left, middle, right, middle, width});
    }
    for (int s = 0; s < fingering.strings; ++s) {
        const double x = stringX(s);
        box.lines.push_back({x, Top, x, bottom, StringWidth});
    }
    if (!frets.atNut || capo > 0)
        box.texts.push_back({Left - 4, RowMiddle(frets.first, frets) + LabelSize * DigitDrop,
                             std::to_string(frets.first) + "fr", LabelSize, ChordBoxAnchor::End, false});

    for (int s = 0; s < fingering.strings; ++s) {
        const double x = stringX(s);
        const int fret = fingering.frets[s];
        if (fret == NotPlayedFret) {
            box.lines.push_back({x - MarkHalf, MarkY - MarkHalf, x + MarkHalf, MarkY + MarkHalf, MarkWidth});
            box.lines.push_back({x - MarkHalf, MarkY + MarkHalf, x + MarkHalf, MarkY - MarkHalf, MarkWidth});
        } else if (fret <= capo) {
            box.circles.push_back({x, MarkY, MarkHalf, false, MarkWidth});
        } else {
            const double y = RowMiddle(fret, frets);
            box.circles.push_back({x, y, DotRadius, true, 0});
            const int finger = fingering.hand.finger[s];
            if (finger != NoFinger)
                box.texts.push_back(
                    {x, y + NumberSize * DigitDrop, std::to_string(finger), NumberSize, ChordBoxAnchor::Middle, true});
        }
    }
    // The arc spans the barre's strings just above its row, clear of the nut,
    // drawn from its left end whichever hand frets.
    for (const FingerBarre& barre : fingering.hand.barres) {
        const double from = stringX(barre.from), to = stringX(barre.to);
        box.arcs.push_back({std::min(from, to), std::max(from, to),
                            Top + (barre.fret - frets.first) * FretGap - ArcAbove, ArcRise, ArcWidth});
    }
    return box;
}
