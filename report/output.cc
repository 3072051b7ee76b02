#include "report/output.h"

#include <cerrno>
#include <cstdarg>

namespace zeb {
namespace {

std::FILE* reportStream = stdout;
std::FILE* diagnosticsStream = stderr;
int reportErrno = 0;

// errno says why a write failed; EIO stands in where the library left none.
int failureReason() { return errno != 0 ? errno : EIO; }

}  // namespace

void openOutput(std::FILE* report, std::FILE* diagnostics) {
  reportStream = report;
  diagnosticsStream = diagnostics;
  reportErrno = 0;
}

void emit(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  errno = 0;
  if (std::vfprintf(reportStream, format, arguments) < 0 && reportErrno == 0) {
    reportErrno = failureReason();
  }
  va_end(arguments);
}

void emitDiagnostic(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::vfprintf(diagnosticsStream, format, arguments);
  va_end(arguments);
}

int closeOutput() {
  errno = 0;
  if (std::fflush(reportStream) != 0 && reportErrno == 0) reportErrno = failureReason();
  if (std::ferror(reportStream) != 0 && reportErrno == 0) reportErrno = EIO;
  std::fflush(diagnosticsStream);
  return reportErrno;
}

}  // namespace zeb
