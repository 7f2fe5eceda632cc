#include "cli/cliscreen.h"

#include "cli/clivalidators.h"
#include "cli/progressbar.h"
#include "fileio/regularfile.h"
#include "portfolio/portfolioexport.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/portfolioscreen.h"
#include "portfolio/resultwriter.h"
#include "sensitivity/sensitivityoptions.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>

namespace plenara {

namespace {

std::string summaryLine(const char* verb, const ScreenSummary& summary, double seconds) {
    char text[200];
    std::snprintf(text, sizeof text, "plenara-cli: %s %zu %s, %zu failed, in %.2f s", verb,
                  summary.screened, summary.screened == 1 ? "building" : "buildings",
                  summary.failed, seconds);
    std::string line = text;
    if (seconds > 0.0 && summary.total() > 0) {
        std::snprintf(text, sizeof text, " (%.0f buildings/s)",
                      static_cast<double>(summary.total()) / seconds);
        line += text;
    }
    return line + "\n";
}

void tellNotes(PortfolioReader& reader, std::ostream& err) {
    for (const std::string& note : reader.takeNotes()) {
        err << "plenara-cli: note: " << note << "\n";
    }
}

int exportPortfolio(const ScreenCliOptions& o, const ClimateTable& climate, std::ostream& err) {
    const auto start = std::chrono::steady_clock::now();
    PortfolioExport exporter;
    if (std::string problem = exporter.open(o.exportDir); !problem.empty()) {
        err << "plenara-cli: " << problem << "\n";
        return 1;
    }
    PortfolioReader reader(o.inputs, climate);
    ScreenSummary summary;
    BuildingInput building;
    while (reader.next(building)) {
        if (!building.error.empty()) {
            err << "plenara-cli: error: " << building.error << "\n";
            ++summary.failed;
            continue;
        }
        // Only a row that screens as the project does is written; the others fail here
        // rather than in the screening of the pair.
        if (std::string problem = exportedRowProblem(building.inputs, climate); !problem.empty()) {
            err << "plenara-cli: error: "
                << (building.origin.projectFile.empty() ? building.id
                                                        : shownPath(building.origin.projectFile))
                << ": not exported, as " << problem << "\n";
            ++summary.failed;
            continue;
        }
        exporter.add(building.id, building.inputs);
        ++summary.screened;
    }
    tellNotes(reader, err);
    if (std::string problem = exporter.commit(); !problem.empty()) {
        err << "plenara-cli: " << problem << "\n";
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    err << summaryLine("exported", summary, seconds);
    return summary.failed > 0 ? 1 : 0;
}

} // namespace

CLI::App* addScreenCommand(CLI::App& app, ScreenCliOptions& o, std::string& climateFile,
                           std::string& emissionFolder) {
    CLI::App* screen = app.add_subcommand("screen");
    screen->set_help_flag();
    screen->add_flag("-h,--help", o.help);
    screen->add_option("INPUT", o.inputs)->check(kPath);
    CLI::Option* csv = screen->add_option("-o", o.csvPath)->check(kPath);
    CLI::Option* jsonl = screen->add_option("--jsonl", o.jsonlPath)->check(kPath);
    CLI::Option* xlsx = screen->add_option("--xlsx", o.xlsxPath)->check(kPath);
    CLI::Option* rank = screen->add_flag("--rank", o.rank);
    screen->add_option("-j", o.threads)->check(wholeNumber(1, 1024));
    CLI::Option* draws =
        screen->add_option("--draws", o.draws)->check(wholeNumber(kFewestDraws, kMostDraws));
    CLI::Option* exportCsv = screen->add_option("--export-csv", o.exportDir)->check(kPath);
    screen->add_option("--climate", climateFile)->check(kPath);
    screen->add_option("--emission-data", emissionFolder)->check(kPath);
    exportCsv->excludes(csv)->excludes(jsonl)->excludes(xlsx)->excludes(rank)->excludes(draws);
    return screen;
}

std::string screenOptionsProblem(const ScreenCliOptions& o) {
    if (o.inputs.empty()) {
        return "screen needs an INPUT: a project file, a folder, or buildings.csv and bills.csv";
    }
    // An input given twice would fail each of its buildings as a duplicate of itself, or
    // take a buildings.csv for its own bills.
    if (const auto repeated = repeatedInput(o.inputs)) {
        const std::string& input = o.inputs[repeated->input];
        const std::string& earlier = o.inputs[repeated->earlier];
        if (!repeated->inFolder) {
            return "the INPUT '" + input + "' is named twice; name each input once";
        }
        return "the INPUTs '" + earlier + "' and '" + input +
               "' screen the same files: one is a folder that holds the other; name each "
               "input once";
    }
    if (o.xlsxPath == "-") {
        return "--xlsx needs a file name: a spreadsheet cannot go to standard output";
    }
    if (o.csvPath == "-" && o.jsonlPath == "-") {
        return "-o - and --jsonl - would mix two formats on standard output; give one a file";
    }
    return {};
}

std::string screenUsage() {
    return "Usage: plenara-cli screen INPUT... [-o results.csv] [--jsonl results.jsonl]\n"
           "                          [--xlsx results.xlsx] [--rank] [-j N] [--draws N]\n"
           "       plenara-cli screen INPUT... --export-csv DIR\n"
           "\n"
           "Screens many buildings at once: the capacity, payback, installed cost, savings,\n"
           "net present value, internal rate of return and CO2 change of each of the three\n"
           "methods, and the best method, one row per building.\n"
           "\n"
           "INPUT is a project file, a folder of project files (*.TAV), a folder that holds\n"
           "buildings.csv and bills.csv, or the two CSV files named together.\n"
           "\n"
           "  -o FILE             write the results as CSV to FILE (- for standard output)\n"
           "  --jsonl FILE        write the results as JSON lines (one object a line) to FILE\n"
           "                      (- for standard output)\n"
           "  --xlsx FILE         write the results as a spreadsheet to FILE\n"
           "                      (without any of the three, CSV goes to standard output)\n"
           "  --rank              order the rows by the best payback, buildings without a\n"
           "                      payback after them, failed buildings last (default: the\n"
           "                      order of the inputs)\n"
           "  -j N                screen on N threads (default: one per core); the results\n"
           "                      are the same with any N\n"
           "  --draws N           a Monte Carlo of N draws (100 to 10000) for each building:\n"
           "                      the 10th and 90th percentiles of each payback (each draw is\n"
           "                      a recalculation, so 1000 draws make it 1000 times slower)\n"
           "  --export-csv DIR    write the buildings as DIR/buildings.csv and DIR/bills.csv\n"
           "                      instead of screening them\n"
           "  --climate PATH      read this climate data file instead of the installed one\n"
           "  --emission-data DIR read the CO2 data from DIR instead of the installed ones\n"
           "  -h, --help          show this help and exit\n"
           "\n"
           "A building that cannot be read or screened gets a row whose error column names the\n"
           "file and the line; the others are screened. A progress bar is drawn on standard\n"
           "error when it is a terminal, and a summary line ends the run.\n"
           "\n"
           "Exit status: 0 when every building was screened; 1 when one failed or an output\n"
           "could not be written; 2 for bad options.\n";
}

int runScreen(const ScreenCliOptions& o, const ClimateTable& climate, const EmissionData& emissions,
              std::ostream& out, std::ostream& err, bool errIsTerminal) {
    if (!o.exportDir.empty()) {
        return exportPortfolio(o, climate, err);
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::unique_ptr<ResultWriter>> writers;
    const std::pair<const std::string*, ResultFileFormat> files[] = {
        {&o.csvPath, ResultFileFormat::Csv},
        {&o.jsonlPath, ResultFileFormat::JsonLines},
        {&o.xlsxPath, ResultFileFormat::Xlsx}};
    for (const auto& [path, format] : files) {
        if (path->empty()) {
            continue;
        }
        if (*path == "-") {
            writers.push_back(streamResultWriter(out, format));
            continue;
        }
        std::string problem;
        writers.push_back(fileResultWriter(*path, format, problem));
        if (!problem.empty()) {
            // A device such as /dev/stdout is refused: results replace a file only whole.
            std::error_code ec;
            const bool plainOrNew = !std::filesystem::exists(*path, ec) ||
                                    std::filesystem::is_regular_file(*path, ec) ||
                                    std::filesystem::is_directory(*path, ec);
            err << "plenara-cli: " << problem
                << (plainOrNew ? "" : " Give - for standard output, or a file name.") << "\n";
            return 1;
        }
    }
    if (writers.empty()) {
        writers.push_back(streamResultWriter(out, ResultFileFormat::Csv));
    }

    PortfolioReader reader(o.inputs, climate);
    std::unique_ptr<ProgressBar> bar;
    if (errIsTerminal) {
        bar = std::make_unique<ProgressBar>(err);
    }
    // Ranked rows wait for the last; without the places they were read from, which only the
    // window needs.
    std::vector<ScreenRow> ranked;
    const auto emit = [&](const ScreenRow& row) {
        if (o.rank) {
            ranked.push_back(row);
            ranked.back().origin = {};
            return;
        }
        for (const auto& writer : writers) {
            writer->write(row);
        }
    };
    const auto progress = [&](double fraction, const ScreenSummary& summary) {
        if (bar) {
            bar->update(fraction, summary.total());
        }
    };
    ScreenSettings settings;
    settings.threads = o.threads;
    settings.draws = o.draws;
    const ScreenSummary summary =
        screenPortfolio(reader, climate, emissions, settings, emit, progress);
    if (bar) {
        bar->clear();
    }
    if (o.rank) {
        rankRows(ranked);
        for (const ScreenRow& row : ranked) {
            for (const auto& writer : writers) {
                writer->write(row);
            }
        }
    }
    int status = summary.failed > 0 ? 1 : 0;
    for (const auto& writer : writers) {
        if (std::string problem = writer->finish(); !problem.empty()) {
            err << "plenara-cli: " << problem << "\n";
            status = 1;
        }
    }
    tellNotes(reader, err);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    err << summaryLine("screened", summary, seconds);
    return status;
}

} // namespace plenara
