#include "process_runner.h"

#include <windows.h>

#include <cwchar>
#include <string_view>

namespace shrink2d::test {
namespace {

std::wstring wide(const std::string& utf8)
{
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
    return out;
}

// One argument as the C runtime and CommandLineToArgvW split a command line: quoted when it
// holds a blank or a quote or is empty, a quote escaped by a backslash, and backslashes doubled
// where a quote follows them.
void appendQuoted(std::wstring& line, const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        line += c;
        backslashes = 0;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

HANDLE openInherited(const std::string& path, bool write)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(wide(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                         write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int runProgram(const std::string& program, const std::vector<std::string>& args,
               const std::string& inputPath, const std::optional<std::string>& outputPath,
               const std::string& errorPath, const std::string& locale)
{
    const std::wstring programName = wide(program);
    std::wstring line;
    appendQuoted(line, programName);
    for (const std::string& arg : args) {
        line += L' ';
        appendQuoted(line, wide(arg));
    }

    HANDLE output = INVALID_HANDLE_VALUE;
    if (outputPath) {
        output = openInherited(*outputPath, true);
    } else {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE reader = nullptr;
        if (::CreatePipe(&reader, &output, &inherit, 0) == 0) output = INVALID_HANDLE_VALUE;
        if (reader != nullptr) ::CloseHandle(reader);
    }
    const HANDLE input = openInherited(inputPath, false);
    const HANDLE error = openInherited(errorPath, true);

    int status = -1;
    if (input != INVALID_HANDLE_VALUE && output != INVALID_HANDLE_VALUE &&
        error != INVALID_HANDLE_VALUE) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input;
        startup.hStdOutput = output;
        startup.hStdError = error;
        // Wine takes a program's language from LC_ALL; Windows from the user's settings, which
        // this leaves alone.
        std::wstring environment =
            L"LANG=" + wide(locale) + L'\0' + L"LC_ALL=" + wide(locale) + L'\0';
        if (LPWCH block = ::GetEnvironmentStringsW(); block != nullptr) {
            for (const wchar_t* variable = block; *variable != L'\0';
                 variable += std::wcslen(variable) + 1) {
                const std::wstring_view entry(variable);
                if (!entry.starts_with(L"LANG=") && !entry.starts_with(L"LC_ALL=") &&
                    !entry.starts_with(L"LC_MESSAGES=")) {
                    environment.append(entry) += L'\0';
                }
            }
            ::FreeEnvironmentStringsW(block);
        }
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(programName.c_str(), line.data(), nullptr, nullptr, TRUE,
                             CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, environment.data(),
                             nullptr, &startup, &process) != 0) {
            ::WaitForSingleObject(process.hProcess, INFINITE);
            DWORD code = 0;
            if (::GetExitCodeProcess(process.hProcess, &code) != 0) status = static_cast<int>(code);
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
    }
    for (const HANDLE handle : {input, output, error}) {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
    return status;
}

unsigned long currentProcessId() { return ::GetCurrentProcessId(); }

} // namespace shrink2d::test
