#include "app/components/keyboard/tkey_slider.h"

#include "core/theory/shown_notes.h"

namespace {
constexpr int SliderThumb = 32000;
}

TKeySlider::TKeySlider(QWidget* parent, int id, int x, int y, int w, int h, int min, int max, int mode)
    : TMyHSlider(parent, id, x, y, w, h, SliderThumb, min, max), mode_(mode)
{
}

QString TKeySlider::ThumbText(int position) const
{
    if (mode_ == StartingNote) return QString::fromStdString(ShownFullNoteName(FirstNoteAt(position)));
    QString text = position > 1 ? QString::number(position / 2) : QString();
    if (position % 2) text += QChar(0x00BD);
    return text;
}
