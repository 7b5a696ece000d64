#include "core/theory/id_list.h"

#include <cstring>

#include "core/theory/name_compare.h"

namespace {

char* CopyName(const char* name)
{
    if (!name) name = "";
    const std::size_t length = std::strlen(name);
    char* copy = new char[length + 1];
    std::memcpy(copy, name, length + 1);
    return copy;
}

bool Named(const IDListItem* item, const char* name) { return name && SameNameIgnoringCase(item->name, name); }

// The first item named `name` and its 1-based position, or nullptr and 0.
IDListItem* FirstNamed(IDListItem* head, const char* name, int& position)
{
    position = 1;
    for (IDListItem* i = head; i; i = i->next, ++position)
        if (Named(i, name)) return i;
    position = 0;
    return nullptr;
}

// The item at 0-based position `index`, or nullptr.
IDListItem* ItemAt(IDListItem* head, int index)
{
    if (index < 0) return nullptr;
    IDListItem* i = head;
    while (i && index-- > 0) i = i->next;
    return i;
}

}  // namespace

IDList::~IDList() { ClearList(); }

void IDList::AddItem(const char* name, void* extra)
{
    auto* item = new IDListItem{CopyName(name), extra, nullptr};
    if (tail)
        tail->next = item;
    else
        head = item;
    tail = item;
}

int IDList::FindItem(const char* name, void*& extra) const
{
    int position;
    if (const IDListItem* item = FirstNamed(head, name, position)) extra = item->extra;
    return position;
}

int IDList::FindExtra(const void* extra, std::string* name) const
{
    int position = 1;
    for (const IDListItem* i = head; i; i = i->next, ++position)
        if (i->extra == extra) {
            if (name) *name = i->name;
            return position;
        }
    return 0;
}

int IDList::GetItem(int index, std::string* name, void*& extra) const
{
    const IDListItem* i = ItemAt(head, index);
    if (!i) return 0;
    if (name) *name = i->name;
    extra = i->extra;
    return 1;
}

IDListItem* IDList::LocateItem(const char* name) const
{
    int position;
    return FirstNamed(head, name, position);
}

int IDList::ChangeItem(const char* name, void* extra)
{
    int position;
    if (IDListItem* item = FirstNamed(head, name, position)) item->extra = extra;
    return position;
}

int IDList::ChangeItem(int pos, void* extra)
{
    IDListItem* i = pos < 1 ? nullptr : ItemAt(head, pos - 1);
    if (!i) return 0;
    i->extra = extra;
    return pos;
}

int IDList::RenameItem(const char* old, const char* name)
{
    IDListItem* item = LocateItem(old);
    if (!item) return 0;
    char* copy = CopyName(name);
    delete[] item->name;
    item->name = copy;
    return 1;
}

int IDList::DeleteItem(const char* name)
{
    IDListItem* previous = nullptr;
    for (IDListItem* i = head; i; previous = i, i = i->next) {
        if (!Named(i, name)) continue;
        (previous ? previous->next : head) = i->next;
        if (tail == i) tail = previous;
        if (cursor == i) cursor = i->next;
        delete[] i->name;
        delete i;
        return 1;
    }
    return 0;
}

int IDList::GetNextItem(std::string* name, void*& extra)
{
    if (!cursor) return 0;
    if (name) *name = cursor->name;
    extra = cursor->extra;
    cursor = cursor->next;
    return 1;
}

void IDList::ClearList()
{
    for (IDListItem* i = head; i;) {
        IDListItem* next = i->next;
        delete[] i->name;
        delete i;
        i = next;
    }
    head = tail = cursor = nullptr;
}
