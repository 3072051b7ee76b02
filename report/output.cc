#include "report/output.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "report/report_options.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zeb {
namespace {

// Why the write just made failed. errno says it; EIO stands in where the
// library left none. Windows' C library reports a pipe whose reader has
// gone as EINVAL (the system says ERROR_NO_DATA, under Wine
// ERROR_PIPE_NOT_CONNECTED), so the system's own error decides there.
int failureReason() {
#ifdef _WIN32
  switch (GetLastError()) {
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
    case ERROR_PIPE_NOT_CONNECTED:
      return EPIPE;
    default:
      break;
  }
#endif
  return errno != 0 ? errno : EIO;
}

// Records the first failure of the report stream. MinGW's printf returns
// success when the write behind it fails, so the stream's error flag is
// asked as well.
void noteFailure(bool failed) {
  RunState& state = runState();
  if ((failed || std::ferror(state.report) != 0) && state.reportErrno == 0) {
    state.reportErrno = failureReason();
  }
}

// Formats like vfprintf; true when the stream took all of the text.
[[gnu::format(printf, 2, 0)]] bool write(std::FILE* stream, const char* format,
                                         std::va_list arguments) {
#ifndef _WIN32
  return std::vfprintf(stream, format, arguments) >= 0;
#else
  // Windows' C library (and Wine's) flushes a stream at the end of every
  // printf call, whatever its buffering; fwrite leaves the bytes in the
  // buffer. So the text is formatted apart and handed over in one fwrite.
  char text[2048];
  std::va_list again;
  va_copy(again, arguments);
  const int length = std::vsnprintf(text, sizeof text, format, arguments);
  const char* bytes = text;
  std::vector<char> longer;
  if (length >= 0 && static_cast<std::size_t>(length) >= sizeof text) {
    longer.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(longer.data(), longer.size(), format, again);
    bytes = longer.data();
  }
  va_end(again);
  return length >= 0 && std::fwrite(bytes, 1, static_cast<std::size_t>(length), stream) ==
                            static_cast<std::size_t>(length);
#endif
}

void clearErrors() {
  errno = 0;
#ifdef _WIN32
  SetLastError(ERROR_SUCCESS);
#endif
}

}  // namespace

void emit(const char* format, ...) {
  std::FILE* stream = runState().report;
  if (stream == nullptr) return;
  std::va_list arguments;
  va_start(arguments, format);
  clearErrors();
  noteFailure(!write(stream, format, arguments));
  va_end(arguments);
}

void emitDiagnostic(const char* format, ...) {
  std::FILE* stream = runState().diagnostics;
  if (stream == nullptr) return;
  std::va_list arguments;
  va_start(arguments, format);
  write(stream, format, arguments);
  va_end(arguments);
}

int closeOutput() {
  RunState& state = runState();
  if (state.report != nullptr) {
    clearErrors();
    noteFailure(std::fflush(state.report) != 0);
  }
  if (state.diagnostics != nullptr) std::fflush(state.diagnostics);
  return state.reportErrno;
}

}  // namespace zeb
