#include "project/projectfile.h"
#include "project/recalculationdriver.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any file opened as a project must read without a crash or undefined behaviour, leave the
// inputs alone when it is refused, and recalculate without a fault when it is read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    plenara::ProjectInputs inputs;
    const plenara::ProjectInputs before = inputs;
    const plenara::FileResult result = plenara::readProjectText(text, "/fuzz/PROJECT.TAV", inputs);
    if (!result.ok()) {
        if (!(inputs == before)) {
            __builtin_trap();
        }
        return 0;
    }
    plenara::RecalculationDriver driver;
    plenara::ViewSettings view;
    driver.UpdateAllResults(inputs, view);
    // What was read and recalculated can be written as a project file again.
    static_cast<void>(plenara::projectFileText(inputs));
    return 0;
}
