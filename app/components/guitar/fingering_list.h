#pragma once
// The "Fingerings" list beside the fingerboard: the best fingerings of the
// Guitar's chord, or of the chord Find found, on its tuning, best first.
// Each line is a chord box with its frets beside it; clicking a line hands
// that fingering to the Guitar.

#include <QImage>
#include <QWidget>

#include <array>
#include <vector>

#include "core/theory/chord_box.h"
#include "core/theory/ranked_fingerings.h"

class QListWidget;

// What the list answers: a chord as its pitch set (its root the bass), on a
// tuning with its fret positions and capo.
struct FingeringQuestion {
    PitchSet pitchSet;
    std::array<NOTES, chord::Slots> tuning{};
    int fretPositions = 0;
    int capo = 0;
    bool operator==(const FingeringQuestion&) const = default;
};

class FingeringList : public QWidget {
    Q_OBJECT
public:
    // Lines shown at the most.
    static constexpr int Lines = 24;

    explicit FingeringList(QWidget* parent = nullptr);

    // Fills the list with the best fingerings of the question, unless it
    // shows them already (so that a click keeps its line).
    void Answer(const FingeringQuestion& question);
    // Draws the boxes as the hand that frets reads them.
    void SetHand(ChordBoxHand hand);
    const std::vector<Fingering>& Shown() const { return fingerings_; }
    const std::vector<ChordBox>& Boxes() const { return boxes_; }
    // The chord box of the line last clicked, as a picture to copy; null
    // when no line is chosen.
    QImage ChosenBoxImage() const;
    // Pixels per box unit of that picture.
    static constexpr qreal CopyScale = 3;
    QListWidget* List() const { return list_; }
    // The width it takes beside a fingerboard of so many strings.
    int PreferredWidth(int strings) const;

signals:
    void Chosen(const Fingering& fingering);

private:
    QListWidget* list_;
    FingeringQuestion answered_;
    ChordBoxHand hand_ = ChordBoxHand::Right;
    std::vector<Fingering> fingerings_;
    std::vector<ChordBox> boxes_;

    void DrawBoxes();
};
