#include "app/studio/connections_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/studio/component_factory.h"
#include "app/studio/list_box_transfer.h"
#include "controls/toggle_box.h"

ConnectionsDialog::ConnectionsDialog(QWidget* parent, int resId, int switchId, const QString& switchText,
                                     bool toggle, bool passThrough)
    : HDialog(parent, resId)
{
    setWindowTitle(QStringLiteral("Change Connections"));
    auto* layout = new QVBoxLayout(this);
    if (toggle) {
        switch_ = new ToggleBox(this, switchId, switchText);
    } else {
        switch_ = new QCheckBox(switchText, this);
        switch_->setObjectName(QStringLiteral("id%1").arg(switchId));
    }
    switch_->setChecked(passThrough);
    layout->addWidget(switch_);
    grid_ = new QGridLayout;
    layout->addLayout(grid_);
}

void ConnectionsDialog::AddComponentList(int id, const QString& caption, const ComponentNode* current)
{
    const int column = int(lists_.size());
    auto* label = new QLabel(caption, this);
    auto* widget = new QListWidget(this);
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    label->setBuddy(widget);
    grid_->addWidget(label, 0, column);
    grid_->addWidget(widget, 1, column);
    TListBoxData data;
    FillComponentList(data, current, 0);
    MoveIntoListWidget(data, widget);
    lists_.append({id, widget});
}

void ConnectionsDialog::Finish()
{
    static_cast<QVBoxLayout*>(layout())->addWidget(CreateButtonBox());
}

ComponentNode* ConnectionsDialog::Chosen(int id) const
{
    for (const ComponentList& list : lists_) {
        if (list.id != id) continue;
        TListBoxData data;
        MoveOutOfListWidget(list.widget, data);
        return FindComponentByTitle(data);
    }
    return nullptr;
}

bool ConnectionsDialog::PassThroughChosen() const { return switch_->isChecked(); }
