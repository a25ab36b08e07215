#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

#include "run_process.h"

namespace zarvek::testing_support {
namespace {

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe MakePipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    return {ends[0], ends[1]};
}

void CloseQuietly(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Runs in the child after fork: only async-signal-safe calls until exec.
[[noreturn]] void StartChild(const std::string& program, std::vector<char*>& argv,
                             std::vector<char*>& envp, int in, int out, int err,
                             const char* terminalName, const char* folder) {
    if (terminalName != nullptr) {
        ::setsid();
        const int tty = ::open(terminalName, O_RDWR);  // becomes the controlling terminal
        if (tty < 0) {
            ::_exit(126);
        }
        in = tty;
        err = tty;
    }
    if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
        ::_exit(126);
    }
    if (folder != nullptr && ::chdir(folder) != 0) {
        ::_exit(126);
    }
    ::signal(SIGPIPE, SIG_DFL);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
}

// Reads everything from `fds` until each reports its end (a pseudo-terminal's master reports
// EIO once the child has gone).
void Drain(int& outFd, std::string& out, int& errFd, std::string& err) {
    char buffer[65536];
    while (outFd >= 0 || errFd >= 0) {
        pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            int& fd = i == 0 ? outFd : errFd;
            if (fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                (i == 0 ? out : err).append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                CloseQuietly(fd);
            }
        }
    }
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessOptions& options) {
    // A program that ends before reading its input must not take the tests down with it.
    ::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : argStrings) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> envStrings = options.environment;
    std::vector<char*> envp;
    for (std::string& entry : envStrings) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    Pipe in = MakePipe();
    Pipe out = MakePipe();
    Pipe err = MakePipe();
    int master = -1;
    std::string terminalName;
    if (options.terminal) {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        terminalName = ::ptsname(master);
    }
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        StartChild(program, argv, envp, in.read, out.write, err.write,
                   options.terminal ? terminalName.c_str() : nullptr,
                   options.workingFolder.empty() ? nullptr : options.workingFolder.c_str());
    }
    CloseQuietly(in.read);
    CloseQuietly(out.write);
    CloseQuietly(err.write);
    if (options.terminal) {
        CloseQuietly(err.read);
        CloseQuietly(in.write);
        // Typed ahead: the terminal keeps it until the program reads.
        if (!options.input.empty() &&
            ::write(master, options.input.data(), options.input.size()) < 0) {
            throw std::runtime_error("cannot type on the terminal");
        }
        err.read = master;
    } else {
        // A program that ends without reading closes its input first: that is no failure here.
        if (!options.input.empty() &&
            ::write(in.write, options.input.data(), options.input.size()) < 0 && errno != EPIPE) {
            throw std::runtime_error("cannot feed standard input");
        }
        CloseQuietly(in.write);
    }
    ProcessResult result;
    Drain(out.read, result.out, err.read, result.err);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace zarvek::testing_support
