#pragma once

#include <filesystem>

namespace plenara {

// The folder of the running program's executable.
std::filesystem::path executableDirectory();

// The one fixed place of the program's data (climate data, help): the folder
// share/plenara beside the executable's bin folder, in the build tree as when installed.
std::filesystem::path dataDirectory();

// The data folder that belongs to an executable in `executableDir`.
std::filesystem::path dataDirectoryFor(const std::filesystem::path& executableDir);

} // namespace plenara
