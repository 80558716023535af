#include "cli/platform.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace shrink2d::cli::platform {
namespace {

// As many links as the kernel follows in one lookup before it gives up with ELOOP.
constexpr int kMaxLinks = 40;

FileKind kindOf(mode_t mode)
{
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Directory;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    if (S_ISFIFO(mode)) return FileKind::Pipe;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    return FileKind::Other;
}

// The name that links at the end of path lead to, which need not exist yet; links inside the
// directories on the way are left to the system, which follows them anyway.
std::optional<std::string> finalTarget(std::string path)
{
    for (int links = 0; links < kMaxLinks; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) return path;
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) return path;
        std::string target(static_cast<std::size_t>(status.st_size) + 1, '\0');
        const ssize_t size = ::readlink(path.c_str(), target.data(), target.size());
        if (size < 0) return std::nullopt;
        target.resize(static_cast<std::size_t>(size));
        if (!target.starts_with('/')) {
            const std::size_t slash = path.rfind('/');
            if (slash != std::string::npos) target.insert(0, path, 0, slash + 1);
        }
        path = std::move(target);
    }
    errno = ELOOP;
    return std::nullopt;
}

} // namespace

std::vector<std::string> arguments(int argc, char** argv)
{
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void prepareStandardStreams() {}

Language playerLanguage()
{
    // The first of these that is set decides, as it does for every program's messages.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return std::strncmp(value, "zh", 2) == 0 ? Language::Chinese : Language::English;
        }
    }
    return Language::English;
}

std::string_view pipedListExample() { return "printf '05\\n17\\n99\\n' | shrink2d-cli --list -"; }

std::optional<std::string> decodeText(std::string_view bytes, Encoding encoding)
{
    const char* from = encoding == Encoding::Utf16LittleEndian ? "UTF-16LE"
                       : encoding == Encoding::Utf16BigEndian  ? "UTF-16BE"
                                                               : "GB18030";
    const iconv_t converter = ::iconv_open("UTF-8", from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    // No character takes more than four bytes of UTF-8, nor fewer than one byte of its own.
    std::string out(bytes.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(bytes.data()); // iconv does not write through it
    std::size_t inLeft = bytes.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = ::iconv(converter, &in, &inLeft, &next, &outLeft);
    ::iconv_close(converter);
    // A byte sequence that is not a character, or one cut short at the end, is not text.
    if (done == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::FILE* openForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

std::optional<std::uint64_t> regularFileSize(std::FILE* file)
{
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

std::optional<FileStatus> fileStatus(const std::string& path)
{
    struct stat status {};
    const int got = path == "-" ? ::fstat(STDIN_FILENO, &status) : ::stat(path.c_str(), &status);
    if (got != 0) return std::nullopt;
    return FileStatus{kindOf(status.st_mode), static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileStatus> streamStatus(Stream stream)
{
    struct stat status {};
    if (::fstat(stream == Stream::Output ? STDOUT_FILENO : STDERR_FILENO, &status) != 0) {
        return std::nullopt;
    }
    return FileStatus{kindOf(status.st_mode), static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

int replaceFile(const std::string& path, std::string_view text)
{
    const std::optional<std::string> target = finalTarget(path);
    if (!target) return errno;
    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return ENOTSUP;

    std::string temporary = *target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return errno;
    mode_t mode = old.st_mode & 0777;
    if (!replacing) { // mkstemp makes the file private; a new file gets the usual permissions
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // Best effort, as only root may give a file to another user; before fchmod, which it may undo.
    if (replacing) {
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    }
    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    for (std::size_t written = 0; error == 0 && written < text.size();) {
        const ssize_t got = ::write(fd, text.data() + written, text.size() - written);
        if (got < 0 && errno != EINTR) error = errno;
        if (got > 0) written += static_cast<std::size_t>(got);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target->c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
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
