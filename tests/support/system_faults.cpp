#include "support/system_faults.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <vector>

namespace quillmar::test {
namespace {

thread_local std::vector<SystemCallFault*> armed;

// Whether this call of the function is the one to fail; errno is then set.
bool failsNow(const char* function) {
    for (SystemCallFault* fault : armed) {
        if (fault->spent || std::strcmp(fault->function, function) != 0 || fault->passing-- > 0)
            continue;
        fault->spent = true;
        errno = fault->error;
        return true;
    }
    return false;
}

template <typename F>
F* next(const char* function) {
    return reinterpret_cast<F*>(dlsym(RTLD_NEXT, function));
}

}  // namespace

SystemCallFault::SystemCallFault(const char* function, int error, int passing)
    : function(function), error(error), passing(passing) {
    armed.push_back(this);
}

SystemCallFault::~SystemCallFault() { armed.erase(std::find(armed.begin(), armed.end(), this)); }

int waitStatusOfChild(const std::function<int()>& step) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(step());
    int status = -1;
    if (child > 0)
        waitpid(child, &status, 0);
    return status;
}

}  // namespace quillmar::test

using quillmar::test::failsNow;
using quillmar::test::next;

// The program's own calls reach these first; each hands the call on unless it is to fail.
extern "C" {

ssize_t pwrite(int fd, const void* data, size_t size, off_t at) {
    static const auto real = next<decltype(pwrite)>("pwrite");
    return failsNow("pwrite") ? -1 : real(fd, data, size, at);
}

ssize_t copy_file_range(int from, off64_t* fromAt, int to, off64_t* toAt, size_t size, unsigned flags) {
    static const auto real = next<decltype(copy_file_range)>("copy_file_range");
    return failsNow("copy_file_range") ? -1 : real(from, fromAt, to, toAt, size, flags);
}

int fsync(int fd) {
    static const auto real = next<decltype(fsync)>("fsync");
    return failsNow("fsync") ? -1 : real(fd);
}

int fdatasync(int fd) {
    static const auto real = next<decltype(fdatasync)>("fdatasync");
    return failsNow("fdatasync") ? -1 : real(fd);
}

int stat(const char* path, struct stat* st) noexcept {
    static const auto real = next<decltype(stat)>("stat");
    return failsNow("stat") ? -1 : real(path, st);
}

int unlink(const char* path) noexcept {
    static const auto real = next<decltype(unlink)>("unlink");
    return failsNow("unlink") ? -1 : real(path);
}

int fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) noexcept {
    static const auto real = next<decltype(fsetxattr)>("fsetxattr");
    return failsNow("fsetxattr") ? -1 : real(fd, name, value, size, flags);
}

}  // extern "C"
