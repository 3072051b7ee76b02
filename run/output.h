// Where a run writes: the report stream (the report, the usage screen) and
// the diagnostics stream (messages, hints, the HTML mode's banner). Each
// shows the report's letters as its reader needs them, and a failed write
// of the report is noticed.
#pragma once
#include <cstdio>
#include <string_view>

namespace zeb {

// How a stream shows the report's letters, found at its first write: as
// the code page 850 bytes themselves, in UTF-8 (where the locale says
// UTF-8: on a terminal, and for today's law into files and pipes too), or
// on a Windows console, whatever its code page.
enum class Letters : char { Unknown, Bytes, Utf8, Console };

class Output {
 public:
  // `report` and `diagnostics` may be none: what goes there is discarded.
  // A run of today's law (`todaysLaw`) writes its letters as the locale
  // says wherever they go; the report of 2013 and the usage screen keep
  // their code page 850 bytes in files and pipes, as they are defined. A
  // memory stream gets the bytes, and so does every stream on Windows but
  // a console.
  Output(std::FILE* report, std::FILE* diagnostics, bool todaysLaw = false)
      : report_(report), diagnostics_(diagnostics), todaysLaw_(todaysLaw) {}

  // Writes `bytes`, code page 850 text or ASCII, to the report stream.
  void report(std::string_view bytes);

  // Writes `text`, in UTF-8, to the report stream: as it is into a file, a
  // pipe or a terminal, on a Windows console as the characters it spells.
  void reportUtf8(std::string_view text);

  // Writes `bytes`, code page 850 text, to the diagnostics stream.
  void diagnostic(std::string_view bytes);

  // Whether the diagnostics stream is a terminal (a Windows console): where
  // a person reads it, not a program.
  bool diagnosticsOnTerminal() const;

  // The errno of the report stream's first failed write, or 0 while every
  // byte went out.
  int failure() const { return reportErrno_; }

  // Flushes both streams; the errno of the report stream's first failed
  // write (EPIPE when its reader has gone, on every platform), or 0 when
  // every byte of the report was written.
  int close();

 private:
  std::FILE* report_;
  std::FILE* diagnostics_;
  bool todaysLaw_;
  Letters reportLetters_ = Letters::Unknown;
  Letters diagnosticsLetters_ = Letters::Unknown;
  int reportErrno_ = 0;  // why the first write of the report failed

  void noteFailure(bool failed);
};

}  // namespace zeb
