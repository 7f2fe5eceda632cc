#include "fileio/regularfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace plenara {

namespace {

RegularFileContent refusal(ReadProblem problem, std::string reason) {
    RegularFileContent result;
    result.problem = problem;
    result.reason = std::move(reason);
    return result;
}

std::string kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) {
        return "it is a named pipe (FIFO), not a file.";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device, not a file.";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket, not a file.";
    }
    return "it is not a plain file.";
}

RegularFileContent openFailure(int error) {
    switch (error) {
    case ENOENT:
        return refusal(ReadProblem::Missing, "the file does not exist.");
    case EACCES:
    case EPERM:
        return refusal(ReadProblem::Unreadable, "permission to read the file is denied.");
    case ELOOP:
        return refusal(ReadProblem::Unreadable, "the name is a link that leads round in a loop.");
    case ENOTDIR:
        return refusal(ReadProblem::Missing,
                       "the file does not exist (a part of its path is not a folder).");
    default:
        return refusal(ReadProblem::Unreadable, "the file cannot be opened (" +
                                                    std::generic_category().message(error) + ").");
    }
}

// Closes the descriptor whatever way the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

RegularFileContent readRegularFile(const std::string& path, std::size_t mostBytes) {
    if (path.empty()) {
        return refusal(ReadProblem::Missing, "no file name was given.");
    }
    // Without O_NONBLOCK, opening a named pipe waits until someone writes to it.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return openFailure(errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return openFailure(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return refusal(ReadProblem::Folder, "that name belongs to a folder, not a file.");
    }
    if (!S_ISREG(info.st_mode)) {
        return refusal(ReadProblem::NotRegular, kindOf(info.st_mode));
    }
    if (static_cast<unsigned long long>(info.st_size) > mostBytes) {
        return refusal(ReadProblem::TooLarge, "the file is too large.");
    }

    RegularFileContent result;
    // Room for the file as its size says, and one byte more to notice that it grew while it
    // was read; more room is made only for a file that keeps growing. Zero-filling the largest
    // size allowed up front would cost more than reading a small file.
    const std::size_t expected =
        std::min<std::size_t>(static_cast<std::size_t>(info.st_size), mostBytes);
    result.content.resize(expected + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == result.content.size()) {
            if (filled > mostBytes) {
                break;
            }
            result.content.resize(std::min(result.content.size() * 2, mostBytes + 1));
        }
        const ssize_t got =
            ::read(fd.get(), result.content.data() + filled, result.content.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return refusal(ReadProblem::Unreadable, "the file cannot be read (" +
                                                        std::generic_category().message(errno) +
                                                        ").");
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    if (filled > mostBytes) {
        return refusal(ReadProblem::TooLarge, "the file is too large.");
    }
    result.content.resize(filled);
    return result;
}

std::string shownPath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec).lexically_normal();
    if (ec) {
        return path;
    }
    // "folder/." and "folder/" name the folder itself.
    if (!absolute.has_filename() && absolute.has_relative_path()) {
        absolute = absolute.parent_path();
    }
    return absolute.string();
}

std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace plenara
