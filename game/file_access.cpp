#include "game/file_access.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
    int release() {
        int f = fd;
        fd = -1;
        return f;
    }
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a newly created file would get, or the old file's mode.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A link is followed, so that the file it names is replaced and the link stays.
std::string targetOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

// Makes the rename itself last; a failure here loses nothing already written.
void syncFolder(const std::string& folder) {
    FileDescriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes, const WriteFunction& write) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = write ? write(fd, bytes.data() + done, bytes.size() - done)
                             : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;  // a write that takes nothing has run out of room
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

ReadFileResult readWholeFile(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& out) {
    // Not blocking: a named pipe must not hang the program; it is refused below.
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) return READ_FILE_CANNOT_OPEN;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return READ_FILE_CANNOT_OPEN;
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > maxSize) return READ_FILE_BAD;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return READ_FILE_BAD;
        done += static_cast<std::size_t>(n);
    }
    // The file must not have grown past what its size said.
    std::uint8_t extra;
    if (::read(file.fd, &extra, 1) != 0) return READ_FILE_BAD;
    out = std::move(bytes);
    return READ_FILE_OK;
}

bool replaceFile(const std::string& givenPath, std::span<const std::uint8_t> bytes, const WriteFunction& write) {
    if (givenPath.empty() || givenPath.back() == '/') {
        errno = givenPath.empty() ? ENOENT : EISDIR;
        return false;
    }
    const std::string path = targetOf(givenPath);
    const mode_t mode = modeFor(path);
    const std::string folder = folderOf(path);
    std::string temp = folder + "/." + nameOf(path) + ".XXXXXX";
    FileDescriptor file{::mkostemp(temp.data(), O_CLOEXEC)};
    if (file.fd < 0) return false;
    bool ok = writeAll(file.fd, bytes, write) && ::fchmod(file.fd, mode) == 0 && ::fsync(file.fd) == 0;
    int failure = ok ? 0 : errno;
    const bool closed = ::close(file.release()) == 0;
    if (ok && !closed) failure = errno;
    ok = ok && closed && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        if (failure == 0) failure = errno;
        ::unlink(temp.c_str());
        errno = failure;  // the caller tells the user why
        return false;
    }
    syncFolder(folder);
    return true;
}
