// driver/velmaric-cpp.cc - preprocessor front program.
//
// Runs the host's cpp with the arguments it was given (the last one names
// the output file), then rewrites each line marker that carries more than
// one flag number so that it keeps only the first: velmaric's scanner takes
// at most one number after the file name. Exits with cpp's failure status;
// a stop signal is passed on to cpp before this program ends.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* hostPreprocessor = "cpp";
constexpr int stopSignals[] = {SIGINT, SIGQUIT, SIGTERM};

// The running cpp, and the stop signal that reached this program, if any.
volatile sig_atomic_t childPid = 0;
volatile sig_atomic_t stopSignal = 0;

// velmaric removes its temporary file as soon as this program has ended:
// cpp must have ended too, or it could create the file anew afterwards.
void forwardSignal(int signo) {
  stopSignal = signo;
  if (childPid > 0)
    kill(static_cast<pid_t>(childPid), signo);
}

void setStopHandlers(void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  for (int signo : stopSignals)
    sigaction(signo, &action, nullptr);
}

// Blocks or unblocks the stop signals; they stay blocked from just before
// the fork until the child's pid is known, so none is lost in between.
void maskStopSignals(int how) {
  sigset_t set;
  sigemptyset(&set);
  for (int signo : stopSignals)
    sigaddset(&set, signo);
  sigprocmask(how, &set, nullptr);
}

// Runs cpp with argv[1..]; returns its exit status, or 1 when it could not
// be run, was killed, or this program was asked to stop.
int runHostPreprocessor(int argc, char** argv) {
  std::vector<char*> arguments;
  arguments.push_back(const_cast<char*>(hostPreprocessor));
  for (int i = 1; i < argc; ++i)
    arguments.push_back(argv[i]);
  arguments.push_back(nullptr);

  maskStopSignals(SIG_BLOCK);
  setStopHandlers(forwardSignal);
  pid_t pid = fork();
  if (pid < 0) {
    std::perror("velmaric-cpp: fork");
    maskStopSignals(SIG_UNBLOCK);
    return 1;
  }
  if (pid == 0) {
    setStopHandlers(SIG_DFL);
    maskStopSignals(SIG_UNBLOCK);
    execvp(hostPreprocessor, arguments.data());
    std::perror("velmaric-cpp: cpp");
    _exit(1);
  }
  childPid = pid;
  maskStopSignals(SIG_UNBLOCK);

  int status = 0;
  pid_t waited;
  while ((waited = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  childPid = 0;
  setStopHandlers(SIG_DFL);
  if (waited < 0 || stopSignal != 0)
    return 1;
  if (WIFEXITED(status))
    return WEXITSTATUS(status);
  return 1;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A marker is "#", a blank, digits, a blank, a quoted name, then flags each
// after one blank. Returns the length of the line with only its first flag,
// or the whole length when there is nothing to drop.
std::string::size_type keptLength(const std::string& line) {
  std::string::size_type n = line.size();
  if (n < 2 || line[0] != '#' || line[1] != ' ')
    return n;
  std::string::size_type i = 2;
  if (i >= n || !isDigit(line[i]))
    return n;
  while (i < n && isDigit(line[i]))
    ++i;
  if (i + 1 >= n || line[i] != ' ' || line[i + 1] != '"')
    return n;
  std::string::size_type close = line.find('"', i + 2);
  if (close == std::string::npos)
    return n;
  i = close + 1;
  std::string::size_type firstFlagEnd = std::string::npos;
  int flags = 0;
  while (i < n) {
    if (line[i] != ' ' || i + 1 >= n || !isDigit(line[i + 1]))
      return n;
    ++i;
    while (i < n && isDigit(line[i]))
      ++i;
    if (++flags == 1)
      firstFlagEnd = i;
  }
  return flags > 1 ? firstFlagEnd : n;
}

int rewriteMarkers(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::perror(path);
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  in.close();

  const std::string all = text.str();
  std::string out;
  out.reserve(all.size());
  std::string::size_type start = 0;
  while (start < all.size()) {
    std::string::size_type end = all.find('\n', start);
    std::string::size_type lineEnd =
        end == std::string::npos ? all.size() : end;
    std::string line = all.substr(start, lineEnd - start);
    out.append(line, 0, keptLength(line));
    if (end == std::string::npos)
      break;
    out += '\n';
    start = end + 1;
  }

  std::ofstream result(path, std::ios::binary | std::ios::trunc);
  result << out;
  result.close();
  if (!result) {
    std::perror(path);
    return 1;
  }
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: velmaric-cpp [cpp options] input output\n");
    return 1;
  }
  if (int status = runHostPreprocessor(argc, argv))
    return status;
  return rewriteMarkers(argv[argc - 1]);
}
