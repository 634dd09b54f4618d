#include "scenario/VNAssert.h"

#include <cstdio>
#include <cstdlib>

namespace vn {
namespace {

void WriteToStderr(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, file, line);
    std::fflush(stderr);
}

AssertHandler g_handler = &WriteToStderr;

} // namespace

AssertHandler SetAssertHandler(AssertHandler handler) {
    AssertHandler previous = g_handler;
    g_handler = handler ? handler : &WriteToStderr;
    return previous;
}

void AssertFailed(const char* condition, const char* file, int line) {
    g_handler(condition, file, line);
    std::abort();
}

} // namespace vn
