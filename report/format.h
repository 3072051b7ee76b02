// printf-style formatting into a string, for the pieces of a report that
// are few and long: the notes, the HTML document's head, messages.
#pragma once
#include <string>

namespace zeb {

// Appends what `format` and its arguments make to `out`.
[[gnu::format(printf, 2, 3)]] void appendFormatted(std::string& out, const char* format, ...);

}  // namespace zeb
