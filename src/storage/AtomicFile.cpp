#include "storage/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::string& path, const char* what, int error) {
    throw std::runtime_error(path + ": " + what + ": " + std::strerror(error));
}

} // namespace

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0)
        Fail(path, "cannot create a temporary file", errno);
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            int error = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(name.data());
            Fail(path, "cannot write", error);
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fsync(fd) != 0 || ::fchmod(fd, mode) != 0) {
        int error = errno;
        ::close(fd);
        ::unlink(name.data());
        Fail(path, "cannot flush", error);
    }
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(name.data());
        Fail(path, "cannot close", error);
    }
    if (std::rename(name.data(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(name.data());
        Fail(path, "cannot replace", error);
    }
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}
