#include "app/studio/connections_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/studio/component_factory.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "app/studio/connections_refresh.h"
#include "app/studio/list_box_transfer.h"
#include "controls/toggle_box.h"

namespace {

int SelectedRow(const QListWidget* widget)
{
    const QList<QListWidgetItem*> selected = widget->selectedItems();
    return selected.isEmpty() ? -1 : widget->row(selected.first());
}

}  // namespace

ConnectionsDialog::ConnectionsDialog(QWidget* parent, int resId, ComponentNode* c, int switchId,
                                     const QString& switchText, bool toggle)
    : HDialog(parent, resId), component_(c)
{
    setWindowTitle(QStringLiteral("Change Connections"));
    auto* layout = new QVBoxLayout(this);
    if (toggle) {
        switch_ = new ToggleBox(this, switchId, switchText);
    } else {
        switch_ = new QCheckBox(switchText, this);
        switch_->setObjectName(QStringLiteral("id%1").arg(switchId));
    }
    switch_->setChecked(c->PassThrough != 0);
    layout->addWidget(switch_);
    grid_ = new QGridLayout;
    layout->addLayout(grid_);
}

void ConnectionsDialog::AddPortList(int id, const QString& caption, Side side, int port)
{
    const int column = int(lists_.size());
    auto* label = new QLabel(caption, this);
    auto* widget = new QListWidget(this);
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    label->setBuddy(widget);
    grid_->addWidget(label, 0, column);
    grid_->addWidget(widget, 1, column);
    ComponentNode* shown = side == Side::Input ? LinkedAtInput(component_, port) : LinkedAtOutput(component_, port);
    TListBoxData data;
    FillComponentList(data, shown, 0);
    MoveIntoListWidget(data, widget);
    lists_.append({id, side, port, widget, shown, SelectedRow(widget)});
}

void ConnectionsDialog::Finish() { static_cast<QVBoxLayout*>(layout())->addWidget(CreateButtonBox()); }

void ConnectionsDialog::HidePassThroughSwitch() { switch_->hide(); }

ComponentNode* ConnectionsDialog::Chosen(int id) const
{
    for (const PortList& list : lists_) {
        if (list.id != id) continue;
        TListBoxData data;
        MoveOutOfListWidget(list.widget, data);
        return FindComponentByTitle(data);
    }
    return nullptr;
}

bool ConnectionsDialog::PassThroughChosen() const { return switch_->isChecked(); }

bool ConnectionsDialog::Changed(const PortList& list) const { return SelectedRow(list.widget) != list.shownRow; }

void ConnectionsDialog::Apply()
{
    ComponentNode* c = component_;
    // Every link let go first, so that a component moved from one port to
    // another is not let go again after it has been linked.
    for (const PortList& list : lists_) {
        if (!Changed(list) || !list.shown) continue;
        if (list.side == Side::Input)
            Unlink(list.shown, c);
        else
            Unlink(c, list.shown);
    }
    for (const PortList& list : lists_) {
        if (!Changed(list)) continue;
        ComponentNode* chosen = Chosen(list.id);
        if (!chosen) continue;
        if (list.side == Side::Input)
            Connect(chosen, FreeOutputOf(chosen), c, list.port);
        else
            Connect(c, list.port, chosen, FreeInputOf(chosen));
    }
    c->PassThrough = PassThroughChosen() ? 1 : 0;
    RefreshConnections();
}
