#include "app/commands/command_icons.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <map>
#include <vector>

#include "app/commands/command_picture_parts.h"
#include "app/commands/component_command_icons.h"
#include "app/commands/list_button_pictures.h"
#include "app/commands/shell_commands.h"

namespace {

using namespace CommandPicture;

void ProgramIcon(QPainter& p, const Inks&)
{
    // Fixed colours: the icon is the program's mark in any theme.
    QLinearGradient shade(0, 0, 0, 20);
    shade.setColorAt(0, QColor(0x3b, 0x6f, 0xd8));
    shade.setColorAt(1, QColor(0x23, 0x3f, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 4, 4);
    Inks keys;
    keys.ink = QColor(0x1b, 0x2a, 0x55);
    Keys(p, keys, QRectF(2.5, 11.5, 15, 6.5), 7);
    EighthNote(p, Qt::white, QPointF(8, 8.2), 2.6);
    p.setBrush(QColor(0xff, 0xc8, 0x3d));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(14.2, 5.6), 1.7, 1.7);
}

void Fingerboard(QPainter& p, const Inks& k)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x4a, 0x25));
    p.drawRect(QRectF(1, 5, 18, 10));
    p.setPen(Outline(QColor(0xd8, 0xd8, 0xd8), 0.8));
    for (int fret = 1; fret < 5; ++fret) p.drawLine(QPointF(1 + fret * 4.0, 5), QPointF(1 + fret * 4.0, 15));
    p.setPen(Outline(QColor(0xf0, 0xe0, 0xb0), 0.6));
    for (int s = 0; s < 6; ++s) p.drawLine(QPointF(1, 6 + s * 1.6), QPointF(19, 6 + s * 1.6));
    p.setPen(Qt::NoPen);
    p.setBrush(k.accent);
    p.drawEllipse(QPointF(7, 7.6), 1.2, 1.2);
    p.drawEllipse(QPointF(11, 10.8), 1.2, 1.2);
    p.drawEllipse(QPointF(11, 12.4), 1.2, 1.2);
}

bool Paint(QPainter& p, int id, const Inks& k)
{
    switch (id) {
    case ShellPicture::ProgramIcon:
    case ShellPicture::AboutIcon: ProgramIcon(p, k); return true;
    case ShellPicture::AboutKeyboard: Keys(p, k, QRectF(1, 5, 18, 10), 7); return true;
    case ShellPicture::AboutFingerboard: Fingerboard(p, k); return true;
    case 124:  // New studio
        Page(p, k, 4, 2, 12, 16);
        Plus(p, k.accent, QPointF(10, 12), 3);
        return true;
    case 20000: {  // Open
        p.setPen(Outline(k.ink));
        p.setBrush(k.soft);
        p.drawPolygon(
            QPolygonF({QPointF(2, 4), QPointF(7, 4), QPointF(9, 6), QPointF(17, 6), QPointF(17, 16), QPointF(2, 16)}));
        p.setBrush(k.accent);
        p.drawPolygon(QPolygonF({QPointF(5, 9), QPointF(19.5, 9), QPointF(17, 16), QPointF(2, 16)}));
        return true;
    }
    case 20001:  // Save
        p.setPen(Outline(k.ink));
        p.setBrush(k.accent);
        p.drawRoundedRect(QRectF(3, 3, 14, 14), 1.5, 1.5);
        p.setBrush(k.paper);
        p.drawRect(QRectF(6, 3, 8, 5));
        p.drawRect(QRectF(5.5, 11, 9, 6));
        p.setBrush(k.ink);
        p.drawRect(QRectF(11, 4, 1.6, 3));
        return true;
    case 20016:  // Insert a studio
        Page(p, k, 2, 2, 11, 15);
        p.setPen(Outline(k.ink, 1.0));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(4, 8 + 2.5 * i), QPointF(10, 8 + 2.5 * i));
        Plus(p, k.accent, QPointF(15, 14), 3.5);
        return true;
    case 20017:  // Close All
        Page(p, k, 6, 1.5, 11, 13);
        Page(p, k, 3, 4.5, 11, 13);
        Cross(p, k.alarm, QPointF(14, 15), 3);
        return true;
    case 24331:  // New Component
        Window(p, k, QRectF(1.5, 3, 14, 12));
        Keys(p, k, QRectF(3, 8, 11, 5.5), 5);
        Plus(p, k.accent, QPointF(16, 15), 3);
        return true;
    case 24322: {  // Cut
        p.setPen(Outline(k.ink, 1.4));
        p.drawLine(QPointF(7.5, 12), QPointF(14, 2.5));
        p.drawLine(QPointF(12.5, 12), QPointF(6, 2.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(Outline(k.alarm, 1.6));
        p.drawEllipse(QPointF(6, 15), 2.6, 2.6);
        p.drawEllipse(QPointF(14, 15), 2.6, 2.6);
        return true;
    }
    case 24323:  // Copy
        Page(p, k, 2, 2, 10, 12);
        Page(p, k, 8, 6, 10, 12);
        return true;
    case 24324:  // Paste
        p.setPen(Outline(k.ink));
        p.setBrush(QColor(0xb0, 0x7a, 0x45));
        p.drawRoundedRect(QRectF(3, 3.5, 12, 15), 1.2, 1.2);
        p.setBrush(k.soft);
        p.drawRoundedRect(QRectF(6.5, 2, 5, 3), 1, 1);
        Page(p, k, 9, 8, 9, 11);
        return true;
    case 20005:  // Preferences
        p.setPen(Outline(k.ink, 1.4));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(3, 4.5 + 5.5 * i), QPointF(17, 4.5 + 5.5 * i));
        p.setBrush(k.accent);
        p.setPen(Outline(k.ink, 1.0));
        p.drawRoundedRect(QRectF(5, 2.5, 3, 4), 0.8, 0.8);
        p.drawRoundedRect(QRectF(12, 8, 3, 4), 0.8, 0.8);
        p.drawRoundedRect(QRectF(8, 13.5, 3, 4), 0.8, 0.8);
        return true;
    case ShellPicture::SoundOn: SpeakerSounding(p, k); return true;
    case ShellPicture::SoundOff: SpeakerSilent(p, k); return true;
    case 20002:  // Connections
        Arrow(p, k.ink, QPointF(5.5, 7), QPointF(8.5, 12.5));
        Arrow(p, k.ink, QPointF(14.5, 7), QPointF(11.5, 12.5));
        Node(p, k, QRectF(1.5, 2, 7, 5));
        Node(p, k, QRectF(11.5, 2, 7, 5));
        Node(p, k, QRectF(6.5, 13, 7, 5));
        return true;
    case 9073:  // Automatic positioning
        p.setPen(Outline(k.ink, 1.0));
        p.drawLine(QPointF(5, 6), QPointF(5, 14));
        p.drawLine(QPointF(5, 6), QPointF(15, 6));
        p.drawLine(QPointF(5, 14), QPointF(15, 14));
        for (QPointF c : {QPointF(5, 6), QPointF(15, 6), QPointF(5, 14), QPointF(15, 14)})
            Node(p, k, QRectF(c.x() - 3, c.y() - 2.5, 6, 5));
        p.setPen(Outline(k.accent, 1.6));
        p.drawLine(QPointF(10, 8.5), QPointF(10, 11.5));
        return true;
    case 9074: {  // Manual positioning
        Node(p, k, QRectF(1.5, 2, 8, 6));
        const QPointF c(13, 13);
        p.setPen(Outline(k.accent, 1.4));
        p.drawLine(c - QPointF(5, 0), c + QPointF(5, 0));
        p.drawLine(c - QPointF(0, 5), c + QPointF(0, 5));
        p.setBrush(k.accent);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(c);
            p.rotate(90 * i);
            p.drawPolygon(QPolygonF({QPointF(6.5, 0), QPointF(4.5, -2), QPointF(4.5, 2)}));
            p.restore();
        }
        return true;
    }
    case 24361:  // Cascade
        Window(p, k, QRectF(1.5, 1.5, 11, 9));
        Window(p, k, QRectF(4.5, 5, 11, 9));
        Window(p, k, QRectF(7.5, 8.5, 11, 9.5));
        return true;
    case 24363:  // Tile
        Window(p, k, QRectF(1.5, 2, 8, 7.5));
        Window(p, k, QRectF(10.5, 2, 8, 7.5));
        Window(p, k, QRectF(1.5, 10.5, 8, 7.5));
        Window(p, k, QRectF(10.5, 10.5, 8, 7.5));
        return true;
    case 24381: {  // Help contents
        p.setPen(Outline(k.ink));
        p.setBrush(k.accent);
        p.drawEllipse(QPointF(10, 10), 8.2, 8.2);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(k.paper);
        p.drawText(QRectF(2, 2, 16, 16.5), Qt::AlignCenter, QStringLiteral("?"));
        return true;
    }
    default: return PaintComponentCommandPicture(p, id, k) || PaintListButtonPicture(p, id, k);
    }
}

// The drawn pictures are kept: every frame's tool bar and title show the
// same few, at the same size, in the same palette.
class CommandIconEngine : public QIconEngine {
public:
    explicit CommandIconEngine(int id) : id_(id) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        PaintCommandPicture(*painter, rect, id_, QGuiApplication::palette(), mode != QIcon::Disabled);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QPalette palette = QGuiApplication::palette();
        const bool enabled = mode != QIcon::Disabled;
        for (const Drawn& d : drawn_)
            if (d.size == size && d.scale == scale && d.enabled == enabled && d.palette == palette.cacheKey())
                return d.pixmap;
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            PaintCommandPicture(painter, QRect(QPoint(0, 0), size), id_, palette, enabled);
        }
        // A changed palette makes the older pictures useless.
        std::erase_if(drawn_, [&](const Drawn& d) { return d.palette != palette.cacheKey(); });
        drawn_.push_back({size, scale, enabled, palette.cacheKey(), pixmap});
        return pixmap;
    }
    QIconEngine* clone() const override { return new CommandIconEngine(id_); }
    QString key() const override { return QStringLiteral("CantrelCommandIcon"); }

private:
    struct Drawn {
        QSize size;
        qreal scale;
        bool enabled;
        qint64 palette;
        QPixmap pixmap;
    };
    int id_;
    std::vector<Drawn> drawn_;
};

// One icon per picture, shared by every button and frame; they go with the
// application, as pixmaps must not outlive it.
std::map<int, QIcon> sharedIcons;

void ForgetSharedIcons() { sharedIcons.clear(); }

}  // namespace

void PaintCommandPicture(QPainter& painter, const QRectF& box, int id, const QPalette& palette, bool enabled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 20.0, box.height() / 20.0);
    Paint(painter, id, InksFor(palette, enabled));
    painter.restore();
}

bool HasCommandIcon(int id)
{
    // Whether a number has a picture never changes: it is tried once.
    static std::map<int, bool> known;
    const auto it = known.find(id);
    if (it != known.end()) return it->second;
    QPixmap probe(1, 1);
    QPainter painter(&probe);
    return known[id] = Paint(painter, id, InksFor(QPalette(), true));
}

QIcon CommandIcon(int id)
{
    if (!HasCommandIcon(id)) return QIcon();
    const auto it = sharedIcons.find(id);
    if (it != sharedIcons.end()) return it->second;
    if (sharedIcons.empty()) qAddPostRoutine(ForgetSharedIcons);
    return sharedIcons[id] = QIcon(new CommandIconEngine(id));
}
