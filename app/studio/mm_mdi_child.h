#pragma once
// The frame of a component: an MDI child holding the component (its client)
// and the component's vertical tool bar along the right edge. It carries out
// the Component menu's commands on its client.

#include <QKeySequence>
#include <QList>
#include <QMdiSubWindow>
#include <QPointer>

#include "controls/window_placement_record.h"
#include "core/studio/find_state.h"

class mmMDIChildClient;
class QAction;
class QToolBar;

// Runs the Search dialog on a component's Find settings (kind, root and name
// index); gives them back with the pitch set found and its optional
// intervals. The dialogs install it (InstallStudioParts), so that the frame
// knows no dialog.
using FindDialogRunner = int (*)(QWidget* parent, FindState& find);
void SetFindDialogRunner(FindDialogRunner runner);

class mmMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int ToolBarWidth = 34;

    // Takes ownership of client; sets its mode and sound, builds the tool bar
    // and marks the studio modified.
    mmMDIChild(mmMDIChildClient* client, const QString& title, QWidget* parent = nullptr);
    ~mmMDIChild() override;

    mmMDIChildClient* Client() const { return client_; }
    QToolBar* ComponentToolBar() const { return toolBar_; }

    // Carries out a component command; false for an id it does not handle.
    bool Command(int id, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Whether command id does anything on this component: the sound, play,
    // reset, mode and settings commands do nothing on a Splitter or Joiner.
    bool Acts(int id) const;
    // 1 or 0 for the checked commands (sound, notes, chord), -1 for others.
    int CommandChecked(int id) const;

    // Swaps the tool-bar button oldId for newId.
    void ReplaceGadget(int oldId, int newId);
    // Runs the Search dialog on the client's Find settings and shows what it
    // found.
    void Find();
    // Plays the chord for half a second (space down, wait, space up).
    void PlayHalfSecond();

    // The placement record (in screen-width units) followed by the client's
    // settings; and back.
    void SavePlacement(char*& out, int& remaining);
    void RestorePlacement(char*& in, int& remaining);
    // The placement as the window system has it, in pixels.
    WindowPlacementRecord Placement() const;

    // The active component's frame, or null.
    static mmMDIChild* ActiveComponent();
    static void SetActiveComponent(mmMDIChild* frame);

    // The title-bar menu's Close shortcut leaves and comes back. Each change
    // of a frame's state updates its menu, and with the shortcut each update
    // searches the shortcuts of all frames: a loader holds it back until
    // every frame is placed.
    void HoldCloseShortcut();
    void ReleaseCloseShortcut();

    // Lays out client and tool bar for a body of the given size.
    void LayoutBody(const QSize& size);

    // The size the frame had last while shown normally, else the size a new
    // component starts at: the area's cascade and tile take it, and without
    // it they shrank every frame to a title strip.
    QSize sizeHint() const override;
    static constexpr QSize DefaultSize{240, 160};
    // A normal rectangle smaller than this cannot show a component.
    static constexpr QSize SmallestNormalSize{100, 60};

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildToolBar();
    void AddButton(int command, int picture = -1);
    // Makes a tool-bar button show and carry out command, with the picture
    // numbered picture (-1: the command's own).
    static void ShowCommand(QAction* action, int command, int picture = -1);
    void RememberNormalGeometry();

    mmMDIChildClient* client_;
    QWidget* body_;
    QToolBar* toolBar_;
    QRect normalGeometry_;
    QPoint minimizedPosition_{-1, -1};
    QPointer<QAction> heldClose_;
    QList<QKeySequence> heldShortcuts_;
};
