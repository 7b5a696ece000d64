#pragma once
// Moves list-box and combo-box contents between their plain form and a list widget.

#include "core/theory/list_data.h"

class QComboBox;
class QListWidget;

void MoveIntoListWidget(const TListBoxData& data, QListWidget* widget);
void MoveOutOfListWidget(const QListWidget* widget, TListBoxData& data);
// The lines and the selection of a drop-down list.
void MoveIntoComboBox(const TComboBoxData& data, QComboBox* widget);
