#include "app/components/guitar/fingering_list.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "app/components/guitar/chord_box_delegate.h"
#include "app/components/guitar/chord_box_painter.h"

namespace {

// The frets right-aligned in `width` characters each, so that the frets of
// one string stand under those of the line above: " x  3  2 ..." once a
// line reaches fret 10.
QString Line(const Fingering& fingering, int width)
{
    QStringList frets;
    for (int s = fingering.strings - 1; s >= 0; --s) {
        const int fret = fingering.frets[s];
        frets << (fret == NotPlayedFret ? QStringLiteral("x") : QString::number(fret)).rightJustified(width);
    }
    return frets.join(QLatin1Char(' '));
}

}  // namespace

FingeringList::FingeringList(QWidget* parent) : QWidget(parent), list_(new QListWidget(this))
{
    setObjectName(QStringLiteral("Fingerings"));
    auto* caption = new QLabel(QStringLiteral("Fingerings"), this);
    caption->setBuddy(list_);
    list_->setObjectName(QStringLiteral("FingeringLines"));
    // The frets of one string stand under those of the line above.
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setFocusPolicy(Qt::NoFocus);  // typing stays with the fingerboard
    list_->setItemDelegate(new ChordBoxDelegate(boxes_, list_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (row >= 0 && row < static_cast<int>(fingerings_.size())) emit Chosen(fingerings_[row]);
    });
}

void FingeringList::Answer(const FingeringQuestion& question)
{
    if (question == answered_) return;
    answered_ = question;
    chord tuning;
    std::copy(question.tuning.begin(), question.tuning.end(), tuning.notes);
    fingerings_ = RankedFingeringsForPitchSet(question.pitchSet, tuning, question.fretPositions, question.capo,
                                              DefaultHandSpan, false, Lines);
    list_->clear();
    DrawBoxes();
    const bool twoDigits = std::any_of(fingerings_.begin(), fingerings_.end(), [](const Fingering& f) {
        return std::any_of(f.frets.begin(), f.frets.begin() + f.strings, [](int fret) { return fret >= 10; });
    });
    for (const Fingering& fingering : fingerings_) list_->addItem(Line(fingering, twoDigits ? 2 : 1));
}

void FingeringList::SetHand(ChordBoxHand hand)
{
    if (hand == hand_) return;
    hand_ = hand;
    DrawBoxes();
    list_->viewport()->update();
}

void FingeringList::DrawBoxes()
{
    boxes_.clear();
    for (const Fingering& fingering : fingerings_) boxes_.push_back(DrawChordBox(fingering, answered_.capo, hand_));
}

QImage FingeringList::ChosenBoxImage() const
{
    const QListWidgetItem* chosen = list_->currentItem();
    const int row = chosen && chosen->isSelected() ? list_->row(chosen) : -1;
    if (row < 0 || row >= static_cast<int>(boxes_.size())) return {};
    return ChordBoxImage(boxes_[row], CopyScale);
}

int FingeringList::PreferredWidth(int strings) const
{
    // The box, two-digit frets on every string beside it, the scroll bar and the margins.
    const int characters = 3 * strings + 1;
    const int box = ChordBoxDelegate::Margin + qCeil(ChordBoxWidth(strings)) + ChordBoxDelegate::Gap;
    return box + QFontMetrics(list_->font()).averageCharWidth() * characters +
           list_->verticalScrollBar()->sizeHint().width() + 16;
}
