#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "app/cli/system_streams.h"

namespace verbalo::cli {
namespace {

// A file descriptor, closed at the end unless it is a standard stream's.
class Descriptor {
  public:
    explicit Descriptor(int fd, bool owned = true) : fd_(fd), owned_(owned) {}
    ~Descriptor() {
        if (owned_ && fd_ >= 0) {
            close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }

  private:
    int fd_;
    bool owned_;
};

class DescriptorSource : public ByteSource {
  public:
    explicit DescriptorSource(int fd, bool owned = true) : fd_(fd, owned) {}

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        for (;;) {
            const ssize_t got = read(fd_.get(), buffer.data(), buffer.size());
            if (got >= 0) {
                return static_cast<std::size_t>(got);
            }
            if (errno != EINTR) {
                return std::nullopt;
            }
        }
    }

    bool WouldWait() override {
        pollfd ready{.fd = fd_.get(), .events = POLLIN, .revents = 0};
        return poll(&ready, 1, 0) == 0;
    }

  private:
    Descriptor fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class DescriptorSink : public ByteSink {
  public:
    explicit DescriptorSink(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes) override { return WriteAll(fd_, bytes); }

  private:
    int fd_;  // a standard stream's
};

std::string SystemReason(int error) {
    return std::strerror(error);
}

// Written as "FILE.XXXXXX" beside FILE; renamed over it by Commit, removed otherwise.
class ReplacingFile : public OutputFile {
  public:
    ReplacingFile(std::string target, std::string temporary, int fd)
        : target_(std::move(target)), temporary_(std::move(temporary)), fd_(fd) {}
    ~ReplacingFile() override {
        if (!committed_) {
            unlink(temporary_.c_str());
        }
    }

    bool Write(std::string_view bytes) override { return WriteAll(fd_.get(), bytes); }

    std::optional<std::string> Commit() override {
        if (fsync(fd_.get()) != 0 && errno != EINVAL) {
            return SystemReason(errno);
        }
        if (rename(temporary_.c_str(), target_.c_str()) != 0) {
            return SystemReason(errno);
        }
        committed_ = true;
        return std::nullopt;
    }

  private:
    std::string target_;
    std::string temporary_;
    Descriptor fd_;
    bool committed_ = false;
};

class PosixFiles : public FileAccess {
  public:
    std::expected<std::unique_ptr<ByteSource>, std::string> OpenInput(
        std::string_view path) override {
        const int fd = open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return std::unexpected(SystemReason(errno));
        }
        return std::make_unique<DescriptorSource>(fd);
    }

    std::expected<std::unique_ptr<OutputFile>, std::string> CreateOutput(
        std::string_view path) override {
        std::string target(path);
        std::string temporary = target + ".XXXXXX";
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0) {
            return std::unexpected(SystemReason(errno));
        }
        // The mode the file has, or a new file's.
        struct stat existing {};
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask);
        return std::make_unique<ReplacingFile>(std::move(target), std::move(temporary), fd);
    }

    bool SameFile(std::string_view first, std::string_view second) override {
        struct stat one {};
        struct stat other {};
        return stat(std::string(first).c_str(), &one) == 0 &&
               stat(std::string(second).c_str(), &other) == 0 && one.st_dev == other.st_dev &&
               one.st_ino == other.st_ino;
    }
};

}  // namespace

// A terminal takes the UTF-8 bytes as they are.
struct SystemStreams::Parts {
    DescriptorSource in{STDIN_FILENO, false};
    DescriptorSink out{STDOUT_FILENO};
    DescriptorSink err{STDERR_FILENO};
    PosixFiles files;
};

SystemStreams::SystemStreams() : parts_(std::make_unique<Parts>()) {}

SystemStreams::~SystemStreams() = default;

CliStreams SystemStreams::Streams() const {
    return {parts_->in, parts_->out, parts_->err, parts_->files};
}

namespace {

// The locale that the environment asks LC_NUMERIC for, in the order setlocale reads it.
std::string AskedLocale() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        if (const char* value = std::getenv(variable); value && *value) {
            return value;
        }
    }
    return {};
}

}  // namespace

SystemNumberFormat ReadSystemNumberFormat() {
    SystemNumberFormat format{.origin = SystemNumberFormat::Origin::PosixLocale};
    if (const char* loaded = std::setlocale(LC_NUMERIC, "")) {
        format.localeName = loaded;
        const std::lconv* conventions = std::localeconv();
        if (conventions && conventions->decimal_point) {
            format.decimalSeparator = conventions->decimal_point;
        }
    } else {
        format.localeLoaded = false;
        format.localeName = AskedLocale();
    }
    std::setlocale(LC_NUMERIC, "C");
    return format;
}

}  // namespace verbalo::cli
