#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "app/cli/console_streams_win32.h"
#include "app/cli/system_streams.h"
#include "platform/utf16.h"
#include "platform/win32/long_path.h"

namespace verbalo::cli {
namespace {

// A kernel handle, closed at the end.
class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void Close() {
        if (valid()) {
            CloseHandle(handle_);
        }
        handle_ = INVALID_HANDLE_VALUE;
    }

  private:
    HANDLE handle_;
};

// The system's words for an error, in the user's language, as UTF-8 on one line.
std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string reason(reinterpret_cast<const char16_t*>(text), length);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == u'\r' || reason.back() == u'\n' ||
                               reason.back() == u' ' || reason.back() == u'.')) {
        reason.pop_back();
    }
    if (reason.empty()) {
        return "errore " + std::to_string(error);
    }
    return platform::Utf16ToUtf8(reason);
}

std::wstring Wide(std::string_view utf8) {
    const std::u16string wide = platform::Utf8ToUtf16(utf8);
    return {wide.begin(), wide.end()};
}

// A path as the wide file calls take it, at any length.
std::wstring WidePath(std::string_view utf8) {
    return platform::win32::ExtendedLengthPath(Wide(utf8));
}

// A pipe or a file. At the end of a pipe whose writer has gone, the input ends.
class HandleSource : public ByteSource {
  public:
    HandleSource(HANDLE handle, bool owned) : handle_(handle), owned_(owned) {}
    ~HandleSource() override {
        if (owned_ && handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    HandleSource(const HandleSource&) = delete;
    HandleSource& operator=(const HandleSource&) = delete;

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
            return 0;  // no standard input at all: an empty one
        }
        DWORD read = 0;
        const auto size = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
        if (!ReadFile(handle_, buffer.data(), size, &read, nullptr)) {
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) {
                return 0;
            }
            return std::nullopt;
        }
        return read;
    }

    // A file never waits; a pipe waits while it has nothing ready, and anything else, or a
    // pipe that cannot be asked, is taken to wait.
    bool WouldWait() override {
        if (GetFileType(handle_) == FILE_TYPE_DISK) {
            return false;
        }
        DWORD ready = 0;
        return !PeekNamedPipe(handle_, nullptr, 0, nullptr, &ready, nullptr) || ready == 0;
    }

  private:
    HANDLE handle_;
    bool owned_;
};

bool WriteAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(handle, bytes.data(), size, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

class HandleSink : public ByteSink {
  public:
    explicit HandleSink(HANDLE handle) : handle_(handle) {}
    bool Write(std::string_view bytes) override {
        // No standard stream at all (a program started without one): nothing to write to.
        return handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE || WriteAll(handle_, bytes);
    }

  private:
    HANDLE handle_;  // a standard stream's
};

bool SetDeleteOnClose(HANDLE file, bool remove) {
    FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(remove)};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof(disposition)) != FALSE;
}

// Renames the open `file` to `target`, replacing a file of that name.
bool RenameOver(HANDLE file, const std::wstring& target) {
    const std::size_t size = sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t);
    std::string block(size, '\0');
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(block.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::copy(target.begin(), target.end(), rename->FileName);
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(size)) !=
           FALSE;
}

// Written as "FILE.<process>-<n>.tmp" beside FILE (both full paths), marked for deletion as soon as
// it is made, so that nothing is left of it whatever ends the program; Commit takes the mark off
// and renames it over FILE.
class ReplacingFile : public OutputFile {
  public:
    ReplacingFile(std::wstring target, std::wstring temporary, HANDLE file)
        : target_(std::move(target)), temporary_(std::move(temporary)), file_(file) {}

    bool Write(std::string_view bytes) override { return WriteAll(file_.get(), bytes); }

    std::optional<std::string> Commit() override {
        if (!FlushFileBuffers(file_.get()) || !SetDeleteOnClose(file_.get(), false)) {
            return SystemReason(GetLastError());
        }
        if (RenameOver(file_.get(), target_)) {
            return std::nullopt;
        }
        // A file system that cannot rename an open file: closed, then moved.
        file_.Close();
        const std::wstring temporary = platform::win32::ExtendedLengthPath(temporary_);
        if (MoveFileExW(temporary.c_str(), platform::win32::ExtendedLengthPath(target_).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return std::nullopt;
        }
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return SystemReason(error);
    }

  private:
    std::wstring target_;
    std::wstring temporary_;
    UniqueHandle file_;
};

class Win32Files : public FileAccess {
  public:
    std::expected<std::unique_ptr<ByteSource>, std::string> OpenInput(
        std::string_view path) override {
        const HANDLE file =
            CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return std::unexpected(SystemReason(GetLastError()));
        }
        return std::make_unique<HandleSource>(file, true);
    }

    std::expected<std::unique_ptr<OutputFile>, std::string> CreateOutput(
        std::string_view path) override {
        const std::wstring target = platform::win32::FullPath(Wide(path));
        const std::wstring stem = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-";
        for (int attempt = 0;; ++attempt) {
            std::wstring temporary = stem + std::to_wstring(attempt) + L".tmp";
            const HANDLE file = CreateFileW(platform::win32::ExtendedLengthPath(temporary).c_str(),
                                            GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE) {
                const DWORD error = GetLastError();
                if (error == ERROR_FILE_EXISTS && attempt < 100) {
                    continue;
                }
                return std::unexpected(SystemReason(error));
            }
            auto output = std::make_unique<ReplacingFile>(target, std::move(temporary), file);
            if (!SetDeleteOnClose(file, true)) {
                return std::unexpected(SystemReason(GetLastError()));
            }
            return output;
        }
    }

    bool SameFile(std::string_view first, std::string_view second) override {
        const auto identity = [](std::string_view path) {
            const UniqueHandle file(CreateFileW(
                WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
            BY_HANDLE_FILE_INFORMATION information{};
            if (!file.valid() || !GetFileInformationByHandle(file.get(), &information)) {
                return std::optional<std::tuple<DWORD, DWORD, DWORD>>{};
            }
            return std::optional(std::tuple(information.dwVolumeSerialNumber,
                                            information.nFileIndexHigh, information.nFileIndexLow));
        };
        const auto one = identity(first);
        return one && one == identity(second);
    }
};

// The standard handle when it is a console, else nothing.
HANDLE StandardConsole(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return IsConsole(handle) ? handle : nullptr;
}

std::unique_ptr<ByteSink> StandardSink(DWORD which) {
    if (const HANDLE console = StandardConsole(which)) {
        return std::make_unique<ConsoleSink>(console);
    }
    return std::make_unique<HandleSink>(GetStdHandle(which));
}

std::unique_ptr<ByteSource> StandardSource() {
    if (const HANDLE console = StandardConsole(STD_INPUT_HANDLE)) {
        return std::make_unique<ConsoleSource>(console);
    }
    return std::make_unique<HandleSource>(GetStdHandle(STD_INPUT_HANDLE), false);
}

}  // namespace

// The standard handles belong to the process: borrowed, never closed.
struct SystemStreams::Parts {
    std::unique_ptr<ByteSource> in = StandardSource();
    std::unique_ptr<ByteSink> out = StandardSink(STD_OUTPUT_HANDLE);
    std::unique_ptr<ByteSink> err = StandardSink(STD_ERROR_HANDLE);
    Win32Files files;
};

SystemStreams::SystemStreams() : parts_(std::make_unique<Parts>()) {}

SystemStreams::~SystemStreams() = default;

CliStreams SystemStreams::Streams() const {
    return {*parts_->in, *parts_->out, *parts_->err, parts_->files};
}

SystemNumberFormat ReadSystemNumberFormat() {
    // LOCALE_SDECIMAL is at most four characters with the terminating null.
    wchar_t separator[4] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    const std::u16string_view given(reinterpret_cast<const char16_t*>(separator),
                                    length > 1 ? static_cast<std::size_t>(length - 1) : 0);
    return {.origin = SystemNumberFormat::Origin::WindowsSetting,
            .decimalSeparator = platform::Utf16ToUtf8(given)};
}

}  // namespace verbalo::cli
