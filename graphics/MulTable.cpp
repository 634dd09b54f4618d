#include "graphics/MulTable.h"

MulTable::MulTable() {
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t x = 0; x < 256; ++x)
            entries_[a * 256 + x] = MulFormula(a, x);
}
