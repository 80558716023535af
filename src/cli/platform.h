#pragma once

#include "filtering/language.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The few calls of the command line that differ between operating systems. Everything else of
// the program is plain standard C++; file names and arguments are UTF-8 throughout.
namespace shrink2d::cli::platform {

// The arguments that follow the program name, as UTF-8.
std::vector<std::string> arguments(int argc, char** argv);

// Makes standard input, output and error binary streams: bytes pass through unchanged.
void prepareStandardStreams();

// The language the player reads: Chinese when the locale asks for it (LC_ALL, LC_MESSAGES or
// LANG, the first one set, beginning with zh; on Windows, where these are seldom set, else the
// user's display language), English otherwise.
Language playerLanguage();

// How the help shows a list given on standard input, as typed in the system's own shell.
std::string_view pipedListExample();

// Opens the file with this UTF-8 name for reading bytes; null with errno set on failure. Besides
// the usual numbers, errno is EBUSY for a file another program holds locked, EINVAL for a name
// the system cannot have, and ENODEV for a device's reserved name (CON, NUL and the like).
std::FILE* openForReading(const std::string& path);

// The size in bytes of an open file when it is a regular one; nullopt for anything else (a
// device, a pipe), whose size shows only when it ends.
std::optional<std::uint64_t> regularFileSize(std::FILE* file);

enum class FileKind { Regular, Directory, Device, Pipe, Socket, Other };

// What a name stands for once links are followed. Two names of one file (a link, a hard link,
// standard input redirected from it) have equal identities.
struct FileStatus {
    FileKind kind = FileKind::Other;
    std::uint64_t volume = 0; // the device, or the volume serial number
    std::uint64_t file = 0;   // the inode, or the file index
    bool isSameFile(const FileStatus& other) const
    {
        return volume == other.volume && file == other.file;
    }
};

// The status of the file at path, "-" being standard input; nullopt when there is no such file
// or it cannot be examined. A device or a pipe may have no identity (volume and file 0): it is
// never the same file as a regular one.
std::optional<FileStatus> fileStatus(const std::string& path);

enum class Stream { Output, Error };

// The status of the file standard output or standard error is written to; nullopt when it
// cannot be examined (or is closed).
std::optional<FileStatus> streamStatus(Stream stream);

// Text in another encoding as UTF-8, through the system's own converter; nullopt when the bytes
// are not valid in that encoding. GB18030 is what Windows in Chinese saves as "ANSI" (a superset
// of GBK); UTF-16 comes without its byte order mark.
enum class Encoding { Utf16LittleEndian, Utf16BigEndian, Gb18030 };
std::optional<std::string> decodeText(std::string_view bytes, Encoding encoding);

// Writes text to path through a temporary file beside it, flushed to the disk and then renamed
// over path, so that a failure or a crash leaves the old file or the new one, never part of one.
// A link is written through: its target is replaced and the link stays. A replaced file keeps
// its permission bits (and, where allowed, its owner); a new one gets the usual permissions.
// Only a regular file is replaced. 0 when done, otherwise the errno of what failed (ENOTSUP for a
// target that is not a regular file); no temporary file is left behind.
int replaceFile(const std::string& path, std::string_view text);

// Writes to standard output or error; false when the text could not be written whole, errno
// then saying why. A reader that has gone away (a closed pipe) ends the program quietly, with
// the status a shell gives a program ended by SIGPIPE.
bool writeStandardOutput(std::string_view text);
bool writeStandardError(std::string_view text);

} // namespace shrink2d::cli::platform
