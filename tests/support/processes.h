// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Child processes for tests of what survives a crash, a kill or a file size limit.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

namespace ninebox::testing {

// Runs body in a child process that cannot hang for more than ten seconds and whose files
// cannot grow past limit bytes (as root, permission bits stop no write); true when it
// returned true.
inline bool inChild(rlim_t limit, const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit cap{limit, limit};
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        ::alarm(10);
        ::_exit(::setrlimit(RLIMIT_FSIZE, &cap) == 0 && body() ? 0 : 1);
    }
    int status = -1;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs body over and over in `times` child processes, each killed at a moment of its own
// within its first `spread` microseconds, the moments spread evenly.
inline void killRepeatedly(int times, int spread, const std::function<void()>& body) {
    for (int i = 0; i < times; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::alarm(10);
            for (;;) body();
        }
        ::usleep(static_cast<useconds_t>(static_cast<long>(i) * 7919 % times * spread / times));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

}  // namespace ninebox::testing
