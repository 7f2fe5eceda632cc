#include "fileio/safefilewriter.h"

#include "fileio/regularfile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace plenara {

namespace {

namespace fs = std::filesystem;

std::string systemReason(int error) {
    return error == 0 ? std::string() : " (" + std::generic_category().message(error) + ")";
}

std::string folderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Follows a chain of links to the file that a save replaces. A link that leads nowhere or
// round in a loop is an error rather than something to replace with a plain file.
std::string resolveTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {};
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            return "the link cannot be followed" + systemReason(ec.value()) + ".";
        }
        target = next.is_absolute() ? next.string() : (fs::path(folderOf(target)) / next).string();
        struct stat pointed {};
        if (::stat(target.c_str(), &pointed) != 0) {
            if (errno == ELOOP) {
                return "the name is a link that leads round in a loop.";
            }
            return "the name is a link to " + inQuotes(target) + ", which does not exist.";
        }
    }
    return "the name is a link that leads round in a loop.";
}

int syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot flush a folder; the rename itself has happened.
    return error == EINVAL || error == EROFS ? 0 : error;
}

} // namespace

SafeFileWriter::~SafeFileWriter() {
    discard();
}

std::string SafeFileWriter::open(const std::string& path) {
    discard();
    if (path.empty()) {
        return "no file name was given.";
    }
    if (std::string problem = resolveTarget(path, m_target); !problem.empty()) {
        return problem;
    }
    const std::string folder = folderOf(m_target);
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) {
        return "the folder " + inQuotes(shownPath(folder)) + " does not exist.";
    }
    if (!S_ISDIR(folderInfo.st_mode)) {
        return inQuotes(shownPath(folder)) + " is a file, not a folder.";
    }
    struct stat existing {};
    m_replacing = ::stat(m_target.c_str(), &existing) == 0;
    if (m_replacing) {
        if (S_ISDIR(existing.st_mode)) {
            return "that name belongs to a folder, not a file.";
        }
        if (!S_ISREG(existing.st_mode)) {
            return "the name belongs to something that is not a plain file (a named pipe, a "
                   "device or a socket), which is never replaced.";
        }
        // The rename would replace a file that its owner protected, even for the superuser.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            return "the file is read-only.";
        }
        // A writable folder would let the rename take over a file of another user that this
        // one may not write: refuse what a plain write would be refused.
        if (::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
            return "you have no permission to write the file.";
        }
        m_mode = existing.st_mode & 07777;
    }

    static std::mt19937_64 generator{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[40];
        std::snprintf(name, sizeof name, ".plenara-%016llx.tmp",
                      static_cast<unsigned long long>(generator()));
        const std::string candidate = (fs::path(folder) / name).string();
        // O_EXCL refuses a name that exists already, so a file of someone else is never reused.
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_temporary = candidate;
            m_writeError = 0;
            if (m_replacing) {
                ::fchmod(m_fd, m_mode);
            }
            return {};
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return "no file can be created in the folder " + inQuotes(shownPath(folder)) +
           systemReason(errno) + ".";
}

void SafeFileWriter::write(std::string_view bytes) {
    while (m_fd >= 0 && m_writeError == 0 && !bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno != EINTR) {
                m_writeError = errno;
            }
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::string SafeFileWriter::commit() {
    if (m_temporary.empty()) {
        return "the file was not opened for writing.";
    }
    if (m_fd < 0) {
        // A library wrote the temporary file by its name; it is flushed here.
        m_fd = ::open(m_temporary.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) {
            const int error = errno;
            discard();
            return "the file cannot be written" + systemReason(error) + ".";
        }
    }
    int error = m_writeError;
    if (error == 0 && ::fsync(m_fd) != 0) {
        error = errno;
    }
    if (::close(m_fd) != 0 && error == 0) {
        error = errno;
    }
    m_fd = -1;
    if (error != 0) {
        discard();
        return "the file cannot be written" + systemReason(error) + ".";
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        error = errno;
        discard();
        return "the file cannot be replaced" + systemReason(error) + ".";
    }
    m_temporary.clear();
    if (const int folderError = syncFolder(folderOf(m_target)); folderError != 0) {
        return "the folder could not be flushed to the disk" + systemReason(folderError) + ".";
    }
    return {};
}

void SafeFileWriter::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

std::string writeFileSafely(const std::string& path, std::string_view bytes) {
    SafeFileWriter writer;
    if (std::string problem = writer.open(path); !problem.empty()) {
        return problem;
    }
    writer.write(bytes);
    return writer.commit();
}

} // namespace plenara
