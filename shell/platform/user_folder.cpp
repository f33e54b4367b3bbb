#include "shell/platform/user_folder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

bool makeFolders(const std::string& folder) {
    for (std::size_t slash = 1; slash <= folder.size(); ++slash) {
        if (slash < folder.size() && folder[slash] != '/') continue;
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string userDataFolder(const char* xdgDataHome, const char* home) {
    if (isAbsolute(xdgDataHome)) return std::string(xdgDataHome) + "/morlan";
    if (isAbsolute(home)) return std::string(home) + "/.local/share/morlan";
    return {};
}

bool enterFolder(const std::string& folder, std::string& error) {
    if (folder.empty()) {
        error = "neither XDG_DATA_HOME nor HOME names a folder";
        return false;
    }
    if (!makeFolders(folder) || ::chdir(folder.c_str()) != 0) {
        error = folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string absolutePath(const std::string& path) {
    if (path.empty() || path[0] == '/') return path;
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return path;
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data()) + "/" + path;
}
