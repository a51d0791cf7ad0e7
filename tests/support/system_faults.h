#pragma once

// What the file tests do to the system around the program: a thread working as another
// user, a system function that fails as the system would, a child process of its own.

#include <functional>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

namespace quillmar::test {

constexpr uid_t kNobody = 65534;

// While this lives the calling thread works as the user nobody. The raw calls change this
// thread alone (the C library's would change them all); the saved root comes back.
struct AsNobody {
    AsNobody() { syscall(SYS_setresgid, -1, kNobody, -1), syscall(SYS_setresuid, -1, kNobody, -1); }
    ~AsNobody() { syscall(SYS_setresuid, -1, 0, -1), syscall(SYS_setresgid, -1, 0, -1); }
};

// While this lives, one call of the named system function on this thread fails with the
// error, after the first `passing` calls went through. The functions that can be made to
// fail are those in system_faults.cpp.
class SystemCallFault {
public:
    SystemCallFault(const char* function, int error, int passing = 0);
    ~SystemCallFault();
    SystemCallFault(const SystemCallFault&) = delete;
    SystemCallFault& operator=(const SystemCallFault&) = delete;

    const char* const function;
    const int error;
    int passing;
    bool spent = false;
};

// Runs the step in a child process and gives its wait status: a signal that would end the
// program ends only the child.
int waitStatusOfChild(const std::function<int()>& step);

}  // namespace quillmar::test
