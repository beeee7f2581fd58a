#include "bench/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <thread>

extern char** environ;

namespace verbalo::bench {
namespace {

// A file descriptor closed when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    int Get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) {
            close(fd_);
            fd_ = -1;
        }
    }

  private:
    int fd_;
};

struct Pipe {
    Descriptor read;
    Descriptor write;
};

bool MakePipe(Pipe& pipe) {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_CLOEXEC) != 0) {
        return false;
    }
    pipe.read.Reset(fds[0]);
    pipe.write.Reset(fds[1]);
    return true;
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written =
            write(fd, bytes.data(), std::min<std::size_t>(bytes.size(), 1 << 16));
        if (written <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

PipedRun RunThroughPipes(const std::string& program, const std::vector<std::string>& args,
                         std::string_view input) {
    PipedRun run;
    Pipe toChild;
    Pipe fromChild;
    if (!MakePipe(toChild) || !MakePipe(fromChild)) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild.read.Get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild.write.Get(), STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    toChild.read.Close();
    fromChild.write.Close();
    if (spawned != 0) {
        return run;
    }

    std::thread writer([&toChild, input] {
        WriteAll(toChild.write.Get(), input);
        toChild.write.Close();
    });
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const ssize_t got = read(fromChild.read.Get(), buffer.data(), buffer.size());
        if (got <= 0) {
            break;
        }
        run.outputBytes += static_cast<std::size_t>(got);
    }
    writer.join();
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.exitStatus = WEXITSTATUS(status);
    }
    return run;
}

}  // namespace verbalo::bench
