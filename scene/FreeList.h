#pragma once

// First-in-first-out list of recycled records, chained through the records' own `next`.
template <typename Record>
struct FreeList {
    Record* first = nullptr;
    Record* last = nullptr;

    // The record returned longest ago, or nullptr when the list is empty.
    Record* Take()
    {
        Record* r = first;
        if (r) {
            if (r == last) last = nullptr;
            first = r->next;
        }
        return r;
    }

    void Append(Record* r)
    {
        if (last) last->next = r;
        last = r;
        if (!first) first = r;
        r->next = nullptr;
    }
};
