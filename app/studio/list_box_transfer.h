#pragma once
// Moves list-box contents between their plain form and a list widget.

#include "core/theory/list_data.h"

class QListWidget;

void MoveIntoListWidget(const TListBoxData& data, QListWidget* widget);
void MoveOutOfListWidget(const QListWidget* widget, TListBoxData& data);
