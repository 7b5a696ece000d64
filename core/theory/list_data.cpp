#include "core/theory/list_data.h"

#include <algorithm>

void TComboBoxData::Clear()
{
    strings.clear();
    itemData.clear();
    selectionIndex = -1;
    selection.clear();
}

int TComboBoxData::AddString(const std::string& text, bool selected)
{
    strings.push_back(text);
    const int index = static_cast<int>(strings.size()) - 1;
    if (selected) Select(index);
    return index;
}

void TComboBoxData::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(strings.size())) {
        selectionIndex = -1;
        selection.clear();
        return;
    }
    selectionIndex = index;
    selection = strings[index];
}

void TListBoxData::Clear()
{
    strings.clear();
    itemData.clear();
    selectedIndices.clear();
}

int TListBoxData::AddString(const std::string& text, bool selected)
{
    strings.push_back(text);
    const int index = static_cast<int>(strings.size()) - 1;
    if (selected) Select(index);
    return index;
}

void TListBoxData::Select(int index, bool selected)
{
    if (index < 0 || index >= static_cast<int>(strings.size())) return;
    auto at = std::lower_bound(selectedIndices.begin(), selectedIndices.end(), index);
    const bool present = at != selectedIndices.end() && *at == index;
    if (selected && !present) selectedIndices.insert(at, index);
    if (!selected && present) selectedIndices.erase(at);
}

std::string TListBoxData::SelectedString() const
{
    return selectedIndices.empty() ? std::string() : strings[selectedIndices.front()];
}
