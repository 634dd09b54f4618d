// A fixed table of live objects, so that a window handle leads back to the
// object that owns it. Slots are taken lowest first; the count may not reach
// the table size, so at most Size - 1 objects are registered at once.
#pragma once

template <class T, int Size> class InstanceTable {
public:
    int Count() const { return count_; }

    // Takes the lowest free slot; false when the table is full.
    bool Add(T* object) {
        if (count_ + 1 >= Size)
            return false;
        for (T*& slot : slots_) {
            if (slot == nullptr) {
                slot = object;
                ++count_;
                return true;
            }
        }
        return false;
    }

    // The slot holding `object`, -1 when none does.
    int IndexOf(const T* object) const {
        int n = -1;
        for (int i = 0; i < Size; ++i)
            if (slots_[i] == object)
                n = i;
        return n;
    }

    void RemoveAt(int n) {
        slots_[n] = nullptr;
        --count_;
    }

    // The first object for which `match` holds, or null.
    template <class Match> T* Find(Match match) const {
        for (T* object : slots_)
            if (object && match(*object))
                return object;
        return nullptr;
    }

private:
    T* slots_[Size] = {};
    int count_ = 0;
};
