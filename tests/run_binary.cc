#include "tests/run_binary.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zeb::testing {
namespace {

std::string readAll(int fd) {
  std::string bytes;
  lseek(fd, 0, SEEK_SET);
  char buffer[65536];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<size_t>(n));
  close(fd);
  return bytes;
}

int scratchFile() {
  char name[] = "/tmp/zeb-test-XXXXXX";
  const int fd = mkstemp(name);
  unlink(name);
  return fd;
}

}  // namespace

ProcessResult runProgram(const std::vector<std::string>& arguments, Sink out, bool closeErr) {
  const int outFd = scratchFile();
  const int errFd = scratchFile();
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    if (out == Sink::Captured) dup2(outFd, 1);
    if (out == Sink::DevFull) dup2(open("/dev/full", O_WRONLY), 1);
    if (out == Sink::Closed) close(1);
    if (out == Sink::BrokenPipe) {
      int ends[2];
      if (pipe(ends) != 0) _exit(126);
      close(ends[0]);
      dup2(ends[1], 1);
      std::signal(SIGPIPE, SIG_IGN);
    }
    if (closeErr) {
      close(2);
    } else {
      dup2(errFd, 2);
    }
    execv(ZEB_BINARY, argv.data());
    _exit(127);
  }
  int wstatus = 0;
  waitpid(child, &wstatus, 0);
  ProcessResult result;
  result.out = readAll(outFd);
  result.err = readAll(errFd);
  result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
  return result;
}

std::string readGolden(const std::string& name) {
  std::ifstream file(std::string(ZEB_GOLDEN_DIR) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace zeb::testing
