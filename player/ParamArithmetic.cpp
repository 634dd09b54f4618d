#include "player/ParamArithmetic.h"

#include <climits>

namespace {

int32_t Wrap(uint32_t bits) {
    return static_cast<int32_t>(bits);
}

} // namespace

ParamOpResult ApplyParamOperator(int32_t op, int32_t a, int32_t b, int32_t& result) {
    const uint32_t ua = static_cast<uint32_t>(a);
    const uint32_t ub = static_cast<uint32_t>(b);
    switch (op) {
    case 0:
        result = Wrap(ua + ub);
        return ParamOpResult::Ok;
    case 1:
        result = Wrap(ua - ub);
        return ParamOpResult::Ok;
    case 2:
        result = Wrap(ua * ub);
        return ParamOpResult::Ok;
    case 3:
    case 4:
        if (b == 0) {
            return ParamOpResult::DivisionByZero;
        }
        if (a == INT32_MIN && b == -1) {
            result = op == 3 ? INT32_MIN : 0;
        } else {
            result = op == 3 ? a / b : a % b;
        }
        return ParamOpResult::Ok;
    case 5:
        result = a & b;
        return ParamOpResult::Ok;
    case 6:
        result = a | b;
        return ParamOpResult::Ok;
    case 7:
        result = a ^ b;
        return ParamOpResult::Ok;
    case 8:
        result = a > b ? 1 : 0;
        return ParamOpResult::Ok;
    case 9:
        result = a < b ? 1 : 0;
        return ParamOpResult::Ok;
    case 10:
        result = a >= b ? 1 : 0;
        return ParamOpResult::Ok;
    case 11:
        result = a <= b ? 1 : 0;
        return ParamOpResult::Ok;
    case 12:
        result = a == b ? 1 : 0;
        return ParamOpResult::Ok;
    default:
        return ParamOpResult::UnknownOperator;
    }
}
