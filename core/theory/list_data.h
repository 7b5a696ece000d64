#pragma once
// What a combo box or list box shows, as plain data: the lines, one item
// value per line, and the selection. The list-filling routines write it; the
// dialogs move it into their widgets.

#include <cstdint>
#include <string>
#include <vector>

struct TComboBoxData {
    std::vector<std::string> strings;
    std::vector<std::uintptr_t> itemData;  // filled by AddItemData, may be shorter than strings
    int selectionIndex = -1;               // -1: nothing selected
    std::string selection;                 // text of the selected line

    // Empties the lines, their item data and the selection.
    void Clear();
    // Appends a line; `selected` makes it the selection. Returns its index.
    int AddString(const std::string& text, bool selected = false);
    void AddItemData(std::uintptr_t data) { itemData.push_back(data); }
    // Selects line `index` (-1 or out of range: nothing).
    void Select(int index);
};

struct TListBoxData {
    std::vector<std::string> strings;
    std::vector<std::uintptr_t> itemData;
    std::vector<int> selectedIndices;  // ascending

    void Clear();
    int AddString(const std::string& text, bool selected = false);
    void AddItemData(std::uintptr_t data) { itemData.push_back(data); }
    void Select(int index, bool selected = true);
    // Text of the first selected line, or empty.
    std::string SelectedString() const;
};
