#include "report/format.h"

#include <cstdarg>
#include <cstdio>

namespace zeb {

void appendFormatted(std::string& out, const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list again;
  va_copy(again, arguments);
  char text[1024];
  const int length = std::vsnprintf(text, sizeof text, format, arguments);
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof text) {
    out.append(text, static_cast<std::size_t>(length));
  } else if (length >= 0) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length) + 1);
    std::vsnprintf(out.data() + at, static_cast<std::size_t>(length) + 1, format, again);
    out.pop_back();
  }
  va_end(again);
  va_end(arguments);
}

}  // namespace zeb
