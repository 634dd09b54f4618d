// The arithmetic of parameter events on 32-bit signed integers.
//
// Every result is defined: sums, differences and products wrap around in 32
// bits, and the smallest value divided by -1 gives the smallest value with
// remainder 0 (the plain machine division would trap).
#pragma once

#include <cstdint>

enum class ParamOpResult {
    Ok,
    DivisionByZero,  // operator 3 or 4 with a zero right operand
    UnknownOperator, // operator code outside 0..12
};

// Operator codes as stored in the event: 0 +, 1 -, 2 *, 3 /, 4 %, 5 &, 6 |,
// 7 ^, 8 >, 9 <, 10 >=, 11 <=, 12 ==. Division truncates toward zero; the
// remainder takes the sign of the left operand. `result` is written only on Ok.
ParamOpResult ApplyParamOperator(int32_t op, int32_t a, int32_t b, int32_t& result);
