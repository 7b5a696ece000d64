#include "app/components/guitar/typing_pictures.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

// A row of key caps, each with its legend and an optional caption under it.
void DrawKeyRow(QPainter& p, const QRectF& box, const QStringList& legends, const QStringList& captions,
                const QPalette& palette)
{
    const int count = std::max<int>(1, static_cast<int>(legends.size()));
    const qreal step = box.width() / count;
    const qreal capHeight = captions.isEmpty() ? box.height() : box.height() * 0.58;
    QFont font = p.font();
    font.setPixelSize(std::max(7, static_cast<int>(capHeight * 0.6)));
    p.setFont(font);
    for (int i = 0; i < legends.size(); ++i) {
        const QRectF cap(box.left() + i * step + 1, box.top() + 0.5, step - 2, capHeight - 1);
        p.setPen(QPen(palette.color(QPalette::WindowText), 1.0));
        p.setBrush(palette.color(QPalette::Base));
        p.drawRoundedRect(cap, 2.5, 2.5);
        p.setPen(palette.color(QPalette::Text));
        p.drawText(cap, Qt::AlignCenter, legends[i]);
        if (i < captions.size()) {
            const QRectF under(cap.left(), box.top() + capHeight, cap.width(), box.height() - capHeight);
            p.setPen(palette.color(QPalette::Highlight));
            p.drawText(under, Qt::AlignCenter, captions[i]);
        }
    }
}

}  // namespace

QPixmap MakeTypingPicture(int id, QSize size, qreal devicePixelRatio, const QPalette& palette,
                          const QStringList& openStrings)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF box(0, 0, size.width(), size.height());
    if (id == TypingPicture::ComputerKeys) {
        const QString rows[] = {QStringLiteral("1234567890"), QStringLiteral("QWERTYUIOP"),
                                QStringLiteral("ASDFGHJKL;"), QStringLiteral("ZXCVBNM,./")};
        const qreal rowHeight = box.height() / 4;
        for (int r = 0; r < 4; ++r) {
            QStringList keys;
            for (QChar c : rows[r]) keys << QString(c);
            // Each row set off a little to the right, as on the keyboard.
            const qreal indent = r * rowHeight * 0.4;
            DrawKeyRow(p, QRectF(indent, r * rowHeight, box.width() - 3 * rowHeight * 0.4, rowHeight), keys, {},
                       palette);
        }
    } else if (id == TypingPicture::Tablature) {
        DrawKeyRow(p, box,
                   {QStringLiteral("X"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("0"),
                    QStringLiteral("1"), QStringLiteral("0")},
                   {QStringLiteral("low"), {}, {}, {}, {}, QStringLiteral("high")}, palette);
    } else if (id == TypingPicture::Fingerboard) {
        QStringList keys;
        const QString digits = QStringLiteral("1234567890");
        for (int i = 0; i < std::min<int>(10, static_cast<int>(openStrings.size())); ++i) keys << QString(digits[i]);
        DrawKeyRow(p, box, keys, openStrings, palette);
    }
    return pixmap;
}
