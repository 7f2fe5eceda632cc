#include "project/datapaths.h"

#include <system_error>

namespace plenara {

std::filesystem::path executableDirectory() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path(ec);
    }
    return exe.parent_path();
}

std::filesystem::path dataDirectory() {
    return dataDirectoryFor(executableDirectory());
}

std::filesystem::path dataDirectoryFor(const std::filesystem::path& executableDir) {
    return (executableDir / ".." / "share" / "plenara").lexically_normal();
}

} // namespace plenara
