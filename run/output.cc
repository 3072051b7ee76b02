#include "run/output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "report/buffer.h"
#include "report/code_page.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
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

#ifndef _WIN32
// Whether the user's locale says UTF-8, as the C library would find it
// (LC_ALL, else LC_CTYPE, else LANG: the first that is set and not empty)
// and name its character set: "de_DE.UTF-8", "C.utf8". Read from the
// environment, since loading the locale costs a report's time.
bool localeSaysUtf8() {
  static const bool utf8 = [] {
    const char* name = nullptr;
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      name = std::getenv(variable);
      if (name != nullptr && *name != '\0') break;
    }
    if (name == nullptr) return false;
    const char* dot = std::strchr(name, '.');
    if (dot == nullptr) return false;
    const std::string_view codeset(dot + 1, std::strcspn(dot + 1, "@"));
    return codeset.size() >= 4 && (strncasecmp(codeset.data(), "utf-8", codeset.size()) == 0 ||
                                   strncasecmp(codeset.data(), "utf8", codeset.size()) == 0);
  }();
  return utf8;
}
#endif

// How `stream` shows letters: a terminal as its locale says, and for
// today's law (`todaysLaw`) a file or a pipe too. The locale is asked only
// then, so that the report of 2013 into a file or a pipe does not pay for
// it.
Letters lettersOf(std::FILE* stream, bool todaysLaw) {
#ifdef _WIN32
  (void)todaysLaw;
  return isTerminal(stream) ? Letters::Console : Letters::Bytes;
#else
  const int descriptor = fileno(stream);  // -1 for a memory stream
  if (descriptor < 0 || (!todaysLaw && isatty(descriptor) == 0)) return Letters::Bytes;
  return localeSaysUtf8() ? Letters::Utf8 : Letters::Bytes;
#endif
}

bool put(std::FILE* stream, std::string_view bytes) {
#ifndef _WIN32
  // A report goes out whole: past the stream's buffer, straight to its file
  // (a memory stream has none). Windows' text mode ends its lines there.
  if (const int descriptor = fileno(stream); descriptor >= 0 && bytes.size() >= 4096) {
    if (std::fflush(stream) != 0) return false;
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }
#endif
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

#ifdef _WIN32
// UTF-16 text on a console, in pieces that any console takes whole.
bool putUtf16OnConsole(std::FILE* stream, const std::wstring& text) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  constexpr std::size_t kPiece = 8192;
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    const auto size = static_cast<DWORD>(std::min(kPiece, text.size() - at));
    DWORD written = 0;
    if (WriteConsoleW(handle, text.data() + at, size, &written, nullptr) == 0 || written != size) {
      return false;
    }
  }
  return true;
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

// Writes `bytes`, code page 850 text, into `stream`, whose letters are
// `letters`; true when the stream took all of them.
bool write(std::FILE* stream, Letters& letters, bool todaysLaw, std::string_view bytes) {
  if (letters == Letters::Unknown) letters = lettersOf(stream, todaysLaw);
  if (letters == Letters::Utf8) {
    // Room for three bytes a letter, not cleared first: a report is large.
    Buffer utf8(3 * bytes.size() + 1);
    utf8.commit(writeUtf8FromCodePage850(utf8.claim(3 * bytes.size()), bytes));
    return put(stream, utf8.view());
  }
#ifdef _WIN32
  if (letters == Letters::Console) return putOnConsole(stream, std::string(bytes));
#endif
  return put(stream, bytes);
}

void clearErrors() {
  errno = 0;
#ifdef _WIN32
  SetLastError(ERROR_SUCCESS);
#endif
}

}  // namespace

// Records the first failure of the report stream. MinGW's printf returns
// success when the write behind it fails, so the stream's error flag is
// asked as well.
void Output::noteFailure(bool failed) {
  if ((failed || std::ferror(report_) != 0) && reportErrno_ == 0) reportErrno_ = failureReason();
}

void Output::report(std::string_view bytes) {
  if (report_ == nullptr) return;
  clearErrors();
  noteFailure(!write(report_, reportLetters_, todaysLaw_, bytes));
}

void Output::reportUtf8(std::string_view text) {
  if (report_ == nullptr) return;
  if (reportLetters_ == Letters::Unknown) reportLetters_ = lettersOf(report_, todaysLaw_);
  clearErrors();
#ifdef _WIN32
  if (reportLetters_ == Letters::Console) {
    noteFailure(!putUtf8OnConsole(report_, text));
    return;
  }
#endif
  noteFailure(!put(report_, text));
}

void Output::diagnostic(std::string_view bytes) {
  if (diagnostics_ != nullptr) write(diagnostics_, diagnosticsLetters_, todaysLaw_, bytes);
}

bool Output::diagnosticsOnTerminal() const {
  return diagnostics_ != nullptr && isTerminal(diagnostics_);
}

int Output::close() {
  if (report_ != nullptr) {
    clearErrors();
    noteFailure(std::fflush(report_) != 0);
  }
  if (diagnostics_ != nullptr) std::fflush(diagnostics_);
  return reportErrno_;
}

}  // namespace zeb
