// A fixed table of live objects, so that a window handle leads back to the
// object that owns it. Slots are taken lowest first; the count may not reach
// the table size, so at most Size - 1 objects are registered at once.
#pragma once

#include "scenario/VNAssert.h"

template <class T, int Size> class InstanceTable {
public:
    // `fullCondition` is the text a failed assertion reports when the table
    // is full; each class names its own limit there.
    explicit constexpr InstanceTable(const char* fullCondition) : fullCondition_(fullCondition) {}

    int Count() const { return count_; }

    // Registers `object` unless `registered` says it already is, and sets
    // `registered` to whether it now is. Without assertions an object beyond
    // the table's room stays unregistered.
    void Register(T* object, bool& registered) {
        if (registered)
            return;
        [[maybe_unused]] const int inst_count = count_ + 1;
#if defined(VN_ASSERTIONS) && VN_ASSERTIONS
        if (!(inst_count < Size))
            vn::AssertFailed(fullCondition_, __FILE__, __LINE__);
#endif
        registered = Add(object);
    }

    // Frees the slot of `object` and clears `registered`.
    void Unregister(const T* object, bool& registered) {
        [[maybe_unused]] const int inst_count = count_;
        VN_ASSERT(inst_count > 0);
        const int n = IndexOf(object);
        VN_ASSERT(n >= 0);
        if (n < 0)
            return;
        slots_[n] = nullptr;
        --count_;
        registered = false;
    }

    // The registered object whose Handle() is `handle`, or null.
    template <class Handle> T* WithHandle(Handle handle) const {
        if (handle == nullptr)
            return nullptr;
        for (T* object : slots_)
            if (object && object->Handle() == handle)
                return object;
        return nullptr;
    }

private:
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

    const char* fullCondition_;
    T* slots_[Size] = {};
    int count_ = 0;
};
