// Feeds a program a number of identical lines on standard input, sends its output to /dev/null,
// and fails unless it ends well with a peak resident memory under a limit:
//   peak_memory PROGRAM LINES LIMIT_KIB
// The peak is the kernel's own count for the child (getrusage), so nothing is sampled.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: peak_memory PROGRAM LINES LIMIT_KIB\n");
        return 2;
    }
    const long lines = std::atol(argv[2]);
    const long limitKib = std::atol(argv[3]);
    std::signal(SIGPIPE, SIG_IGN);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        std::perror("pipe");
        return 2;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[0], STDIN_FILENO);
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execl(argv[1], argv[1], static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(pipeEnds[0]);
    std::string block;
    for (int i = 0; i < 4096; ++i) {
        block += "1+1\n";
    }
    for (long sent = 0; sent < lines; sent += 4096) {
        const std::size_t count = static_cast<std::size_t>(std::min(4096L, lines - sent)) * 4;
        if (::write(pipeEnds[1], block.data(), count) != static_cast<ssize_t>(count)) {
            break;
        }
    }
    ::close(pipeEnds[1]);
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    std::printf("%ld lines: peak resident memory %ld KiB (limit %ld KiB)\n", lines, usage.ru_maxrss,
                limitKib);
    const bool ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return ended && usage.ru_maxrss < limitKib ? 0 : 1;
}
