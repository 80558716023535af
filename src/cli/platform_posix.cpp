#include "cli/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace shrink2d::cli::platform {

std::vector<std::string> arguments(int argc, char** argv)
{
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void prepareStandardStreams() {}

std::FILE* openForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

std::optional<std::string> replaceFile(const std::string& path, std::string_view text)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return std::strerror(errno);
    // mkstemp makes the file private; a saved file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    for (std::size_t written = 0; error == 0 && written < text.size();) {
        const ssize_t got = ::write(fd, text.data() + written, text.size() - written);
        if (got < 0 && errno != EINTR) error = errno;
        if (got > 0) written += static_cast<std::size_t>(got);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return std::strerror(error);
    }
    return std::nullopt;
}

namespace {

bool writeWhole(std::FILE* stream, std::string_view text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return (std::fflush(stream) == 0) && written;
}

} // namespace

bool writeStandardOutput(std::string_view text) { return writeWhole(stdout, text); }
bool writeStandardError(std::string_view text) { return writeWhole(stderr, text); }

} // namespace shrink2d::cli::platform
