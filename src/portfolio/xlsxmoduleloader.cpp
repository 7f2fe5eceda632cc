#include "fileio/regularfile.h"
#include "portfolio/xlsxmodule.h"
#include "project/datapaths.h"

#include <dlfcn.h>
#include <filesystem>

namespace plenara {

std::string xlsxModulePath(const std::string& executableDir) {
    return (std::filesystem::path(executableDir) / ".." / "lib" / "plenara" / "plenara-xlsx.so")
        .lexically_normal()
        .string();
}

std::unique_ptr<ResultWriter> xlsxModuleWriter(const std::string& path, std::string& error) {
    const std::string module = xlsxModulePath(executableDirectory().string());
    // Kept loaded: the writers it makes run its code until the process ends.
    void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        error = "Cannot write " + inQuotes(shownPath(path)) +
                ": this program has no XLSX output: the module " + module + " cannot be loaded (" +
                (reason ? reason : "unknown reason") + "); write CSV or JSON lines instead";
        return nullptr;
    }
    auto entry = reinterpret_cast<XlsxModuleEntry>(::dlsym(handle, kXlsxModuleEntry));
    if (entry == nullptr) {
        error = "Cannot write " + inQuotes(shownPath(path)) + ": the XLSX module " + module +
                " is not the one of this program";
        return nullptr;
    }
    return std::unique_ptr<ResultWriter>(entry(path.c_str(), &error));
}

} // namespace plenara
