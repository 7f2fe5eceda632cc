#pragma once

#include "portfolio/screenrow.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace plenara {

// Where the rows of a screening go, one by one, as they are ready.
class ResultWriter {
public:
    virtual ~ResultWriter() = default;
    virtual void write(const ScreenRow& row) = 0;
    // Ends the output. Returns why it could not be written (naming the file), or an empty
    // text; a file is replaced only now, in full.
    virtual std::string finish() = 0;
};

enum class ResultFileFormat { Csv, JsonLines, Xlsx };

// A writer of results to a stream (standard output), in CSV or JSON lines.
std::unique_ptr<ResultWriter> streamResultWriter(std::ostream& out, ResultFileFormat format);

// A writer of results to a file, written through SafeFileWriter: the file is replaced when
// finish() succeeds and not before. `error` gets the reason when the file cannot be begun.
std::unique_ptr<ResultWriter> fileResultWriter(const std::string& path, ResultFileFormat format,
                                               std::string& error);

} // namespace plenara
