// Raised out of a window's message pump when the window was closed while
// messages were pumped; it unwinds the work that was pumping to the code
// that owns the window. Thrown and caught by value; it carries no data.
#pragma once

class VNWindowClosedException {};
