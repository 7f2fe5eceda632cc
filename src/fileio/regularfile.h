#pragma once

#include <cstddef>
#include <string>

namespace plenara {

// Why a file could not be read, for callers whose messages differ by cause.
enum class ReadProblem {
    None,
    Missing,    // no file of that name (a dangling link included)
    Folder,     // the name belongs to a folder
    NotRegular, // a named pipe, a device or a socket
    Unreadable, // no permission, a looping link or an input/output error
    TooLarge,   // larger than the reader accepts
};

struct RegularFileContent {
    std::string content;
    ReadProblem problem = ReadProblem::None;
    std::string reason; // a sentence for the user, without the file name; empty on success

    bool ok() const { return problem == ReadProblem::None; }
};

// Reads the whole of a plain file of at most `mostBytes` bytes. Anything else is refused at
// once with the reason: a folder, a named pipe or a device is never opened for reading in a
// way that could wait for data that never comes. The name is used byte for byte.
RegularFileContent readRegularFile(const std::string& path, std::size_t mostBytes);

// Opens a plain file for reading, with the checks of readRegularFile, for a reader that
// streams it. Returns the descriptor (the caller closes it) and sets `size` to the file's
// size; or returns -1 and sets `refused` to the problem and its reason.
int openRegularFile(const std::string& path, RegularFileContent& refused,
                    unsigned long long* size = nullptr);

// The path as a message shows it: absolute, whatever the caller passed.
std::string shownPath(const std::string& path);

// A text between double quotes.
std::string inQuotes(const std::string& text);

} // namespace plenara
