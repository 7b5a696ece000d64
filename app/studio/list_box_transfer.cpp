#include "app/studio/list_box_transfer.h"

#include <QComboBox>
#include <QListWidget>

void MoveIntoListWidget(const TListBoxData& data, QListWidget* widget)
{
    widget->clear();
    for (const std::string& text : data.strings) widget->addItem(QString::fromStdString(text));
    for (int index : data.selectedIndices)
        if (QListWidgetItem* item = widget->item(index)) {
            item->setSelected(true);
            widget->setCurrentItem(item);
        }
}

void MoveOutOfListWidget(const QListWidget* widget, TListBoxData& data)
{
    data.Clear();
    for (int i = 0; i < widget->count(); ++i)
        data.AddString(widget->item(i)->text().toStdString(), widget->item(i)->isSelected());
}

void MoveIntoComboBox(const TComboBoxData& data, QComboBox* widget)
{
    widget->clear();
    for (const std::string& text : data.strings) widget->addItem(QString::fromStdString(text));
    widget->setCurrentIndex(data.selectionIndex);
}
