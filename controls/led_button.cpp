#include "controls/led_button.h"

#include <QPainter>
#include <QVariant>

#include <string>

#include "controls/phrase_table.h"
#include "resources/controls/control_bitmaps.h"
#include "resources/controls/controls_strings.h"

namespace {
constexpr int InfoStringBase = 50;
constexpr std::size_t MaxInfoLength = 79;
}  // namespace

LEDButton::LEDButton(QWidget* parent, int id, int info, int led)
    : QRadioButton(parent), info_(info), led_(qBound(0, led, ControlBitmap::LedColours - 1))
{
    setObjectName(QStringLiteral("id%1").arg(id));
    setFixedSize(ControlBitmap::PictureSize, ControlBitmap::PictureSize);
    // Choosing with the keyboard moves the focus first; choosing with the
    // mouse may set the state after the focus arrived.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on && hasFocus()) SetInfoText();
    });
}

QString LEDButton::InfoText() const
{
    const char* stored = ControlStrings().Find(info_ + InfoStringBase);
    const std::string pattern = std::string(stored ? stored : "").substr(0, MaxInfoLength);
    return QString::fromStdString(PhraseTable::Shared().Expand(pattern.c_str()));
}

void LEDButton::SetInfoText()
{
    QWidget* dialog = window();
    QWidget* target = dialog->findChild<QWidget*>(QStringLiteral("id%1").arg(InfoControlId));
    if (!target) return;
    const QString text = InfoText();
    // Labels, line edits and buttons have "text"; text edits "plainText".
    if (!target->setProperty("text", text)) target->setProperty("plainText", text);
}

void LEDButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    if (isChecked()) SetInfoText();
}

void LEDButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = ControlBitmap::PictureSize;
    const qreal ratio = devicePixelRatioF();
    const QPixmap strip = LoadControlBitmap(ControlBitmap::Leds, palette(), ratio);
    const int pictureX = (2 * led_ + (isChecked() ? 1 : 0)) * side;
    painter.drawPixmap(QRectF(0, 0, side, side), strip, QRectF(pictureX * ratio, 0, side * ratio, side * ratio));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

bool LEDButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

QSize LEDButton::sizeHint() const { return QSize(ControlBitmap::PictureSize, ControlBitmap::PictureSize); }

QSize LEDButton::minimumSizeHint() const { return sizeHint(); }
