#include "cli/platform.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// Windows keeps names and arguments in UTF-16 and hands them to narrow calls in the ANSI code
// page, which cannot hold every character (and on Windows 7 and 8 is never UTF-8). So every name
// and argument goes through the wide calls, converted from and to the program's UTF-8 here.
namespace shrink2d::cli::platform {
namespace {

// What a shell reports for a program ended by SIGPIPE, as on the other systems.
constexpr int kBrokenPipeStatus = 128 + 13;

// Malformed UTF-8 becomes U+FFFD, as it does on the way out below.
std::wstring wide(std::string_view utf8)
{
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
    return out;
}

std::string narrow(std::wstring_view utf16)
{
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}

// The C library's number for a system error, so that messages read as on the other systems.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return EINVAL;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
    case ERROR_PIPE_NOT_CONNECTED: // what Wine says of a POSIX pipe whose reader has gone
        return EPIPE;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

// Sets errno from the last system error and returns it.
int lastError()
{
    errno = errnoOf(::GetLastError());
    return errno;
}

// Why Windows cannot have a file of this name, as errno: EINVAL for a character no file name may
// hold (* ? " < > | or a control character), ENODEV for a name a device has reserved (CON, NUL,
// COM1 and the like, with any extension, which open the device instead of a file); 0 for a
// name it can have.
int nameProblem(std::string_view path)
{
    if (path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\")) path.remove_prefix(4);
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || std::string_view("*?\"<>|").find(c) != std::string_view::npos) {
            return EINVAL;
        }
    }
    // A colon only after the drive letter: the rest would name a stream of the file.
    if (path.find(':', 2) != std::string_view::npos) return EINVAL;
    std::string_view base = path.substr(path.find_last_of("\\/") + 1);
    base = base.substr(0, base.find('.'));
    while (base.ends_with(' ')) base.remove_suffix(1);
    std::string upper;
    for (const char c : base) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    static constexpr std::string_view kDevices[] = {"CON", "PRN",    "AUX",
                                                    "NUL", "CONIN$", "CONOUT$"};
    for (const std::string_view device : kDevices) {
        if (upper == device) return ENODEV;
    }
    const bool numbered = upper.size() == 4 &&
                          (upper.starts_with("COM") || upper.starts_with("LPT")) &&
                          upper[3] >= '1' && upper[3] <= '9';
    return numbered ? ENODEV : 0;
}

struct Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit Handle(HANDLE h) : handle(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    // False when closing failed: a write may then not have reached the file.
    bool close()
    {
        const bool closed = handle == INVALID_HANDLE_VALUE || ::CloseHandle(handle) != 0;
        handle = INVALID_HANDLE_VALUE;
        return closed;
    }
    explicit operator bool() const { return handle != INVALID_HANDLE_VALUE; }
};

// Opens a name for its attributes only, whatever it is (a directory too), links followed, and
// without getting in the way of anyone else using it.
HANDLE openForAttributes(const std::wstring& path)
{
    return ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<FileStatus> statusOf(HANDLE handle)
{
    switch (::GetFileType(handle)) {
    case FILE_TYPE_CHAR:
        return FileStatus{FileKind::Device, 0, 0};
    case FILE_TYPE_PIPE:
        return FileStatus{FileKind::Pipe, 0, 0};
    case FILE_TYPE_DISK:
        break;
    default:
        if (::GetLastError() != NO_ERROR) {
            lastError();
            return std::nullopt;
        }
        return FileStatus{FileKind::Other, 0, 0};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(handle, &info) == 0) {
        lastError();
        return std::nullopt;
    }
    const FileKind kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                              ? FileKind::Directory
                              : FileKind::Regular;
    return FileStatus{kind, info.dwVolumeSerialNumber,
                      (std::uint64_t{info.nFileIndexHigh} << 32U) | info.nFileIndexLow};
}

// The name a file is known by once links are followed: a link is written through, not replaced.
// The name itself when there is no such file yet; nullopt with errno set when it cannot be told.
std::optional<std::wstring> finalTarget(const std::wstring& path, DWORD& attributes)
{
    attributes = 0;
    const Handle file(openForAttributes(path));
    if (!file) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return path;
        errno = errnoOf(error);
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.handle) != FILE_TYPE_DISK ||
        ::GetFileInformationByHandle(file.handle, &info) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        errno = 0;
        return std::nullopt;
    }
    attributes = info.dwFileAttributes;
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    const DWORD length = ::GetFinalPathNameByHandleW(file.handle, nullptr, 0, flags);
    if (length == 0) return path; // not told: the name as given, links replaced rather than kept
    std::wstring target(length, L'\0');
    const DWORD got = ::GetFinalPathNameByHandleW(file.handle, target.data(), length, flags);
    if (got == 0 || got >= length) return path;
    target.resize(got);
    return target;
}

// Creates a file beside target that no one else has, open for writing.
HANDLE createTemporary(const std::wstring& target, std::wstring& name)
{
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
               std::to_wstring(::GetTickCount64() % 100000U) + L"-" + std::to_wstring(counter++);
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        constexpr std::size_t kPiece = 1U << 20;
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min(bytes.size(), kPiece));
        if (::WriteFile(file, bytes.data(), piece, &written, nullptr) == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode) != 0;
}

// The length of text less a UTF-8 sequence cut short at its end, which waits for the next write.
std::size_t completeLength(std::string_view text)
{
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0U) != 0x80U) { // the lead byte (or an ASCII one)
            const std::size_t needed = byte >= 0xF0U   ? 4
                                       : byte >= 0xE0U ? 3
                                       : byte >= 0xC0U ? 2
                                                       : 1;
            return needed > back ? size - back : size;
        }
    }
    return size;
}

// A console shows UTF-16 whatever its code page; a character split between two writes is held
// back until its end arrives.
bool writeConsole(HANDLE handle, std::string& pending, std::string_view text)
{
    pending += text;
    const std::size_t complete = completeLength(pending);
    std::wstring line = wide(std::string_view(pending).substr(0, complete));
    pending.erase(0, complete);
    std::wstring_view rest(line);
    while (!rest.empty()) {
        // Old consoles refuse a long write; a piece never ends inside a surrogate pair.
        std::size_t piece = std::min<std::size_t>(rest.size(), 8192);
        if (piece < rest.size() && rest[piece - 1] >= 0xD800 && rest[piece - 1] <= 0xDBFF) --piece;
        DWORD written = 0;
        if (::WriteConsoleW(handle, rest.data(), static_cast<DWORD>(piece), &written, nullptr) ==
                0 ||
            written == 0) {
            lastError();
            return false;
        }
        rest.remove_prefix(written);
    }
    return true;
}

bool writeStandard(DWORD which, std::string& pending, std::string_view text)
{
    const HANDLE handle = ::GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return false;
    }
    if (isConsole(handle)) return writeConsole(handle, pending, text);
    if (writeAll(handle, text)) return true;
    if (lastError() == EPIPE) std::_Exit(kBrokenPipeStatus);
    return false;
}

} // namespace

std::vector<std::string> arguments(int argc, char** argv)
{
    int count = 0;
    LPWSTR* wideArgs = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wideArgs == nullptr) return {argv + (argc > 0 ? 1 : 0), argv + argc};
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(narrow(wideArgs[i]));
    ::LocalFree(wideArgs);
    return args;
}

void prepareStandardStreams()
{
    for (std::FILE* stream : {stdin, stdout, stderr}) ::_setmode(::_fileno(stream), _O_BINARY);
}

Language playerLanguage()
{
    // A locale set in the environment (by a POSIX shell such as Git Bash's, or Wine's) speaks
    // for the player first, as it does on the other systems; otherwise the display language.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return std::strncmp(value, "zh", 2) == 0 ? Language::Chinese : Language::English;
        }
    }
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::Chinese
                                                                       : Language::English;
}

std::string_view pipedListExample() { return "type 号码.txt | shrink2d-cli --list -"; }

std::optional<std::string> decodeText(std::string_view bytes, Encoding encoding)
{
    if (bytes.empty()) return std::string();
    std::wstring utf16;
    if (encoding == Encoding::Gb18030) {
        // GB18030 where the system has it; otherwise GBK, the part of it Notepad writes (Wine,
        // for one, has only GBK).
        constexpr UINT kGb18030 = 54936;
        constexpr UINT kGbk = 936;
        const UINT page = ::IsValidCodePage(kGb18030) != 0 ? kGb18030 : kGbk;
        const int size = static_cast<int>(bytes.size());
        const int length =
            ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
        if (length == 0) return std::nullopt;
        utf16.resize(static_cast<std::size_t>(length));
        ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, utf16.data(), length);
    } else {
        if (bytes.size() % 2 != 0) return std::nullopt;
        const bool big = encoding == Encoding::Utf16BigEndian;
        utf16.resize(bytes.size() / 2);
        for (std::size_t k = 0; k < utf16.size(); ++k) {
            const auto high = static_cast<unsigned char>(bytes[2 * k + (big ? 0 : 1)]);
            const auto low = static_cast<unsigned char>(bytes[2 * k + (big ? 1 : 0)]);
            utf16[k] = static_cast<wchar_t>(high << 8U | low);
        }
    }
    // A lone surrogate is not text.
    const int size = static_cast<int>(utf16.size());
    const int length = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), size,
                                             nullptr, 0, nullptr, nullptr);
    if (length == 0) return std::nullopt;
    std::string out(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, utf16.data(), size, out.data(), length,
                          nullptr, nullptr);
    return out;
}

std::FILE* openForReading(const std::string& path)
{
    if (path.empty()) { // the wide call would take it for the current directory
        errno = ENOENT;
        return nullptr;
    }
    if (const int problem = nameProblem(path); problem != 0) {
        errno = problem;
        return nullptr;
    }
    const std::wstring name = wide(path);
    std::FILE* file = ::_wfopen(name.c_str(), L"rb");
    if (file != nullptr) return file;
    // The C library says "access denied" for a file another program has locked too: the
    // system's own error tells them apart.
    if (const DWORD error = ::GetLastError(); error != NO_ERROR) errno = errnoOf(error);
    // Windows refuses to open a folder as "access denied"; say what it is, as POSIX does.
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        errno = EISDIR;
    }
    return nullptr;
}

std::optional<std::uint64_t> regularFileSize(std::FILE* file)
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    LARGE_INTEGER size{};
    if (handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) != FILE_TYPE_DISK ||
        ::GetFileSizeEx(handle, &size) == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<FileStatus> fileStatus(const std::string& path)
{
    if (path == "-") {
        const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
        if (input == nullptr || input == INVALID_HANDLE_VALUE) {
            errno = EBADF;
            return std::nullopt;
        }
        return statusOf(input);
    }
    if (path.empty()) {
        errno = ENOENT;
        return std::nullopt;
    }
    if (const int problem = nameProblem(path); problem != 0) {
        errno = problem;
        return std::nullopt;
    }
    const Handle file(openForAttributes(wide(path)));
    if (!file) {
        lastError();
        return std::nullopt;
    }
    return statusOf(file.handle);
}

std::optional<FileStatus> streamStatus(Stream stream)
{
    const HANDLE handle =
        ::GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return std::nullopt;
    return statusOf(handle);
}

int replaceFile(const std::string& path, std::string_view text)
{
    if (const int problem = nameProblem(path); problem != 0) return problem;
    DWORD attributes = 0;
    const std::optional<std::wstring> target = finalTarget(wide(path), attributes);
    if (!target) return errno == 0 ? ENOTSUP : errno;

    std::wstring temporary;
    Handle file(createTemporary(*target, temporary));
    if (!file) return lastError();
    int error = 0;
    if (!writeAll(file.handle, text) || ::FlushFileBuffers(file.handle) == 0) error = lastError();
    if (!file.close() && error == 0) error = lastError();
    // A replaced file keeps what marks it (hidden, archive and the like), not its read-only mark,
    // which the move would refuse to replace anyway.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (error == 0 && (attributes & kKept) != 0) {
        ::SetFileAttributesW(temporary.c_str(), attributes & kKept);
    }
    if (error == 0 && ::MoveFileExW(temporary.c_str(), target->c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        error = lastError();
    }
    if (error != 0) ::DeleteFileW(temporary.c_str());
    return error;
}

bool writeStandardOutput(std::string_view text)
{
    static std::string pending;
    return writeStandard(STD_OUTPUT_HANDLE, pending, text);
}

bool writeStandardError(std::string_view text)
{
    static std::string pending;
    return writeStandard(STD_ERROR_HANDLE, pending, text);
}

} // namespace shrink2d::cli::platform
