#include "app/dialogs/search/search_mode_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/dialogs/search/search_lists.h"
#include "app/commands/command_picture_parts.h"
#include "resources/controls/picture_colours.h"

namespace {

using namespace CommandPicture;

constexpr int Padding = 6;

const char* CaptionOf(int kind)
{
    switch (kind) {
    case SearchKind::Scale: return "Find &Scale";
    case SearchKind::Key: return "Find &Key";
    default: return "Find &Chord";
    }
}

// Five staff lines across the picture; y of line i (0 at the top).
qreal StaffLine(int i) { return 4.0 + 3.0 * i; }

void Staff(QPainter& p, const Inks& k)
{
    p.setPen(Outline(MixColours(k.ink, k.paper, 0.55), 0.7));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(0.5, StaffLine(i)), QPointF(19.5, StaffLine(i)));
}

void Head(QPainter& p, const QColor& c, QPointF centre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.save();
    p.translate(centre);
    p.rotate(-20);
    p.drawEllipse(QRectF(-1.9, -1.3, 3.8, 2.6));
    p.restore();
}

void ChordPicture(QPainter& p, const Inks& k)
{
    for (int i = 0; i < 3; ++i) Head(p, k.accent, QPointF(9, StaffLine(4) - 3.0 * i));
    p.setPen(Outline(k.accent, 0.9));
    p.drawLine(QPointF(10.7, StaffLine(4) - 0.4), QPointF(10.7, StaffLine(0) - 2.5));
}

void ScalePicture(QPainter& p, const Inks& k)
{
    for (int i = 0; i < 5; ++i) Head(p, k.accent, QPointF(3 + 3.4 * i, StaffLine(4) + 1.5 - 1.5 * i));
}

void KeyPicture(QPainter& p, const Inks& k)
{
    // Two sharps, as a key signature writes them.
    p.setPen(Outline(k.accent, 1.0));
    for (const QPointF c : {QPointF(6, StaffLine(0) + 1.5), QPointF(12.5, StaffLine(1) + 1.5)}) {
        p.drawLine(c + QPointF(-1.0, -3.6), c + QPointF(-1.0, 3.8));
        p.drawLine(c + QPointF(1.2, -3.8), c + QPointF(1.2, 3.6));
        p.setPen(Outline(k.accent, 1.4));
        p.drawLine(c + QPointF(-2.6, -0.6), c + QPointF(2.6, -1.6));
        p.drawLine(c + QPointF(-2.6, 1.8), c + QPointF(2.6, 0.8));
        p.setPen(Outline(k.accent, 1.0));
    }
}

}  // namespace

void PaintSearchModePicture(QPainter& painter, const QRectF& box, int kind, const QPalette& palette, bool enabled)
{
    const Inks k = InksFor(palette, enabled);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 20.0, box.height() / 20.0);
    Staff(painter, k);
    switch (kind) {
    case SearchKind::Scale: ScalePicture(painter, k); break;
    case SearchKind::Key: KeyPicture(painter, k); break;
    default: ChordPicture(painter, k); break;
    }
    painter.restore();
}

SearchModeButton::SearchModeButton(QWidget* parent, int id, int kind) : QPushButton(parent), kind_(kind)
{
    setObjectName(QStringLiteral("id%1").arg(id));
    // The caption's '&' gives the button its Alt key, as a plain button's would.
    setText(QString::fromUtf8(CaptionOf(kind)));
    setAutoDefault(false);
}

int SearchModeButton::PictureSide() const { return qMax(16, fontMetrics().height() * 3 / 2); }

QSize SearchModeButton::sizeHint() const
{
    const QString caption = QString(text()).remove(QLatin1Char('&'));
    const int width = Padding + PictureSide() + Padding + fontMetrics().horizontalAdvance(caption) + 2 * Padding;
    const int height = PictureSide() + 2 * Padding;
    return QSize(width, height);
}

void SearchModeButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const int side = PictureSide();
    const QRect picture(Padding, (height() - side) / 2, side, side);
    PaintSearchModePicture(painter, picture, kind_, palette(), isEnabled());

    // The caption always shows its underlined letter: the letter is the
    // button's name in the dialog.
    const QRect textRect(picture.right() + Padding, 0, width() - picture.right() - 2 * Padding, height());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, text());
}
