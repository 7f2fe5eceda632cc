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

// The 21 lines of the project file of `inputs`, each ended by CR LF, fields joined by "^".
std::string projectFileText(const ProjectInputs& inputs);

// Writes the project file to `path`, replacing any file of that name. The file is written
// to a temporary file in the same folder and then renamed, so a failed save leaves the
// previous file as it was.
FileResult WriteProjectFile(const std::string& path, const ProjectInputs& inputs);

// Reads the project file at `path` into `inputs`. Reading is all or nothing: when the file
// cannot be read, ends early or holds a field that cannot be read, `inputs` stays exactly as
// it was and the error names the file and the line.
FileResult ReadProjectFile(const std::string& path, ProjectInputs& inputs);

// Reads the text of a project file, as ReadProjectFile does with the file at `path`.
FileResult readProjectText(std::string_view text, const std::string& path, ProjectInputs& inputs);

} // namespace plenara
