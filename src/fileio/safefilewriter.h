#pragma once

#include <string>
#include <string_view>

namespace plenara {

// A file that replaces its target in full or not at all. The bytes go to a temporary file in
// the target's folder, which is flushed to the disk and then renamed over the target, and the
// folder is flushed too; until then the previous file stays as it was, and a failure of any
// step (a full disk among them) leaves it untouched. The target is checked before anything is
// written: a link is followed, so its target is replaced and the link kept; a dangling or
// looping link, a folder, a named pipe, a device and a read-only file are refused. Names are
// used byte for byte.
//
// Every reason is a sentence for the user without the file name, so that each caller can say
// what it was saving ("Cannot save ...", "The PDF file ... could not be written: ...").
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Checks the target and creates the temporary file. Returns the reason of a refusal, or an
    // empty text.
    std::string open(const std::string& path);

    // Appends bytes to the temporary file. An error is kept and reported by commit().
    void write(std::string_view bytes);

    // The temporary file, for a library that writes a file of a given name itself; commit()
    // then flushes what it wrote.
    const std::string& temporaryPath() const { return m_temporary; }

    // Flushes the temporary file and renames it over the target. Returns the reason of a
    // failure, or an empty text; on failure the temporary file is removed.
    std::string commit();

    // Removes the temporary file; the target stays as it was.
    void discard();

private:
    std::string m_target;    // the file that is replaced, links followed
    std::string m_temporary; // empty when nothing is open
    int m_fd = -1;
    int m_writeError = 0;
    bool m_replacing = false;
    unsigned m_mode = 0; // permissions of the file that is replaced
};

// Writes `bytes` to `path` through a SafeFileWriter. Returns the reason of a failure, or an
// empty text.
std::string writeFileSafely(const std::string& path, std::string_view bytes);

} // namespace plenara
