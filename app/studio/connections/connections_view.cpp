#include "app/studio/connections/connections_view.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextOption>

#include <algorithm>

#include "core/studio/component_layout.h"
#include "core/studio/component_node.h"
#include "app/studio/component_titles.h"
#include "app/studio/connections/component_icons.h"
#include "app/studio/connections/layout_edit.h"
#include "app/studio/connections_geometry.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"

using namespace ConnectionsGeometry;

namespace {

bool InStudio(const ComponentNode* c)
{
    if (!c) return false;
    for (const ComponentNode* n = FirstComponent(); n; n = n->Next)
        if (n == c) return true;
    return false;
}

QString TitleOf(const ComponentNode* c)
{
    const mmMDIChild* frame = FrameOfComponent(c);
    return frame ? frame->windowTitle() : QString();
}

// What a component covers on the page: ports, icon and title with room for
// a second line.
QRect Covered(const ComponentNode& c) { return QRect(c.IconX - 16, c.IconY, 64, 80); }

// A link from a component to itself: a loop over its icon from its first
// output back to its input.
QPainterPath SelfLoop(const ComponentNode& c, int inputSlot)
{
    const QPointF in = PortCentre(c, inputSlot);
    const QPointF out = PortCentre(c, c.InputCount);
    QPainterPath path(out);
    path.cubicTo(out + QPointF(14, -28), in + QPointF(-14, -28), in);
    return path;
}

}  // namespace

ConnectionsView::ConnectionsView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("connectionsView"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setSingleStep(LineStep);
        bar->setPageStep(PageStep);
    }
    Refresh();
}

ConnectionsView::~ConnectionsView() { EndRename(); }

QPoint ConnectionsView::DocumentPoint(QPoint viewportPoint) const
{
    return viewportPoint + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QPoint ConnectionsView::ViewportPoint(QPoint documentPoint) const
{
    return documentPoint - QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void ConnectionsView::Refresh()
{
    if (!InStudio(MenuTarget)) {
        MenuTarget = nullptr;
        if (DragKind == -1) DragKind = 0;
    }
    if (RenameEdit && !InStudio(RenameTarget)) {
        // Its component went: nothing left to rename.
        RenameTarget = nullptr;
        RenameEdit->hide();
        RenameEdit->deleteLater();
        RenameEdit = nullptr;
    }
    RecomputeLayout();
    FitScrollBars();
    PlaceRenameEdit();
    viewport()->update();
}

void ConnectionsView::FitScrollBars()
{
    const QSize extent = DocumentExtent();
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extent.width() - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent.height() - client.height()));
}

void ConnectionsView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    FitScrollBars();
    viewport()->update();
}

void ConnectionsView::scrollContentsBy(int dx, int dy)
{
    EndRename();
    viewport()->scroll(dx, dy);
}

void ConnectionsView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp: v->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: v->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home: v->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: v->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case Qt::Key_Up: v->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: v->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_Left: h->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_Right: h->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void ConnectionsView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll = DocumentPoint(QPoint());
    painter.translate(-scroll);
    PaintDocument(painter, event->rect().translated(scroll));
}

void ConnectionsView::PaintDocument(QPainter& painter, const QRect& area) const
{
    const QPalette& colours = palette();
    painter.fillRect(area, colours.color(QPalette::Base));
    painter.setFont(font());
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QColor ink = colours.color(QPalette::Text);
    const QPen linkPen(ink, 1.0);
    const QPixmap passThrough = ComponentPicture(ConnectionsPicture::PassThroughMark, IconSize, dpr, colours);
    for (const ComponentNode* c = FirstComponent(); c; c = c->Next) {
        const int ports = PortCount(*c);
        // Each link is drawn from both of its ends, so one that only one end
        // holds still shows.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(linkPen);
        painter.setBrush(Qt::NoBrush);
        for (int s = 0; s < ports; ++s) {
            const LinkSlot& link = c->Links[s];
            if (!link.From || !link.To) continue;
            if (link.From == c && link.To == c) {
                const QPainterPath loop = SelfLoop(*c, s);
                if (loop.controlPointRect().toAlignedRect().adjusted(-1, -1, 1, 1).intersects(area))
                    painter.drawPath(loop);
                continue;
            }
            QPoint other;
            if (!OtherEndCentre(*c, s, other)) continue;
            const QPoint here = PortCentre(*c, s);
            if (QRect(here, other).normalized().adjusted(-1, -1, 1, 1).intersects(area)) painter.drawLine(here, other);
        }
        if (!Covered(*c).intersects(area)) continue;
        painter.drawPixmap(c->IconX, c->IconY,
                           ComponentPicture(ComponentPictureId(c->TypeId, c->PassThrough), IconSize, dpr, colours));
        if (c->PassThrough) painter.drawPixmap(c->IconX, c->IconY, passThrough);
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (int s = 0; s < ports; ++s) painter.fillRect(QRect(PortTopLeft(*c, s), QSize(PortSize, PortSize)), ink);
        painter.setPen(ink);
        painter.drawStaticText(TitleBox(*c).topLeft(), TitleText(VisibleTitle(TitleOf(c)).left(TitleLimit)));
    }
    if (DragKind == 1 || DragKind == 2) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(colours.color(QPalette::Highlight), 1.5, Qt::DashLine));
        painter.drawLine(DragAnchor, DragLast);
    }
}

const QStaticText& ConnectionsView::TitleText(const QString& title) const
{
    // Laid out once: a title is wrapped at word breaks, centred under its
    // icon, and may run below its box.
    if (titles_.size() > 4096) titles_.clear();
    auto found = titles_.find(title);
    if (found != titles_.end()) return *found;
    QStaticText text(title);
    text.setTextFormat(Qt::PlainText);
    text.setTextWidth(TitleWidth);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    text.setTextOption(option);
    text.prepare(QTransform(), font());
    return *titles_.insert(title, text);
}

void ConnectionsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) titles_.clear();
    QAbstractScrollArea::changeEvent(event);
}

void ConnectionsView::EndRename()
{
    if (RenameEdit && !FinishRename(true)) FinishRename(false);
}

void ConnectionsView::StartRename(ComponentNode* c)
{
    EndRename();
    mmMDIChild* frame = FrameOfComponent(c);
    if (!frame) return;
    RenameTarget = c;
    RenameEdit = new TLayoutEdit(VisibleTitle(frame->windowTitle()), viewport());
    RenameEdit->setFont(font());
    connect(RenameEdit, &TLayoutEdit::Finished, this, [this](bool keep) { FinishRename(keep); });
    PlaceRenameEdit();
    RenameEdit->show();
    RenameEdit->setFocus();
}

void ConnectionsView::PlaceRenameEdit()
{
    if (!RenameEdit || !RenameTarget) return;
    // Over the title box, wide and high enough to type in.
    const QRect box = TitleBox(*RenameTarget);
    const int width = std::max(box.width() + 32, RenameEdit->fontMetrics().averageCharWidth() * 16);
    const int height = std::max(box.height(), RenameEdit->sizeHint().height());
    QRect edit(0, 0, width, height);
    edit.moveCenter(ViewportPoint(box.center()));
    edit.moveTop(ViewportPoint(box.topLeft()).y());
    RenameEdit->setGeometry(edit);
}

bool ConnectionsView::FinishRename(bool keep)
{
    if (!RenameEdit) return true;
    if (keep) {
        if (mmMDIChild* frame = FrameOfComponent(RenameTarget)) {
            if (RenameComponent(frame, RenameEdit->text()) == RenameResult::Duplicate) {
                QApplication::beep();
                return false;
            }
        }
    }
    RenameTarget = nullptr;
    // The edit may be inside its own key handler.
    RenameEdit->hide();
    RenameEdit->deleteLater();
    RenameEdit = nullptr;
    setFocus();
    viewport()->update();
    return true;
}

void ConnectionsView::mousePressEvent(QMouseEvent* event)
{
    EndRename();
    QPoint p = DocumentPoint(event->position().toPoint());
    int kind = 0, index = 0;
    ComponentNode* c = HitTest(AllPorts, p, kind, index);
    if (event->button() == Qt::LeftButton) {
        if (!c) return;
        if (kind == BodyHit) {
            DragKind = -1;
            MenuTarget = c;
            DragAnchor = p - QPoint(c->IconX, c->IconY);
        } else {
            DragKind = kind;
            DragAnchor = DragLast = p;
        }
    } else if (event->button() == Qt::RightButton && c && kind == BodyHit) {
        MenuTarget = c;
        ShowIconMenu(event->globalPosition().toPoint());
    }
}

void ConnectionsView::DragTo(QPoint p)
{
    int kind = 0, index = 0;
    // Idle or moving: every port; a line from an input looks for outputs,
    // from an output for inputs.
    ComponentNode* c = HitTest(3 - DragKind, p, kind, index);
    if (c && kind == InputPort)
        viewport()->setCursor(PortCursor(ConnectionsPicture::InputCursor));
    else if (c && kind == OutputPort)
        viewport()->setCursor(PortCursor(ConnectionsPicture::OutputCursor));
    else
        viewport()->unsetCursor();
    if (DragKind == 1 || DragKind == 2) {
        DragLast = p;
        viewport()->update();
    }
}

void ConnectionsView::MoveIcon(QPoint p)
{
    if (!MenuTarget) return;
    // Kept on the page, where the scroll bars reach it.
    const QPoint place(std::max(0, p.x() - DragAnchor.x()), std::max(0, p.y() - DragAnchor.y()));
    MenuTarget->ManualPosition = 1;
    MenuTarget->StoredIconX = MenuTarget->IconX = place.x();
    MenuTarget->StoredIconY = MenuTarget->IconY = place.y();
    FitScrollBars();
    viewport()->update();
}

void ConnectionsView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = DocumentPoint(event->position().toPoint());
    DragTo(p);
    if (DragKind == -1) MoveIcon(p);
}

void ConnectionsView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || DragKind == 0) return;
    const QPoint p = DocumentPoint(event->position().toPoint());
    if (DragKind == -1) {
        MoveIcon(p);
        DragKind = 0;
        return;
    }
    // Where the button went up counts, whether or not a move came first.
    DragTo(p);
    DragKind = 0;
    viewport()->update();
    if (ConnectByDrag(DragAnchor, DragLast)) Refresh();
}

void ConnectionsView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    EndRename();
    if (ComponentNode* c = HitTitle(DocumentPoint(event->position().toPoint()))) StartRename(c);
}

void ConnectionsView::ShowIconMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("iconMenu"));
    const struct {
        int id;
        const char* text;
        int checked;  // -1: no check mark
    } items[] = {
        {ConnectionsCommand::PassNotesThrough, "&Pass notes through", MenuTarget->PassThrough ? 1 : 0},
        {ConnectionsCommand::ActivateWindow, "&Activate Window", -1},
        {ConnectionsCommand::ManualPositioning, "&Manual Positioning", MenuTarget->ManualPosition ? 1 : 0},
        {ConnectionsCommand::Rename, "&Rename", -1},
    };
    for (const auto& item : items) {
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        action->setObjectName(QStringLiteral("cmd%1").arg(item.id));
        action->setData(item.id);
        action->setCheckable(item.checked >= 0);
        action->setChecked(item.checked == 1);
    }
    if (QAction* chosen = menu.exec(globalPos)) IconCommand(chosen->data().toInt());
}

void ConnectionsView::IconCommand(int id)
{
    // The component may have gone while the menu was open.
    if (!InStudio(MenuTarget)) return;
    ComponentNode* c = MenuTarget;
    switch (id) {
    case ConnectionsCommand::PassNotesThrough:
        c->PassThrough = c->PassThrough ? 0 : 1;
        viewport()->update();
        break;
    case ConnectionsCommand::ActivateWindow:
        if (mmMDIChild* frame = FrameOfComponent(c)) {
            if (QMdiArea* area = frame->mdiArea()) area->setActiveSubWindow(frame);
            frame->showNormal();
        }
        break;
    case ConnectionsCommand::ManualPositioning:
        c->ManualPosition = c->ManualPosition ? 0 : 1;
        if (!c->ManualPosition) Refresh();
        break;
    case ConnectionsCommand::Rename: StartRename(c); break;
    default: break;
    }
}
