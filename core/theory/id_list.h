#pragma once
// A general ordered list of named items, each with an untyped `extra`
// pointer that the list neither owns nor follows. Names are copies owned by
// the list and compared without regard to case (FindItem and the others).
// A new IDList is empty (all three pointers null) and ready for use.

#include <string>

struct IDListItem {
    char* name;
    void* extra;
    IDListItem* next;
};

struct IDList {
    IDListItem* head = nullptr;
    IDListItem* tail = nullptr;
    IDListItem* cursor = nullptr;  // undefined after deleting its item until Rewind

    IDList() = default;
    IDList(const IDList&) = delete;
    IDList& operator=(const IDList&) = delete;
    ~IDList();

    // Appends a copy of name; duplicates are allowed.
    void AddItem(const char* name, void* extra);
    // 1-based position of the first item named `name`, with its extra; 0 when absent.
    int FindItem(const char* name, void*& extra) const;
    // 1-based position of the first item with this extra, copying its name; 0 when absent.
    int FindExtra(const void* extra, std::string* name) const;
    // Item at 0-based position i: its name (when name is not null) and extra; 1, or 0.
    int GetItem(int i, std::string* name, void*& extra) const;
    IDListItem* LocateItem(const char* name) const;
    // Replaces extra of the first item named `name`: its 1-based position, or 0.
    int ChangeItem(const char* name, void* extra);
    // Replaces extra of the item at 1-based position pos: pos, or 0.
    int ChangeItem(int pos, void* extra);
    // Gives the first item named `old` a copy of name: 1, or 0.
    int RenameItem(const char* old, const char* name);
    // Unlinks and frees the first item named `name`: 1, or 0.
    int DeleteItem(const char* name);
    void Rewind() { cursor = head; }
    // The item under the cursor, advancing it: 1, or 0 at the end.
    int GetNextItem(std::string* name, void*& extra);
    void ClearList();
};
