// Assertions that name the violated condition, the source file and the line.
//
// Checked builds (vnprobe, the tools and every test) define VN_ASSERTIONS=1
// and stop at the first failed condition; the release programs compile the
// checks out. A GUI program installs a handler that shows a message box
// before the program aborts.
#pragma once

namespace vn {

using AssertHandler = void (*)(const char* condition, const char* file, int line);

// Replaces the reporter of failed assertions; returns the previous one.
// The default writes one line to standard error. The program aborts after
// the handler returns.
AssertHandler SetAssertHandler(AssertHandler handler);

[[noreturn]] void AssertFailed(const char* condition, const char* file, int line);

} // namespace vn

#if defined(VN_ASSERTIONS) && VN_ASSERTIONS
#define VN_ASSERT(cond) ((cond) ? (void)0 : ::vn::AssertFailed(#cond, __FILE__, __LINE__))
#else
#define VN_ASSERT(cond) ((void)sizeof(cond))
#endif
