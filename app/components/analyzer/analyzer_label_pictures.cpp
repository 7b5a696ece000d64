#include "app/components/analyzer/analyzer_label_pictures.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {
constexpr qreal SlantDegrees = 45.0;
constexpr int Pad = 2;
const QString InputText = QStringLiteral("Input");

// The longest label, in pixels of the widget's font.
int LongestLabel(const QFontMetrics& metrics, const QStringList& labels)
{
    int longest = 0;
    for (const QString& label : labels) longest = std::max(longest, metrics.horizontalAdvance(label));
    return longest;
}
}  // namespace

InputLabelPicture::InputLabelPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("id%1").arg(PictureId));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize InputLabelPicture::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.height() + 2 * Pad, metrics.horizontalAdvance(InputText) + 2 * Pad};
}

void InputLabelPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    // Read from bottom to top, centred along the height.
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, InputText);
}

ViewLabelsPicture::ViewLabelsPicture(QWidget* parent, const QStringList& labels, int columnWidth)
    : QWidget(parent), labels_(labels), columnWidth_(columnWidth)
{
    setObjectName(QStringLiteral("id%1").arg(PictureId));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ViewLabelsPicture::sizeHint() const
{
    const QFontMetrics metrics(font());
    const qreal reach = LongestLabel(metrics, labels_) * std::sin(SlantDegrees * M_PI / 180.0);
    const int height = int(std::ceil(reach)) + metrics.height() + Pad;
    return {int(columnWidth_ * labels_.size() + std::ceil(reach)) + metrics.height(), height};
}

void ViewLabelsPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (int i = 0; i < labels_.size(); ++i) {
        painter.save();
        // Each label rises to the right from just above the middle of its column.
        painter.translate(columnWidth_ * i + columnWidth_ / 2.0, height() - Pad);
        painter.rotate(-SlantDegrees);
        painter.drawText(QPointF(0, -metrics.descent()), labels_[i]);
        painter.restore();
    }
}
