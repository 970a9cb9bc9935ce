#pragma once
// Real faults for the file tests: a file-size limit that makes the disk look full, and a child process
// that can be killed or can drop its privileges without touching the test process.
#include "FileSizeLimit.h"

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

struct ChildEnd {
    bool killed = false; // ended by SIGKILL
    int exitCode = -1;
};

// Runs the body in a forked child and waits for it; the child ends with the body's result.
inline ChildEnd runInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return {WTERMSIG(status) == SIGKILL, -1};
    return {false, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// A process running as root passes every permission check; the user nobody does not.
inline void dropRootPrivileges() {
    if (geteuid() != 0) return;
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
}
