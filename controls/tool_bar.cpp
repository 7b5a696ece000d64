#include "controls/tool_bar.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>

#include <cstring>

#include "controls/palette_placement.h"
#include "controls/saved_coordinates.h"
#include "controls/tool_command_event.h"
#include "controls/window_placement_record.h"
#include "core/services/profile.h"
#include "resources/controls/control_bitmaps.h"

namespace {

constexpr int FlashMilliseconds = 120;

QMainWindow* FrameOf(QWidget* owner)
{
    for (QWidget* w = owner; w; w = w->parentWidget())
        if (auto* frame = qobject_cast<QMainWindow*>(w)) return frame;
    return nullptr;
}

QAction* ActionOfCommand(const QToolBar* bar, int command)
{
    for (QAction* action : bar->actions())
        if (!action->isSeparator() && action->data().toInt() == command) return action;
    return nullptr;
}

// A saved position that lies on no screen (another monitor set-up, a damaged
// file) would hide the palette; bring it onto the primary screen.
QPoint OntoAScreen(QPoint topLeft, QSize size)
{
    if (QGuiApplication::screenAt(topLeft) || QGuiApplication::screenAt(topLeft + QPoint(size.width() - 1, 0)))
        return topLeft;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return topLeft;
    const QRect area = screen->availableGeometry();
    return QPoint(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() - size.width() + 1)),
                  qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() - size.height() + 1)));
}

bool IsMinimizedShowState(int show)
{
    // SW_SHOWMINIMIZED, SW_MINIMIZE, SW_SHOWMINNOACTIVE
    return show == WindowPlacementRecord::ShowMinimized || show == 6 || show == 7;
}

}  // namespace

// ---- the table of open palettes ----

std::array<QPointer<ToolBar>, PaletteTable::Count>& ToolBar::OpenPalettes()
{
    static std::array<QPointer<ToolBar>, PaletteTable::Count> open;
    return open;
}

ToolBar* ToolBar::OpenPalette(int palette)
{
    if (palette < 0 || palette >= PaletteTable::Count) return nullptr;
    return OpenPalettes()[palette].data();
}

void ToolBar::CreateToolBar(QWidget* owner, QToolBar* bar, unsigned command)
{
    if (command == PaletteTable::AllPalettesCommand) {
        const bool allOpen = IsToolBarOpen(command);
        for (int palette = 0; palette < PaletteTable::Count; ++palette) {
            if (allOpen)
                CloseToolBar(palette);
            else
                OpenToolBar(owner, bar, palette);
        }
        return;
    }
    const int palette = PaletteTable::PaletteOfToggleCommand(static_cast<int>(command));
    if (palette < 0) return;
    if (OpenPalette(palette))
        CloseToolBar(palette);
    else
        OpenToolBar(owner, bar, palette);
}

bool ToolBar::IsToolBarOpen(unsigned command)
{
    if (command == PaletteTable::AllPalettesCommand) {
        for (int palette = 0; palette < PaletteTable::Count; ++palette)
            if (!OpenPalette(palette)) return false;
        return true;
    }
    const int palette = PaletteTable::PaletteOfToggleCommand(static_cast<int>(command));
    return OpenPalette(palette < 0 ? 0 : palette) != nullptr;
}

void ToolBar::OpenToolBar(QWidget* owner, QToolBar* bar, int palette)
{
    if (palette < 0 || palette >= PaletteTable::Count || OpenPalette(palette)) return;
    auto* toolBar = new ToolBar(owner, bar, palette);
    toolBar->PlaceBesideButton();
    OpenPalettes()[palette] = toolBar;
    toolBar->show();
}

void ToolBar::CloseToolBar(int palette)
{
    ToolBar* toolBar = OpenPalette(palette);
    if (!toolBar) return;
    OpenPalettes()[palette] = nullptr;
    toolBar->hide();
    // Later: the close may come from the palette's own click.
    toolBar->deleteLater();
}

// ---- saving and loading ----

bool ToolBar::Save(const char* file)
{
    if (!file) return false;
    ProfileBatch batch;
    bool written = true;
    for (int palette = 0; palette < PaletteTable::Count; ++palette) {
        const ToolBar* toolBar = OpenPalette(palette);
        const std::string text = toolBar ? toolBar->GetPos() : std::string();
        const std::string key = std::to_string(palette);
        written = WritePrivateProfileString(SectionName, key.c_str(), text.c_str(), file) && written;
    }
    return batch.Commit() && written;
}

void ToolBar::Load(QWidget* owner, QToolBar* bar, const char* file)
{
    for (int palette = 0; palette < PaletteTable::Count; ++palette) CloseToolBar(palette);
    if (!file) return;
    for (int palette = 0; palette < PaletteTable::Count; ++palette) {
        const std::string text = GetProfileString(file, SectionName, std::to_string(palette), "");
        if (text.empty()) continue;
        OpenToolBar(owner, bar, palette);
        if (ToolBar* toolBar = OpenPalette(palette)) toolBar->SetPos(text.c_str());
    }
}

void ToolBar::ScaleToSavedCoord(QPoint* points, int n)
{
    const int width = SavedCoordinates::PrimaryScreenWidth();
    for (int i = 0; points && i < n; ++i) points[i] = SavedCoordinates::ToSaved(points[i], width);
}

void ToolBar::ScaleFromSavedCoord(QPoint* points, int n)
{
    const int width = SavedCoordinates::PrimaryScreenWidth();
    for (int i = 0; points && i < n; ++i) points[i] = SavedCoordinates::FromSaved(points[i], width);
}

std::string ToolBar::GetPos() const
{
    WindowPlacementRecord record;
    record.showCommand = isMinimized() ? WindowPlacementRecord::ShowMinimized : WindowPlacementRecord::ShowNormal;
    const QRect frame = frameGeometry();
    QPoint corners[2] = {frame.topLeft(), frame.topLeft() + QPoint(frame.width(), frame.height())};
    ScaleToSavedCoord(corners, 2);
    record.normalPosition = QRect(corners[0], QSize(corners[1].x() - corners[0].x(), corners[1].y() - corners[0].y()));
    std::string text = record.ToHex();
    if (text.empty()) return text;
    for (unsigned char state : states_) text += state ? '1' : '0';
    return text;
}

void ToolBar::SetPos(const char* text)
{
    std::fill(states_.begin(), states_.end(), 0);
    WindowPlacementRecord record;
    if (!text || !record.FromHex(text)) {
        update();
        return;
    }
    QPoint corners[2] = {
        record.normalPosition.topLeft(),
        record.normalPosition.topLeft() + QPoint(record.normalPosition.width(), record.normalPosition.height())};
    ScaleFromSavedCoord(corners, 2);
    if (record.showCommand == WindowPlacementRecord::ShowNormal) move(OntoAScreen(corners[0], frameGeometry().size()));
    if (IsMinimizedShowState(record.showCommand))
        showMinimized();
    else
        show();

    // FromHex succeeded, so the whole record is there; the cells follow it.
    const char* cells = text + WindowPlacementRecord::HexLength;
    for (int cell = 0; cell < CellCount() && cells[cell]; ++cell) states_[cell] = cells[cell] != '0';
    update();
}

// ---- checked cells ----

ToolBar* ToolBar::ToolBarContaining(int command) { return OpenPalette(PaletteTable::PaletteOfCommand(command)); }

int ToolBar::CellOf(int command) const
{
    const long long cell = static_cast<long long>(command) - firstCommand_;
    return cell >= 0 && cell < CellCount() ? static_cast<int>(cell) : -1;
}

void ToolBar::RadioCheck(int command, int first, int last)
{
    if (ToolBar* group = ToolBarContaining(first)) {
        for (int cell = 0; cell < group->CellCount(); ++cell) {
            const int cellCommand = group->firstCommand_ + cell;
            if (cellCommand >= first && cellCommand <= last) group->SetTool(cell, 0);
        }
    }
    SetChecked(command, 1);
}

int ToolBar::IsChecked(int command)
{
    const ToolBar* toolBar = ToolBarContaining(command);
    return toolBar ? toolBar->GetTool(toolBar->CellOf(command)) : 0;
}

void ToolBar::SetChecked(int command, int checked)
{
    if (ToolBar* toolBar = ToolBarContaining(command)) toolBar->SetTool(toolBar->CellOf(command), checked);
}

int ToolBar::WhichChecked(int first, int last)
{
    for (long long command = first; command <= last; ++command)
        if (IsChecked(static_cast<int>(command))) return static_cast<int>(command);
    return 0;
}

int ToolBar::GetTool(int cell) const { return cell >= 0 && cell < CellCount() ? states_[cell] : 0; }

int ToolBar::SetTool(int cell, int state)
{
    if (cell < 0 || cell >= CellCount()) return 0;
    const int old = states_[cell];
    states_[cell] = state != 0;
    InvalidateTool(cell);
    return old;
}

void ToolBar::InvalidateTool(int cell)
{
    if (cell >= 0 && cell < CellCount()) update(CellRect(cell));
}

QRect ToolBar::CellRect(int cell) const
{
    if (cell < 0 || cell >= CellCount()) return {};
    return QRect(cell / rows_ * cellWidth_, cell % rows_ * cellHeight_, cellWidth_, cellHeight_);
}

int ToolBar::GadgetFromPoint(const QPoint& point) const
{
    if (point.x() < 0 || point.y() < 0 || cellWidth_ <= 0 || cellHeight_ <= 0) return -1;
    const int column = point.x() / cellWidth_;
    const int row = point.y() / cellHeight_;
    if (column >= columns_ || row >= rows_) return -1;
    return column * rows_ + row;
}

// ---- the window ----

ToolBar::ToolBar(QWidget* owner, QToolBar* bar, int number, int cellWidth, int cellHeight)
    : QWidget(owner ? owner->window() : nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      owner_(owner),
      frame_(FrameOf(owner)),
      controlBar_(bar),
      palette_(number)
{
    const PaletteRow& row = PaletteTable::Rows[number];
    toggleCommand_ = row.toggleCommand;
    bitmapId_ = row.bitmapId;
    firstCommand_ = row.firstCommand;
    cellWidth_ = cellWidth > 0 ? cellWidth : row.cellWidth;
    cellHeight_ = cellHeight > 0 ? cellHeight : row.cellHeight;

    const QSizeF bitmapSize = LoadControlBitmap(bitmapId_, palette(), 1).deviceIndependentSize();
    columns_ = static_cast<int>(bitmapSize.width()) / cellWidth_;
    rows_ = static_cast<int>(bitmapSize.height()) / cellHeight_;
    states_.assign(CellCount(), 0);

    setObjectName(QStringLiteral("palette%1").arg(number));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFixedSize(columns_ * cellWidth_, rows_ * cellHeight_);
    flashTimer_.setSingleShot(true);
    connect(&flashTimer_, &QTimer::timeout, this, [this] {
        const int cell = flashCell_;
        flashCell_ = -1;
        InvalidateTool(cell);
    });
}

void ToolBar::PlaceBesideButton()
{
    if (!owner_ || !controlBar_) return;
    QAction* action = ActionOfCommand(controlBar_, toggleCommand_);
    QWidget* button = action ? controlBar_->widgetForAction(action) : nullptr;
    if (!button) return;
    const QPoint origin = owner_->isWindow() ? owner_->frameGeometry().topLeft() : owner_->mapToGlobal(QPoint(0, 0));
    const int width = columns_ * cellWidth_;
    const QScreen* screen = owner_->screen();
    const int screenRight = screen ? screen->geometry().x() + screen->geometry().width() : origin.x() + 100000;

    std::array<QRect, PaletteTable::Count> open;
    for (int palette = 0; palette < PaletteTable::Count; ++palette) {
        const ToolBar* other = OpenPalette(palette);
        if (other && other != this) open[palette] = other->frameGeometry();
    }
    move(PlacePaletteLeft(origin.x() + button->x() + 1, width, screenRight, open), origin.y());
}

void ToolBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    const QPixmap bitmap = LoadControlBitmap(bitmapId_, palette(), ratio);
    const QPixmap checkedBitmap = LoadControlBitmap(bitmapId_ + ControlBitmap::CheckedOffset, palette(), ratio);
    painter.drawPixmap(0, 0, bitmap);
    for (int cell = 0; cell < CellCount(); ++cell) {
        const bool shownChecked = (states_[cell] != 0) != (cell == flashCell_);
        if (!shownChecked) continue;
        const QRect r = CellRect(cell);
        if (!checkedBitmap.isNull()) {
            painter.drawPixmap(r, checkedBitmap,
                               QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio).toRect());
        } else {
            painter.setCompositionMode(QPainter::CompositionMode_Difference);
            painter.fillRect(r.adjusted(0, 0, -1, -1), Qt::white);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
}

void ToolBar::Click(int cell)
{
    if (cell < 0) return;
    // A short flash of the cell, then the command to the owner. The owner may
    // change checked states or close this palette while handling it.
    flashCell_ = cell;
    repaint(CellRect(cell));
    flashTimer_.start(FlashMilliseconds);
    if (owner_) {
        ToolCommandEvent event(firstCommand_ + cell);
        QCoreApplication::sendEvent(owner_, &event);
    }
}

void ToolBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    Click(GadgetFromPoint(event->position().toPoint()));
}

void ToolBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    Click(GadgetFromPoint(event->position().toPoint()));
}

void ToolBar::mouseMoveEvent(QMouseEvent* event)
{
    const int cell = GadgetFromPoint(event->position().toPoint());
    if (cell == hoverCell_) return;
    if (hoverCell_ >= 0) SetHintCommand(0);
    hoverCell_ = cell;
    if (cell >= 0) SetHintCommand(firstCommand_ + cell);
}

void ToolBar::ClearHint()
{
    if (hoverCell_ < 0) return;
    hoverCell_ = -1;
    SetHintCommand(0);
}

void ToolBar::leaveEvent(QEvent* event)
{
    ClearHint();
    QWidget::leaveEvent(event);
}

void ToolBar::hideEvent(QHideEvent* event)
{
    ClearHint();
    QWidget::hideEvent(event);
}

void ToolBar::closeEvent(QCloseEvent* event)
{
    // Closed by its own caption button: no longer open from now on.
    if (OpenPalette(palette_) == this) OpenPalettes()[palette_] = nullptr;
    QWidget::closeEvent(event);
}

void ToolBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(event);
}

void ToolBar::SetHintCommand(int command)
{
    if (!frame_) return;
    QString hint;
    if (command > 0) {
        if (const QAction* action = frame_->findChild<QAction*>(QStringLiteral("cmd%1").arg(command)))
            hint = action->statusTip();
    }
    QStatusTipEvent event(hint);
    QCoreApplication::sendEvent(frame_, &event);
}
