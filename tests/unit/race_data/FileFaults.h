#pragma once
// Real faults: a full disk, and a child process that is killed, drops root or holds a file.
#include "FileSizeLimit.h"

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

struct ChildEnd {
    bool killed = false; // ended by SIGKILL
    int exitCode = -1;
};

inline ChildEnd runInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return {WTERMSIG(status) == SIGKILL, -1};
    return {false, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Another program: a child that runs the body, then waits until the object ends it.
class ChildHolding {
public:
    explicit ChildHolding(const std::function<void()>& body) {
        int ready[2];
        if (pipe(ready) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            body();
            (void)!write(ready[1], "1", 1);
            pause();
            _exit(0);
        }
        char c = 0;
        (void)!read(ready[0], &c, 1);
        close(ready[0]);
        close(ready[1]);
    }
    ~ChildHolding() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    ChildHolding(const ChildHolding&) = delete;
    ChildHolding& operator=(const ChildHolding&) = delete;

private:
    pid_t pid_ = -1;
};

// A process running as root passes every permission check; the user nobody does not.
inline void dropRootPrivileges() {
    if (geteuid() != 0) return;
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
}
