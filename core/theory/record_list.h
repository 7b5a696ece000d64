#pragma once
// A singly linked list of definition records with head, tail and count, as
// each of the four definition lists keeps them.

template <typename Record>
struct RecordList {
    Record* head = nullptr;
    Record* tail = nullptr;
    int count = 0;

    void Append(Record* record)
    {
        record->next = nullptr;
        if (tail)
            tail->next = record;
        else
            head = record;
        tail = record;
        ++count;
    }

    // Links record directly behind the i-th record (a list editor's Add);
    // false, record not taken, when there is no i-th record.
    bool InsertAfter(int i, Record* record)
    {
        Record* at = At(i);
        if (!at) return false;
        record->next = at->next;
        at->next = record;
        if (tail == at) tail = record;
        ++count;
        return true;
    }

    // Unlinks and frees the i-th record. The first one is never removed, so
    // the head that callers may hold stays valid; false when i is 0 or there
    // is no such record.
    bool RemoveAt(int i)
    {
        Record* before = i > 0 ? At(i - 1) : nullptr;
        if (!before || !before->next) return false;
        Record* gone = before->next;
        before->next = gone->next;
        if (tail == gone) tail = before;
        --count;
        delete gone;
        return true;
    }

    // Frees every record reachable from head, also those an editor linked in
    // without updating tail and count.
    void Release()
    {
        for (Record* r = head; r;) {
            Record* next = r->next;
            delete r;
            r = next;
        }
        head = tail = nullptr;
        count = 0;
    }

    // The i-th record from 0, following `next`, or nullptr.
    Record* At(int i) const
    {
        if (i < 0) return nullptr;
        Record* r = head;
        while (r && i-- > 0) r = r->next;
        return r;
    }
};
