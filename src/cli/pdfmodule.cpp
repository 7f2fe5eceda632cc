#include "cli/pdfmodule.h"

#include "project/datapaths.h"

#include <dlfcn.h>

namespace plenara {

std::string pdfModulePath(const std::string& executableDir) {
    return (std::filesystem::path(executableDir) / ".." / "lib" / "plenara" / "plenara-pdf.so")
        .lexically_normal()
        .string();
}

ReportPdfWriter pdfModuleWriter() {
    return [](const std::vector<ReportPage>& pages, const std::string& path) -> std::string {
        const std::string module = pdfModulePath(executableDirectory().string());
        // Loaded once and kept: the process ends soon after its PDF is written.
        void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* reason = ::dlerror();
            return "this plenara-cli has no PDF output: the module " + module +
                   " cannot be loaded (" + (reason ? reason : "unknown reason") +
                   "), so --pdf is not available (use --report for the pages as text)";
        }
        auto entry = reinterpret_cast<PdfModuleEntry>(::dlsym(handle, kPdfModuleEntry));
        if (entry == nullptr) {
            return "the PDF module " + module + " is not the one of this plenara-cli";
        }
        std::string error;
        entry(&pages, path.c_str(), &error);
        return error;
    };
}

} // namespace plenara
