#include "tools/sim/ReplaceFile.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int NameAttempts = 100;

// A new file beside path, with the mode a plain create gives (0666 less the umask). O_EXCL
// refuses every name that exists, a symlink too, so a name planted there only moves the search
// on. The descriptor, or -1.
int CreateBeside(const std::string& path, std::string& created)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        created = path + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".part";
        const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write)
{
    std::string created;
    const int fd = CreateBeside(path, created);
    if (fd < 0) return false;
    std::FILE* out = fdopen(fd, "wb");
    if (!out) {
        close(fd);
        unlink(created.c_str());
        return false;
    }
    bool whole = write(out) && std::fflush(out) == 0 && !std::ferror(out);
    whole = std::fclose(out) == 0 && whole;
    if (whole && std::rename(created.c_str(), path.c_str()) == 0) return true;
    unlink(created.c_str());
    return false;
}
