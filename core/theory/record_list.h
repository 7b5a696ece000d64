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
