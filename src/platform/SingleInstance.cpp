#include "platform/SingleInstance.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return runtime;
    return "/tmp";
}

} // namespace

TSingleInstanceLock::TSingleInstanceLock(const std::string& name) {
    const std::string path =
        RuntimeFolder() + "/" + name + "-" + std::to_string(getuid()) + ".lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

TSingleInstanceLock::~TSingleInstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}
