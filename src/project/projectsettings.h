#pragma once

#include "project/projectinputs.h"

#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// Line 22 of a project file holds the settings that the first 21 lines have no place for, as
// fields "key=value" joined by "^". Each known key is written only when its value differs
// from its default, so the file of a project that keeps every default is the 21 lines of old;
// a key that is absent reads as its default. Keys of later versions are kept as read and
// written back after the known ones. Every key of the line is listed in projectSettings(), in
// the order in which it is written: a new setting is one more entry there.
struct ProjectSetting {
    std::string_view key;
    std::string_view caption; // how the user knows the setting, for messages
    // The value as it is written.
    std::string (*value)(const ProjectInputs&);
    // Whether the project keeps the default, which is then not written.
    bool (*isDefault)(const ProjectInputs&);
    // Sets the project to the default, for a file without the key.
    void (*reset)(ProjectInputs&);
    // Sets the project from a value read from a file; returns why the value cannot be read,
    // or an empty text.
    std::string (*read)(std::string_view value, ProjectInputs&);
};

// The known keys of line 22, in the order in which they are written.
const std::vector<ProjectSetting>& projectSettings();

// One field of line 22 as written, "key=value", with the caption of its setting.
struct ProjectSettingField {
    std::string caption;
    std::string text;
};

// The fields of line 22 for `inputs`: the known keys that differ from their default, then the
// keys of later versions; none when the line is not written.
std::vector<ProjectSettingField> projectSettingFields(const ProjectInputs& inputs);

// Sets every known key of `inputs` from the fields of line 22 (`line` empty for a file without
// it): keys that are absent take their default, a key given twice takes its later value, and
// keys of later versions are kept in `inputs.LaterSettings`. Returns why the line cannot be
// read, naming the field, or an empty text; `inputs` may then be partly set.
std::string readProjectSettings(std::string_view line, ProjectInputs& inputs);

} // namespace plenara
