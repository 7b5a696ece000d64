#include "controls/font_size_mapper.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <cstdlib>

#include "controls/dialog_units.h"

FontSizeMapper::FontSizeMapper() { Measure(QGuiApplication::font()); }

FontSizeMapper::FontSizeMapper(const QFont& font) { Measure(font); }

FontSizeMapper::FontSizeMapper(const char* face, int height)
{
    QFont font(QString::fromUtf8(face ? face : ""));
    if (height != 0) font.setPixelSize(std::abs(height));
    font.setWeight(QFont::Normal);
    Measure(font);
}

void FontSizeMapper::Measure(const QFont& font)
{
    const QFontMetrics metrics(font);
    averageCharWidth_ = metrics.averageCharWidth();
    ascent_ = metrics.ascent();
}

QRect FontSizeMapper::MapRect(const QWidget* dialog, int left, int top, int right, int bottom)
{
    return DialogUnits::Of(dialog).MapRect(left, top, right, bottom);
}
