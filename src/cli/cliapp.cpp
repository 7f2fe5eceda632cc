#include "cli/cliapp.h"

#include "cli/clioutput.h"
#include "climate/climatedata.h"
#include "engine/interpolation.h"
#include "output/reportcomposer.h"
#include "project/datapaths.h"
#include "project/projectsession.h"

#include <charconv>
#include <ostream>

namespace plenara {

namespace {

std::optional<int> parseIndex(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < 0 ||
        value > 11) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseCapacity(const std::string& text) {
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        value < 0.0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string cliUsage() {
    return "Usage: plenara-cli [OPTIONS] [PROJECT.TAV]\n"
           "\n"
           "Screens the feasibility of combined heat and power for a multifamily building and\n"
           "prints the simple payback by three methods. The analysis starts from the values of\n"
           "a new project, then loads the sample building (--sample) or reads PROJECT.TAV, "
           "applies\n"
           "the settings below and recalculates once. Without an output option it prints the\n"
           "payback range and the comparison of the three methods.\n"
           "\n"
           "Input:\n"
           "  --sample                  load the sample building\n"
           "  PROJECT.TAV               read a project file\n"
           "  --climate PATH            read this climate data file instead of the installed one\n"
           "  --hot-water LEVEL         hot-water usage: low, medium or high (default medium)\n"
           "  --water-heater FUEL       Method 2 water-heater fuel: gas or fuel1 (default gas)\n"
           "  --month M                 month of the Method 2 detail table, 0 (January) to 11\n"
           "                            (default 7)\n"
           "  --first-step V            first sweep step of the Method 2 tables, 0 to 11\n"
           "                            (default 0)\n"
           "\n"
           "Output:\n"
           "  --panels                  print every result panel as the window shows it\n"
           "  --capacity KW             print the Method 2 payback interpolated for KW kilowatts\n"
           "  --json                    print the numeric results as one JSON document\n"
           "                            (not with --panels, --capacity, --report or --pdf)\n"
           "  --save PATH               write the project file after the recalculation\n"
           "  --report LIST             print report pages as plain text: LIST names print\n"
           "                            options 0 to 4 separated by commas, e.g. 0,1,4\n"
           "                            (0 input data and summary, 1 comparison of methods,\n"
           "                            2 Method 1, 3 Method 2, 4 Method 3); a line holding\n"
           "                            a form feed separates the pages\n"
           "  --pdf OUT.pdf             write the report pages (default: --report 0) to one\n"
           "                            PDF file instead of printing them\n"
           "  --run-id TEXT             the data-set line of every page (default \"Run #1\")\n"
           "  -h, --help                show this help and exit\n"
           "\n"
           "Exit status: 0 on success, 1 when a file cannot be read or written (or --pdf\n"
           "is not available in this build), 2 for bad options.\n";
}

CliParse parseCliArguments(const std::vector<std::string>& args) {
    CliParse parse;
    CliOptions& o = parse.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                parse.error = "option " + arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string v;
        if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (arg == "--sample") {
            o.sample = true;
        } else if (arg == "--panels") {
            o.panels = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--climate") {
            if (!value(o.climateFile)) {
                return parse;
            }
        } else if (arg == "--save") {
            if (!value(o.savePath)) {
                return parse;
            }
        } else if (arg == "--report") {
            if (!value(v)) {
                return parse;
            }
            o.report = parseReportList(v);
            if (!o.report) {
                parse.error =
                    "--report takes print options 0 to 4 separated by commas, not '" + v + "'";
                return parse;
            }
        } else if (arg == "--pdf") {
            if (!value(o.pdfPath)) {
                return parse;
            }
            if (o.pdfPath.empty()) {
                parse.error = "--pdf needs a file name";
                return parse;
            }
        } else if (arg == "--run-id") {
            if (!value(o.runId)) {
                return parse;
            }
        } else if (arg == "--hot-water") {
            if (!value(v)) {
                return parse;
            }
            if (v != "low" && v != "medium" && v != "high") {
                parse.error = "--hot-water takes low, medium or high, not '" + v + "'";
                return parse;
            }
            o.hotWater = v;
        } else if (arg == "--water-heater") {
            if (!value(v)) {
                return parse;
            }
            if (v != "gas" && v != "fuel1") {
                parse.error = "--water-heater takes gas or fuel1, not '" + v + "'";
                return parse;
            }
            o.waterHeater = v;
        } else if (arg == "--month" || arg == "--first-step") {
            if (!value(v)) {
                return parse;
            }
            const std::optional<int> index = parseIndex(v);
            if (!index) {
                parse.error = arg + " takes a whole number from 0 to 11, not '" + v + "'";
                return parse;
            }
            (arg == "--month" ? o.month : o.firstStep) = index;
        } else if (arg == "--capacity") {
            if (!value(v)) {
                return parse;
            }
            o.capacity = parseCapacity(v);
            if (!o.capacity) {
                parse.error = "--capacity takes a number of kilowatts, not '" + v + "'";
                return parse;
            }
        } else if (!arg.empty() && arg.front() == '-') {
            parse.error = "unknown option '" + arg + "'";
            return parse;
        } else if (o.projectFile.empty()) {
            o.projectFile = arg;
        } else {
            parse.error = "only one project file can be read, not also '" + arg + "'";
            return parse;
        }
    }
    if (o.sample && !o.projectFile.empty()) {
        parse.error = "--sample and a project file cannot be used together";
    } else if (o.json && (o.panels || o.capacity)) {
        parse.error = "--json cannot be combined with --panels or --capacity";
    } else if (o.json && (o.report || !o.pdfPath.empty())) {
        parse.error = "--json cannot be combined with --report or --pdf";
    }
    return parse;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ReportPdfWriter& writePdf) {
    const CliParse parse = parseCliArguments(args);
    if (!parse.error.empty()) {
        err << "plenara-cli: " << parse.error << "\n\n" << cliUsage();
        return 2;
    }
    const CliOptions& o = parse.options;
    if (o.help) {
        out << cliUsage();
        return 0;
    }
    if (!o.pdfPath.empty() && !writePdf) {
        err << "plenara-cli: this plenara-cli was built without PDF output; --pdf is not "
               "available (use --report for the pages as text)\n";
        return 1;
    }

    const std::string climatePath =
        o.climateFile.empty() ? (dataDirectory() / kClimateFileName).string() : o.climateFile;
    ClimateReadResult climate = readClimateFile(climatePath);
    if (!climate.ok()) {
        err << "plenara-cli: " << plainLines(climate.error) << "\n";
        return 1;
    }

    // The window as it opens: the start values and one recalculation.
    ProjectSession session(std::move(climate.table));
    if (o.sample) {
        session.loadSampleData();
    } else if (!o.projectFile.empty()) {
        const FileResult read = session.open(o.projectFile);
        if (!read.ok()) {
            err << "plenara-cli: " << read.error << "\n";
            return 1;
        }
    }
    ProjectInputs& inputs = session.inputs();
    if (o.hotWater) {
        inputs.HotWaterUsage = *o.hotWater == "low"    ? HotWaterUsage::Low
                               : *o.hotWater == "high" ? HotWaterUsage::High
                                                       : HotWaterUsage::Medium;
    }
    if (o.waterHeater) {
        inputs.WaterHeaterFuel =
            *o.waterHeater == "gas" ? WaterHeaterFuel::NaturalGas : WaterHeaterFuel::Fuel1;
    }
    if (o.month) {
        session.view().scrlMonths = *o.month;
    }
    if (o.firstStep) {
        session.view().scrlGeneration = *o.firstStep;
    }
    session.recalculate();
    const ProjectResults& results = session.results();

    if (!o.savePath.empty()) {
        const FileResult saved = session.saveAs(o.savePath);
        if (!saved.ok()) {
            err << "plenara-cli: " << saved.error << "\n";
            return 1;
        }
    }

    if (o.json) {
        writeResultsJson(out, inputs, results);
        return 0;
    }
    if (o.panels) {
        writePanels(out, inputs, results);
    }
    if (o.capacity) {
        std::array<double, kSweepSteps> capacities{};
        std::array<double, kSweepSteps> paybacks{};
        for (int s = 0; s < kSweepSteps; ++s) {
            capacities[static_cast<std::size_t>(s)] =
                results.method2.annualResults[static_cast<std::size_t>(s)].CapacityKW;
            paybacks[static_cast<std::size_t>(s)] =
                results.method2.annualResults[static_cast<std::size_t>(s)].SimplePayback;
        }
        out << InterpolateResults(*o.capacity, capacities, paybacks).caption << "\n";
    }
    const bool report = o.report || !o.pdfPath.empty();
    if (report) {
        // The dialog's default: the input data and summary page alone.
        const ReportChoice chosen = o.report.value_or(ReportChoice{true});
        const std::vector<ReportPage> pages =
            composeReport(session, chosen, o.runId, todayShortDate());
        if (o.pdfPath.empty()) {
            writeReportText(out, pages);
        } else if (const std::string error = writePdf(pages, o.pdfPath); !error.empty()) {
            err << "plenara-cli: " << error << "\n";
            return 1;
        }
    }
    if (!o.panels && !o.capacity && !report) {
        writeSummary(out, results);
    }
    return 0;
}

} // namespace plenara
