#pragma once
// The drawing of the Connections window: the studio as icons with ports,
// link lines and titles, scrolled over the document of all icons. Dragging
// from a port to a port or an icon connects them (back onto the same port
// disconnects it), dragging an icon places it by hand, a double click on a title renames
// the component in place, and each icon has a popup menu.

#include <QAbstractScrollArea>
#include <QHash>
#include <QPoint>
#include <QStaticText>

class ComponentNode;
class TLayoutEdit;

namespace ConnectionsCommand {
constexpr int Rename = 9069;
constexpr int PassNotesThrough = 9070;
constexpr int ActivateWindow = 9071;
constexpr int ManualPositioning = 9072;
}  // namespace ConnectionsCommand

class ConnectionsView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int LineStep = 16;
    static constexpr int PageStep = 64;
    static constexpr int TitleLimit = 127;

    explicit ConnectionsView(QWidget* parent = nullptr);
    // Ends an open rename as Enter does.
    ~ConnectionsView() override;

    // Lays the icons out again, fits the scroll bars to the document and
    // repaints. Forgets components that have left the studio.
    void Refresh();

    // Renames c in place, ending an open rename first.
    void StartRename(ComponentNode* c);
    // Ends an open rename: keep gives the component the edit's text, which a
    // title another component shows refuses (with a beep, the edit staying
    // open); otherwise the title stays. False when refused.
    bool FinishRename(bool keep);

    // Carries out a command of an icon's popup menu on MenuTarget.
    void IconCommand(int id);

    // Paints the part area of the document (document coordinates).
    void PaintDocument(QPainter& painter, const QRect& area) const;

    // Document coordinates of a point of the view's viewport, and back.
    QPoint DocumentPoint(QPoint viewportPoint) const;
    QPoint ViewportPoint(QPoint documentPoint) const;

    // 0 idle; -1 moving an icon; 1 a line from an input port; 2 from an output port.
    int DragKind = 0;
    // Moving: the mouse offset inside the icon; a line: the centre of its port.
    QPoint DragAnchor;
    QPoint DragLast;
    ComponentNode* MenuTarget = nullptr;
    ComponentNode* RenameTarget = nullptr;
    TLayoutEdit* RenameEdit = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    // Mouse and scroll actions end a rename as Enter does; a refused title
    // is dropped then.
    void EndRename();
    void FitScrollBars();
    void PlaceRenameEdit();
    // Follows the drag to a document point.
    void DragTo(QPoint p);
    void MoveIcon(QPoint p);
    void ShowIconMenu(const QPoint& globalPos);
    const QStaticText& TitleText(const QString& title) const;

    mutable QHash<QString, QStaticText> titles_;
};
