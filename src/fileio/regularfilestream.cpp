#include "fileio/regularfilestream.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace plenara {

RegularFileStream::~RegularFileStream() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::string RegularFileStream::open(const std::string& path) {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_position = 0;
    RegularFileContent refused;
    m_fd = openRegularFile(path, refused, &m_size);
    return m_fd < 0 ? refused.reason : std::string();
}

std::size_t RegularFileStream::read(char* buffer, std::size_t capacity, std::string& error) {
    while (m_fd >= 0) {
        const ssize_t got = ::pread(m_fd, buffer, capacity, static_cast<off_t>(m_position));
        if (got >= 0) {
            m_position += static_cast<unsigned long long>(got);
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            error = "the file cannot be read (" + std::generic_category().message(errno) + ").";
            return 0;
        }
    }
    error = "the file is not open.";
    return 0;
}

} // namespace plenara
