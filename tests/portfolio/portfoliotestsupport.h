#pragma once

#include "climate/climatedata.h"
#include "lifecycle/emissiondata.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace plenara {

// The climate and emission data that ship with the program, read once.
inline const ClimateTable& climate() {
    static const ClimateTable table = readClimateData(PLENARA_SHIPPED_DATA_DIR).table;
    return table;
}

inline const EmissionData& emissions() {
    static const EmissionData data = readEmissionData(PLENARA_SHIPPED_DATA_DIR);
    return data;
}

// A folder of its own for one test, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "plenara-portfolio-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes `bytes` to the file `name` of the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = m_path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

private:
    std::filesystem::path m_path;
};

inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The example set shipped with the program.
inline const std::filesystem::path kExamples =
    std::filesystem::path(PLENARA_SHIPPED_DATA_DIR) / "examples";

} // namespace plenara
