#pragma once

#include "fileio/regularfile.h"

#include <cstddef>
#include <string>

namespace plenara {

// A plain file read piece by piece, for files too large to hold at once (the bills of a
// portfolio). It opens only what readRegularFile opens, so a named pipe or a device is refused
// at once instead of waited on. Reading starts at the beginning and can be moved with seek().
class RegularFileStream {
public:
    RegularFileStream() = default;
    ~RegularFileStream();
    RegularFileStream(const RegularFileStream&) = delete;
    RegularFileStream& operator=(const RegularFileStream&) = delete;

    // Opens the file. Returns the reason of a refusal (a sentence without the file name), or
    // an empty text.
    std::string open(const std::string& path);
    bool isOpen() const { return m_fd >= 0; }
    // The size of the file when it was opened, in bytes.
    unsigned long long size() const { return m_size; }
    // Where the next read starts, in bytes from the beginning.
    unsigned long long position() const { return m_position; }
    void seek(unsigned long long position) { m_position = position; }

    // Reads up to `capacity` bytes into `buffer`; returns how many, 0 at the end of the file.
    // On a read error returns 0 and sets `error` to its reason.
    std::size_t read(char* buffer, std::size_t capacity, std::string& error);

private:
    int m_fd = -1;
    unsigned long long m_size = 0;
    unsigned long long m_position = 0;
};

} // namespace plenara
