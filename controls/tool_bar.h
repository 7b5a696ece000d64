#pragma once
// The floating tool palettes: up to ten small tool windows, each a grid of
// tool cells over one picture. A click on a cell sends the owner a
// ToolCommandEvent with the cell's command; cells can be checked (radio groups
// and toggles). Palettes open beside the tool-bar button that toggles them,
// show the hint of the cell under the mouse in the owner's status bar, and
// keep their placement and checked cells in the [Toolbar] section of a studio
// file.
//
// Cells are numbered down the columns: cell = column * rows + row, and the
// command of a cell is the palette's first command + cell.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "controls/palette_table.h"

class QMainWindow;
class QToolBar;

class ToolBar : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* SectionName = "Toolbar";

    // Opens the palette of toggle command `command` when closed, closes it when
    // open. 122: opens every closed palette unless all ten are open, then
    // closes them all. Other commands do nothing.
    static void CreateToolBar(QWidget* owner, QToolBar* bar, unsigned command);
    // Whether the palette of `command` is open (122: all ten); an unknown
    // command asks about palette 0.
    static bool IsToolBarOpen(unsigned command);
    static void OpenToolBar(QWidget* owner, QToolBar* bar, int palette);
    static void CloseToolBar(int palette);
    // The open palette `palette`, or nullptr.
    static ToolBar* OpenPalette(int palette);

    // Writes keys "0" to "9" of [Toolbar]: each open palette's position text,
    // empty for a closed one. False when the file could not be written.
    static bool Save(const char* file);
    // Closes all palettes, then opens those whose key is not empty and puts
    // them where the text says.
    static void Load(QWidget* owner, QToolBar* bar, const char* file);

    // The palette whose commands would contain `command`, if it is open.
    static ToolBar* ToolBarContaining(int command);
    // Unchecks first..last in the palette of first, then checks command.
    static void RadioCheck(int command, int first, int last);
    static int IsChecked(int command);
    static void SetChecked(int command, int checked);
    // The first checked command of first..last, or 0.
    static int WhichChecked(int first, int last);

    // Screen coordinates to saved ones (1/16384 of the primary screen's width) and back.
    static void ScaleToSavedCoord(QPoint* points, int n);
    static void ScaleFromSavedCoord(QPoint* points, int n);

    // The position text: placement record as hex, then '1' or '0' per cell.
    std::string GetPos() const;
    // Applies a position text; a damaged one leaves the palette where it is
    // with no cell checked, missing cell characters leave cells unchecked.
    void SetPos(const char* text);

    int GetTool(int cell) const;
    // Sets a cell's checked state and repaints it; returns the old state.
    int SetTool(int cell, int state);
    void InvalidateTool(int cell);
    // The cell under a point of the palette, or -1.
    int GadgetFromPoint(const QPoint& point) const;
    // Shows the hint of command in the owner's status bar (0 or less clears it).
    void SetHintCommand(int command);

    int PaletteNumber() const { return palette_; }
    int ToggleCommand() const { return toggleCommand_; }
    int BitmapId() const { return bitmapId_; }
    int FirstCommand() const { return firstCommand_; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int CellCount() const { return columns_ * rows_; }
    QRect CellRect(int cell) const;
    int HoverCell() const { return hoverCell_; }
    // The cell shown inverted by a click just now, or -1.
    int FlashingCell() const { return flashCell_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ToolBar(QWidget* owner, QToolBar* bar, int number, int cellWidth = 0, int cellHeight = 0);
    static std::array<QPointer<ToolBar>, PaletteTable::Count>& OpenPalettes();

    void PlaceBesideButton();
    void Click(int cell);
    void ClearHint();
    // The cell of command in this palette, or -1.
    int CellOf(int command) const;

    QPointer<QWidget> owner_;
    QPointer<QMainWindow> frame_;
    QPointer<QToolBar> controlBar_;
    int palette_;
    int toggleCommand_;
    int bitmapId_;
    int firstCommand_;
    int cellWidth_;
    int cellHeight_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<unsigned char> states_;
    int hoverCell_ = -1;
    int flashCell_ = -1;
    QTimer flashTimer_;
};
