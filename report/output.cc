#include "report/output.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "report/code_page.h"
#include "report/report_options.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
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
void noteFailure(RunState& state, bool failed) {
  if ((failed || std::ferror(state.report) != 0) && state.reportErrno == 0) {
    state.reportErrno = failureReason();
  }
}

// Whether `stream` is a terminal: on Windows a console.
bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
  DWORD mode = 0;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  return GetConsoleMode(handle, &mode) != 0;
#else
  const int descriptor = fileno(stream);  // -1 for a memory stream
  return descriptor >= 0 && isatty(descriptor) != 0;
#endif
}

// How `stream` shows letters. The locale is asked only for a terminal, so
// that a run into a file or a pipe does not pay for it.
Letters lettersOf(std::FILE* stream) {
#ifdef _WIN32
  return isTerminal(stream) ? Letters::Console : Letters::Bytes;
#else
  if (!isTerminal(stream)) return Letters::Bytes;
  // The user's character set, and the caller's locale back afterwards.
  const std::string caller = std::setlocale(LC_CTYPE, nullptr);
  const bool utf8 =
      std::setlocale(LC_CTYPE, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  std::setlocale(LC_CTYPE, caller.c_str());
  return utf8 ? Letters::Utf8 : Letters::Bytes;
#endif
}

// The text that `format` and `arguments` make.
[[gnu::format(printf, 1, 0)]] std::string formatted(const char* format, std::va_list arguments) {
  char text[2048];
  std::va_list again;
  va_copy(again, arguments);
  const int length = std::vsnprintf(text, sizeof text, format, arguments);
  std::string bytes;
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof text) {
    bytes.assign(text, static_cast<std::size_t>(length));
  } else if (length >= 0) {
    bytes.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(bytes.data(), bytes.size(), format, again);
    bytes.pop_back();
  }
  va_end(again);
  return bytes;
}

bool put(std::FILE* stream, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

#ifdef _WIN32
// UTF-16 text on a console.
bool putUtf16OnConsole(std::FILE* stream, const std::wstring& text) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD written = 0;
  return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
             0 &&
         written == text.size();
}

// Code page 850 text on a console, each line ended by CR LF as the C
// library's text mode would.
bool putOnConsole(std::FILE* stream, const std::string& bytes) {
  std::wstring text;
  for (const char byte : bytes) {
    if (byte == '\n') text += L'\r';
    text += static_cast<wchar_t>(unicodeFromCodePage850(static_cast<unsigned char>(byte)));
  }
  return putUtf16OnConsole(stream, text);
}

// UTF-8 text on a console, the same way.
bool putUtf8OnConsole(std::FILE* stream, std::string_view bytes) {
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  text.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text.data(), size)));
  std::wstring lines;
  for (const wchar_t c : text) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return putUtf16OnConsole(stream, lines);
}
#endif

// Formats like vfprintf into `stream`, whose letters are `letters`; true
// when the stream took all of the text.
[[gnu::format(printf, 3, 0), gnu::always_inline]] inline bool write(std::FILE* stream,
                                                                    Letters& letters,
                                                                    const char* format,
                                                                    std::va_list arguments) {
  if (letters == Letters::Unknown) letters = lettersOf(stream);
  if (letters == Letters::Utf8)
    return put(stream, utf8FromCodePage850(formatted(format, arguments)));
#ifdef _WIN32
  if (letters == Letters::Console) return putOnConsole(stream, formatted(format, arguments));
  // Windows' C library (and Wine's) flushes a stream at the end of every
  // printf call, whatever its buffering; fwrite leaves the bytes in the
  // buffer. So the text is formatted apart and handed over in one fwrite.
  return put(stream, formatted(format, arguments));
#else
  // A file or a pipe: the common case, formatted in place.
  return std::vfprintf(stream, format, arguments) >= 0;
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
  RunState& state = runState();
  if (state.report == nullptr) return;
  std::va_list arguments;
  va_start(arguments, format);
  clearErrors();
  noteFailure(state, !write(state.report, state.reportLetters, format, arguments));
  va_end(arguments);
}

void emitUtf8(std::string_view text) {
  RunState& state = runState();
  if (state.report == nullptr) return;
  if (state.reportLetters == Letters::Unknown) state.reportLetters = lettersOf(state.report);
  clearErrors();
#ifdef _WIN32
  if (state.reportLetters == Letters::Console) {
    noteFailure(state, !putUtf8OnConsole(state.report, text));
    return;
  }
#endif
  noteFailure(state, !put(state.report, text));
}

void emitDiagnostic(const char* format, ...) {
  RunState& state = runState();
  if (state.diagnostics == nullptr) return;
  std::va_list arguments;
  va_start(arguments, format);
  write(state.diagnostics, state.diagnosticsLetters, format, arguments);
  va_end(arguments);
}

bool diagnosticsOnTerminal() {
  std::FILE* stream = runState().diagnostics;
  return stream != nullptr && isTerminal(stream);
}

int closeOutput() {
  RunState& state = runState();
  if (state.report != nullptr) {
    clearErrors();
    noteFailure(state, std::fflush(state.report) != 0);
  }
  if (state.diagnostics != nullptr) std::fflush(state.diagnostics);
  return state.reportErrno;
}

}  // namespace zeb
