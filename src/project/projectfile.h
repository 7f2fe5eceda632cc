#pragma once

#include "project/projectinputs.h"

#include <string>
#include <string_view>

namespace plenara {

// The outcome of reading or writing a project file: empty error on success, otherwise a
// message for the user that names the file.
struct FileResult {
    std::string error;

    bool ok() const { return error.empty(); }
};

// The lines of the project file of `inputs`, each ended by CR LF, fields joined by "^": the 21
// lines of every project, and line 22 when one of its settings differs from its default.
std::string projectFileText(const ProjectInputs& inputs);

// Writes the project file to `path`, replacing any file of that name, in full or not at all
// (SafeFileWriter): a failed save leaves the previous file as it was.
FileResult WriteProjectFile(const std::string& path, const ProjectInputs& inputs);

// Reads the project file at `path` into `inputs`. Reading is all or nothing: when the file
// cannot be read (it is no plain file, ends early, or holds a line with a field that cannot be
// read or with more fields than a project file writes there), `inputs` stays exactly as it
// was and the error names the file and the line. A UTF-8 byte-order mark is skipped.
FileResult ReadProjectFile(const std::string& path, ProjectInputs& inputs);

// Reads the text of a project file, as ReadProjectFile does with the file at `path`.
FileResult readProjectText(std::string_view text, const std::string& path, ProjectInputs& inputs);

} // namespace plenara
