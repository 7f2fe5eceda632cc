#pragma once

#include "portfolio/resultwriter.h"

#include <memory>
#include <string>

namespace plenara {

// The XLSX output lives in a module of its own, lib/plenara/plenara-xlsx.so beside the bin
// folder: libxlsxwriter brings zip and cryptography libraries whose loading would cost every
// run of plenara-cli a few milliseconds. It is loaded only when a spreadsheet is written.

// The name of the function that the module exports, of type XlsxModuleEntry: it begins the
// file at `path` and returns its writer, owned by the caller, or null with `error` set.
inline constexpr const char* kXlsxModuleEntry = "plenara_open_xlsx_writer";
using XlsxModuleEntry = ResultWriter* (*)(const char* path, std::string* error);

// The module's place for a program in `executableDir`.
std::string xlsxModulePath(const std::string& executableDir);

// A writer of the spreadsheet at `path` from the module of this program, loaded at the first
// use and kept; null with `error` set when the module cannot be loaded or the file begun.
std::unique_ptr<ResultWriter> xlsxModuleWriter(const std::string& path, std::string& error);

} // namespace plenara
