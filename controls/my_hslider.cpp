#include "controls/my_hslider.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cstdint>
#include <cstring>

#include "controls/dialog_units.h"
#include "resources/controls/control_bitmaps.h"
#include "resources/controls/picture_colours.h"

namespace {
constexpr int PageRepeatDelay = 400;
constexpr int PageRepeatInterval = 60;
}  // namespace

TMyHSlider::TMyHSlider(QWidget* parent, int id, int x, int y, int w, int h, int thumb, int min, int max)
    : QSlider(Qt::Horizontal, parent), dialogRect_(x, y, w, h), thumbPicture_(thumb)
{
    setObjectName(QStringLiteral("id%1").arg(id));
    setFocusPolicy(Qt::StrongFocus);
    setTickPosition(QSlider::TicksBelow);
    SetRangeAndTicks(min, max);
    PlaceInDialogUnits();
    pageRepeat_.setInterval(PageRepeatInterval);
    connect(&pageRepeat_, &QTimer::timeout, this, &TMyHSlider::PageTowardPointer);
}

int TMyHSlider::TickSpacingFor(int min, int max)
{
    const int span = max - min;
    if (span >= 50) return 10;
    if (span < 25) return 1;
    return 5;
}

void TMyHSlider::SetRangeAndTicks(int min, int max)
{
    setRange(min, max);
    setTickInterval(TickSpacingFor(min, max));
    setPageStep(tickInterval());
    setSingleStep(1);
}

void TMyHSlider::PlaceInDialogUnits()
{
    if (!parentWidget()) return;
    const QRect r = dialogRect_;
    setGeometry(DialogUnits::Of(parentWidget()).MapRect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height()));
}

bool TMyHSlider::event(QEvent* event)
{
    // Polish comes once the dialog's font is settled, just before the first show.
    if (event->type() == QEvent::Polish) {
        PlaceInDialogUnits();
        SetRangeAndTicks(minimum(), maximum());
    }
    return QSlider::event(event);
}

QString TMyHSlider::ThumbText(int value) const { return QString::number(value); }

int TMyHSlider::Transfer(void* buffer, TransferDirection direction)
{
    std::int32_t position = 0;
    if (buffer && direction == TransferDirection::Get) {
        position = value();
        std::memcpy(buffer, &position, sizeof position);
    } else if (buffer && direction == TransferDirection::Set) {
        std::memcpy(&position, buffer, sizeof position);
        setValue(position);
    }
    return sizeof position;
}

int TMyHSlider::ThumbWidth() const
{
    const QFontMetrics metrics(ValueFont());
    const int text =
        qMax(metrics.horizontalAdvance(ThumbText(minimum())), metrics.horizontalAdvance(ThumbText(maximum())));
    return qMax(20, text + 8);
}

QFont TMyHSlider::ValueFont() const
{
    QFont valueFont = font();
    valueFont.setBold(true);
    // Keep the value inside the thumb's body on small sliders.
    const int bodyHeight = SliderGeometry(size(), 0, 0, 0).ThumbHeight() - SliderGeometry::PointHeight;
    int pixels = QFontInfo(valueFont).pixelSize();
    while (QFontMetrics(valueFont).height() > bodyHeight - 2 && pixels > 6) valueFont.setPixelSize(--pixels);
    return valueFont;
}

SliderGeometry TMyHSlider::Geometry() const { return SliderGeometry(size(), ThumbWidth(), minimum(), maximum()); }

void TMyHSlider::paintEvent(QPaintEvent*)
{
    const SliderGeometry geometry = Geometry();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    // Slot: a sunken channel.
    const QRect groove = geometry.Groove();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(OutlineColour(palette()), 1));
    painter.setBrush(MixColours(palette().color(QPalette::Base), palette().color(QPalette::Shadow), 0.15));
    painter.drawRoundedRect(QRectF(groove).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Tick marks, the ends longer.
    painter.setPen(MixColours(palette().color(QPalette::Window), palette().color(QPalette::WindowText), 0.6));
    for (int v = minimum(); v <= maximum(); v += qMax(1, tickInterval())) {
        const bool end = v == minimum();
        painter.drawLine(geometry.TickX(v), geometry.TickTop(), geometry.TickX(v),
                         end ? geometry.TickBottom() : geometry.TickTop() + 2);
    }
    painter.drawLine(geometry.TickX(maximum()), geometry.TickTop(), geometry.TickX(maximum()), geometry.TickBottom());

    const QRect thumb = geometry.ThumbRect(sliderPosition());
    PaintSliderThumb(painter, thumb, thumbPicture_, isSliderDown(), palette());

    const int bodyHeight = thumb.height() - SliderGeometry::PointHeight;
    painter.setFont(ValueFont());
    painter.setPen(isEnabled() ? SliderThumbTextColour(thumbPicture_, palette())
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRect(thumb.left(), thumb.top() + 1, thumb.width(), bodyHeight), Qt::AlignHCenter | Qt::AlignTop,
                     ThumbText(sliderPosition()));

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TMyHSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || maximum() == minimum()) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint pos = event->position().toPoint();
    const QRect thumb = Geometry().ThumbRect(value());
    if (thumb.contains(pos)) {
        dragOffset_ = pos.x() - thumb.left();
        setSliderDown(true);
        update();
        return;
    }
    // Beside the thumb: page toward the pointer, repeating while held.
    pagePointerX_ = pos.x();
    PageTowardPointer();
    pageRepeat_.start(PageRepeatDelay);
}

void TMyHSlider::PageTowardPointer()
{
    const QRect thumb = Geometry().ThumbRect(value());
    if (pagePointerX_ < thumb.left())
        triggerAction(SliderPageStepSub);
    else if (pagePointerX_ > thumb.right())
        triggerAction(SliderPageStepAdd);
    else
        pageRepeat_.stop();
    if (pageRepeat_.isActive()) pageRepeat_.setInterval(PageRepeatInterval);
}

void TMyHSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    event->accept();
    setSliderPosition(Geometry().ValueAtThumbLeft(event->position().toPoint().x() - dragOffset_));
}

void TMyHSlider::mouseReleaseEvent(QMouseEvent* event)
{
    pageRepeat_.stop();
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (isSliderDown()) {
        setSliderDown(false);
        update();
    }
}
