#pragma once
// The common body of the Change Connections dialogs: a pass-through switch
// and list boxes of components, each with "[No Connection]" and the
// component now connected selected.

#include <QList>

#include "ui/h_dialog.h"
#include "core/theory/list_data.h"

class ComponentNode;
class QAbstractButton;
class QListWidget;

class ConnectionsDialog : public HDialog {
    Q_OBJECT
public:
    // resId: 5004, 5005 or 5006. toggle: the switch is a ToggleBox whose
    // text holds both captions, else a check box.
    ConnectionsDialog(QWidget* parent, int resId, int switchId, const QString& switchText, bool toggle,
                      bool passThrough);

    // Adds a list box of all components with current selected.
    void AddComponentList(int id, const QString& caption, const ComponentNode* current);
    // Finishes the layout (buttons at the bottom).
    void Finish();

    // The component chosen in list id (null for "[No Connection]" or a title
    // that no longer matches), and the switch.
    ComponentNode* Chosen(int id) const;
    bool PassThroughChosen() const;

private:
    struct ComponentList {
        int id;
        QListWidget* widget;
    };
    QList<ComponentList> lists_;
    QAbstractButton* switch_;
    class QGridLayout* grid_;
};
