#pragma once
// The common body of the Change Connections dialogs: a pass-through switch
// and one list box of components per port of the component, each with
// "[No Connection]" and the component now linked at that port selected.

#include <QList>

#include "ui/h_dialog.h"
#include "core/theory/list_data.h"

class ComponentNode;
class QAbstractButton;
class QListWidget;

class ConnectionsDialog : public HDialog {
    Q_OBJECT
public:
    enum class Side { Input, Output };

    // resId: 5004, 5005 or 5006. toggle: the switch is a ToggleBox whose
    // text holds both captions, else a check box. The switch shows c's
    // PassThrough.
    ConnectionsDialog(QWidget* parent, int resId, ComponentNode* c, int switchId, const QString& switchText,
                      bool toggle);

    // Adds a list box of all components for c's input or output `port`
    // (0-based among its kind), the component linked there selected.
    void AddPortList(int id, const QString& caption, Side side, int port);
    // Finishes the layout (buttons at the bottom).
    void Finish();
    // For a component that has nothing to pass through; its setting stays.
    void HidePassThroughSwitch();

    // The component chosen in list id (null for "[No Connection]" or a title
    // that no longer matches), and the switch.
    ComponentNode* Chosen(int id) const;
    bool PassThroughChosen() const;

    // Carries an accepted dialog out on c: each port whose list now selects
    // another line lets go of its link and is linked to the chosen component
    // (at that component's first free port of the other kind); a port whose
    // selection was left as it was keeps its link as it is. Then the switch.
    void Apply();

private:
    struct PortList {
        int id;
        Side side;
        int port;
        QListWidget* widget;
        ComponentNode* shown;  // linked there when the dialog opened
        int shownRow;
    };
    bool Changed(const PortList& list) const;

    ComponentNode* component_;
    QList<PortList> lists_;
    QAbstractButton* switch_;
    class QGridLayout* grid_;
};
