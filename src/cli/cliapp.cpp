#include "cli/cliapp.h"

#include "cli/clioutput.h"
#include "cli/clisensitivity.h"
#include "cli/clivalidators.h"
#include "climate/climatedata.h"
#include "engine/interpolation.h"
#include "engine/number.h"
#include "engine/textfields.h"
#include "fileio/regularfile.h"
#include "lifecycle/emissiondata.h"
#include "output/reportcomposer.h"
#include "portfolio/portfolioexport.h"
#include "portfolio/projectfilesource.h"
#include "project/datapaths.h"
#include "project/lifecycleinputs.h"
#include "project/projectsession.h"
#include "sensitivity/sensitivity.h"
#include "sensitivity/sensitivitytext.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <ostream>

namespace plenara {

namespace {

// A finite number as C reads it ("150", "1.5e2").
std::optional<double> parseFinite(const std::string& text) {
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A finite number not below zero.
std::optional<double> parseNotNegative(const std::string& text) {
    const std::optional<double> value = parseFinite(text);
    return value && *value >= 0.0 ? value : std::nullopt;
}

// The options of the life-cycle boxes, with the box each fills, as the window's boxes take
// them: any text, read with Number at the recalculation.
struct LifeCycleOption {
    const char* option;
    const char* field;
};
constexpr std::array<LifeCycleOption, 10> kLifeCycleOptions = {{
    {"--analysis-years", "AnalysisYears"},
    {"--discount-rate", "DiscountRate"},
    {"--electric-escalation", "ElectricEscalation"},
    {"--fuel-escalation", "FuelEscalation"},
    {"--om-escalation", "OMEscalation"},
    {"--cost-adjustment", "CostAdjustment"},
    {"--itc", "TaxCredit"},
    {"--rebate-per-kw", "RebatePerKW"},
    {"--grant", "Grant"},
    {"--grid-loss", "GridLoss"},
}};

// The value of --grid-co2: one of the two words, or a rate of at least 0 lb/MWh.
bool isGridCO2(const std::string& text) {
    if (text == "state" || text == "nonbaseload") {
        return true;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size() &&
           std::isfinite(value) && value >= 0.0;
}
// A plain decimal number that the tab's box would read whole ("1e1" would be read as 11)
// within [least, most].
bool isBoxNumber(const std::string& text, double least, double most) {
    const std::optional<double> value = parseNotNegative(text);
    return value && readsWhole(text) && *value >= least && *value <= most;
}

// X of --sensitivity: how far each input moves, 0 to 90 %.
const CLI::Validator kPercent(
    [](const std::string& text) {
        return isBoxNumber(text, 0.0, kMostSensitivityPercent)
                   ? std::string()
                   : "needs a percentage from 0 to 90, not '" + text + "'";
    },
    "X");

// The target payback of the break-even prices: a payback of 0 years is never reached.
const CLI::Validator kTargetPayback(
    [](const std::string& text) {
        return isBoxNumber(text, kShortestTargetPayback, kLongestTargetPayback)
                   ? std::string()
                   : "needs a number of years from 0.1 to 1000, not '" + text + "'";
    },
    "YEARS");

} // namespace

std::string cliUsage() {
    return "Usage: plenara-cli [OPTIONS] [PROJECT.TAV]\n"
           "       plenara-cli screen INPUT... [OPTIONS]   (see plenara-cli screen --help)\n"
           "\n"
           "Screens the feasibility of combined heat and power for a multifamily building and\n"
           "prints the simple payback by three methods. The analysis loads the sample building\n"
           "(--sample) or reads PROJECT.TAV, applies the settings below and recalculates once.\n"
           "Without an output option (--save aside) it prints the payback range and the\n"
           "comparison of the three methods. A project file keeps every input, the hot-water\n"
           "usage and the water-heater fuel included.\n"
           "\n"
           "Input (a project file or --sample is needed):\n"
           "  --sample                  load the sample building (it sets low hot-water usage)\n"
           "  PROJECT.TAV               read a project file\n"
           "  --climate PATH            read this climate data file instead of the installed one\n"
           "  --hot-water LEVEL         hot-water usage: low, medium or high (default: as the\n"
           "                            project holds it)\n"
           "  --water-heater FUEL       Method 2 water-heater fuel: gas or fuel1 (default: as the\n"
           "                            project holds it)\n"
           "  --month M                 month of the Method 2 detail table, 0 (January) to 11\n"
           "                            (default 7)\n"
           "  --first-step V            first sweep step of the Method 2 tables, 0 to 11\n"
           "                            (default 0)\n"
           "  --strict                  refuse inputs that are not used as typed (exit status 2)\n"
           "                            instead of warning about them\n"
           "\n"
           "Life cycle (texts as typed into the boxes of the Life Cycle tab; percentages as\n"
           "there, 6 = 6 %; default: as the project holds them):\n"
           "  --analysis-years N        analysis period, 1 to 40 years (default 20)\n"
           "  --discount-rate PCT       discount rate, % per year (default 6)\n"
           "  --electric-escalation PCT escalation of electricity prices, % per year (default 2)\n"
           "  --fuel-escalation PCT     escalation of fuel prices, % per year (default 2)\n"
           "  --om-escalation PCT       escalation of gen-set O&M, % per year (default 2)\n"
           "  --cost-adjustment PCT     installed cost adjustment, % (default 0)\n"
           "  --itc PCT                 investment tax credit, % of the adjusted cost (default 0)\n"
           "  --rebate-per-kw DOLLARS   rebate per kW of capacity (default 0)\n"
           "  --grant DOLLARS           grant (default 0)\n"
           "  --grid-co2 RATE           grid CO2 rate: nonbaseload (the state's non-baseload "
           "rate,\n"
           "                            default), state (the state's average rate) or a rate in\n"
           "                            lb/MWh\n"
           "  --grid-loss PCT           grid loss, % (default 4.2, the U.S. grid gross loss)\n"
           "  --emission-data FOLDER    read the emission data from FOLDER instead of the\n"
           "                            installed ones\n"
           "\n"
           "Output:\n"
           "  --panels                  print every result panel as the window shows it\n"
           "  --capacity KW             print the Method 2 payback interpolated for KW kilowatts\n"
           "  --json                    print the numeric results as one JSON document\n"
           "                            (not with --panels, --capacity, --report or --pdf)\n"
           "  --save PATH               write the project file after the recalculation\n"
           "  --report LIST             print report pages as plain text: LIST names print\n"
           "                            options 0 to 6 separated by commas, e.g. 0,1,4\n"
           "                            (0 input data and summary, 1 comparison of methods,\n"
           "                            2 Method 1, 3 Method 2, 4 Method 3, 5 life-cycle\n"
           "                            economics and emissions, 6 sensitivity); a line\n"
           "                            holding a form feed separates the pages\n"
           "  --pdf OUT.pdf             write the report pages (default: --report 0) to one\n"
           "                            PDF file instead of printing them\n"
           "  --run-id TEXT             the data-set line of every page (default \"Run #1\")\n"
           "\n"
           "Sensitivity (the \"Sensitivity\" tab; the settings are kept by --save):\n"
           "  --sensitivity [X]         print the [sensitivity] panel (with --json: add the\n"
           "                            \"sensitivity\" object): tornado rows with each input\n"
           "                            alone at -X % and +X % (X from 0 to 90, default as the\n"
           "                            project holds it, 20), break-even prices, spark spread,\n"
           "                            the Method 2 payback grid and the Monte Carlo figures\n"
           "  --target-payback Y        target payback of the break-even prices, years,\n"
           "                            0.1 to 1000 (default 10)\n"
           "  --draws N                 Monte Carlo draws, 100 to 10000 (default 1000)\n"
           "  --sensitivity-method M    method of the tornado rows and the histogram, 1 to 3\n"
           "                            (default 2)\n"
           "  --export-csv DIR          write the project as DIR/buildings.csv and\n"
           "                            DIR/bills.csv, the files that \"screen\" reads\n"
           "  -h, --help                show this help and exit\n"
           "\n"
           "An input that is not used as typed (a text read only in part, such as \"1e12\" read\n"
           "as 112, a percentage that is not taken, a city missing from the climate data) is\n"
           "told on standard error as a warning, one line each.\n"
           "\n"
           "Exit status: 0 on success; 1 when a file cannot be read or written (or --pdf is not\n"
           "available in this build), when the standard output cannot be written, or when the\n"
           "--capacity lies outside the sizes that Method 2 swept (the other outputs are still\n"
           "written); 2 for bad options, and with --strict for an input that is not used as\n"
           "typed.\n";
}

CliParse parseCliArguments(const std::vector<std::string>& args) {
    CliParse parse;
    CliOptions& o = parse.options;

    CLI::App app("plenara-cli");
    // The usage text is the program's own (cliUsage); CLI11 parses.
    app.set_help_flag();
    app.add_flag("-h,--help", o.help);
    CLI::Option* sample = app.add_flag("--sample", o.sample);
    CLI::Option* project = app.add_option("PROJECT.TAV", o.projectFile)->check(kPath);
    app.add_option("--climate", o.climateFile)->check(kPath);
    CLI::Option* hotWater =
        app.add_option("--hot-water")->check(CLI::IsMember({"low", "medium", "high"}));
    CLI::Option* waterHeater =
        app.add_option("--water-heater")->check(CLI::IsMember({"gas", "fuel1"}));
    int month = 0;
    int firstStep = 0;
    CLI::Option* monthOption = app.add_option("--month", month)->check(wholeNumber(0, 11));
    CLI::Option* stepOption = app.add_option("--first-step", firstStep)->check(wholeNumber(0, 11));
    CLI::Option* panels = app.add_flag("--panels", o.panels);
    CLI::Option* json = app.add_flag("--json", o.json);
    std::string capacity;
    CLI::Option* capacityOption = app.add_option("--capacity", capacity);
    app.add_option("--save", o.savePath)->check(kPath);
    std::string report;
    CLI::Option* reportOption = app.add_option("--report", report);
    CLI::Option* pdf = app.add_option("--pdf", o.pdfPath)->check(kPath);
    app.add_option("--run-id", o.runId);
    app.add_flag("--strict", o.strict);
    app.add_option("--emission-data", o.emissionFolder)->check(kPath);
    std::array<std::string, kLifeCycleOptions.size()> lifeCycleTexts;
    std::array<CLI::Option*, kLifeCycleOptions.size()> lifeCycleOptions{};
    for (std::size_t i = 0; i < kLifeCycleOptions.size(); ++i) {
        lifeCycleOptions[i] =
            app.add_option(kLifeCycleOptions[i].option, lifeCycleTexts[i])->check(kText);
    }
    CLI::Option* gridCO2 =
        app.add_option("--grid-co2")
            ->check(CLI::Validator(
                [](const std::string& text) {
                    return isGridCO2(text)
                               ? std::string()
                               : "takes nonbaseload, state or a rate in lb/MWh, not '" + text + "'";
                },
                "RATE"));
    std::string percent;
    CLI::Option* sensitivity =
        app.add_option("--sensitivity", percent)->expected(0, 1)->check(kPercent);
    CLI::Option* target = app.add_option("--target-payback")->check(kTargetPayback);
    int draws = 0;
    CLI::Option* drawsOption =
        app.add_option("--draws", draws)->check(wholeNumber(kFewestDraws, kMostDraws));
    int method = 0;
    CLI::Option* methodOption =
        app.add_option("--sensitivity-method", method)->check(wholeNumber(1, 3));
    app.add_option("--export-csv", o.exportCsvDir)->check(kPath);
    CLI::App* screen = addScreenCommand(app, o.screenOptions, o.climateFile, o.emissionFolder);
    sample->excludes(project);
    json->excludes(panels)->excludes(capacityOption)->excludes(reportOption)->excludes(pdf);

    // --sensitivity takes X only when a number follows it: "--sensitivity s.tav" names the
    // project, so the option goes last, where it takes nothing.
    std::vector<std::string> ordered = args;
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        const std::string& next = ordered[i + 1];
        const bool number = !next.empty() && (std::isdigit(static_cast<unsigned char>(next[0])) ||
                                              next[0] == '.' || next[0] == '-' || next[0] == '+');
        if (ordered[i] == "--sensitivity" && !number && !next.empty()) {
            ordered.erase(ordered.begin() + static_cast<std::ptrdiff_t>(i));
            ordered.push_back("--sensitivity");
            break;
        }
    }
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(ordered.rbegin(), ordered.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        parse.error = e.what();
        // A mistake after "screen" gets the usage of screen.
        o.screen = screen->parsed() || (!args.empty() && args.front() == "screen");
        return parse;
    }
    if (screen->parsed()) {
        o.screen = true;
        if (o.sample || !o.projectFile.empty() || o.json || o.panels || !o.exportCsvDir.empty()) {
            parse.error = "screen takes INPUT and its own options, none of a single project's";
        } else if (!o.screenOptions.help) {
            parse.error = screenOptionsProblem(o.screenOptions);
        }
        return parse;
    }
    if (o.help) {
        return parse;
    }
    if (hotWater->count() > 0) {
        o.hotWater = hotWater->as<std::string>();
    }
    if (waterHeater->count() > 0) {
        o.waterHeater = waterHeater->as<std::string>();
    }
    if (monthOption->count() > 0) {
        o.month = month;
    }
    for (std::size_t i = 0; i < kLifeCycleOptions.size(); ++i) {
        if (lifeCycleOptions[i]->count() > 0) {
            o.lifeCycleTexts.emplace_back(kLifeCycleOptions[i].field, lifeCycleTexts[i]);
        }
    }
    if (gridCO2->count() > 0) {
        o.gridCO2 = gridCO2->as<std::string>();
    }
    if (stepOption->count() > 0) {
        o.firstStep = firstStep;
    }
    if (sensitivity->count() > 0) {
        o.sensitivity = true;
        if (!percent.empty()) {
            o.sensitivityPercent = percent;
        }
    }
    if (target->count() > 0) {
        o.targetPayback = target->as<std::string>();
    }
    if (drawsOption->count() > 0) {
        o.draws = draws;
    }
    if (methodOption->count() > 0) {
        o.sensitivityMethod = method;
    }
    if (capacityOption->count() > 0) {
        // A size below the smallest of the sweep is a number all the same and gets the
        // dialog's message, as any size outside does.
        o.capacity = parseFinite(capacity);
        if (!o.capacity) {
            parse.error = "--capacity takes a number of kilowatts, not '" + capacity + "'";
            return parse;
        }
    }
    if (reportOption->count() > 0) {
        o.report = parseReportList(report);
        if (!o.report) {
            parse.error =
                "--report takes print options 0 to 6 separated by commas, not '" + report + "'";
            return parse;
        }
    }
    if (!o.sample && o.projectFile.empty()) {
        parse.error = "nothing to screen: name a project file or use --sample";
    }
    return parse;
}

namespace {

// The settings of the "Sensitivity" tab given where nothing reads them: no sensitivity
// figures, no project file that keeps them and no sensitivity page.
std::vector<std::string> unusedSensitivityOptions(const CliOptions& o) {
    constexpr std::size_t kSensitivityPage = kReportOptionCount - 1; // the last print option
    const bool pagePrinted = o.report && (*o.report)[kSensitivityPage];
    if (o.sensitivity || !o.savePath.empty() || pagePrinted) {
        return {};
    }
    std::vector<std::string> unused;
    if (o.targetPayback) {
        unused.emplace_back("--target-payback");
    }
    if (o.draws) {
        unused.emplace_back("--draws");
    }
    if (o.sensitivityMethod) {
        unused.emplace_back("--sensitivity-method");
    }
    return unused;
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const ReportPdfWriter& writePdf, bool errIsTerminal) {
    const CliParse parse = parseCliArguments(args);
    const CliOptions& o = parse.options;
    if (!parse.error.empty()) {
        err << "plenara-cli: " << parse.error << "\n\n" << (o.screen ? screenUsage() : cliUsage());
        return 2;
    }
    if (o.screen && o.screenOptions.help) {
        out << screenUsage();
        return 0;
    }
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
    // The CO2 figures need the emission data; without them the rest is printed as usual.
    EmissionData emissions =
        readEmissionData(o.emissionFolder.empty() ? dataDirectory().string() : o.emissionFolder);
    if (!emissions.ok()) {
        err << "plenara-cli: warning: " << emissions.problem << "\n";
    }
    if (o.screen) {
        return runScreen(o.screenOptions, climate.table, emissions, out, err, errIsTerminal);
    }

    // The window as it opens: the start values and one recalculation.
    ProjectSession session(std::move(climate.table), std::move(emissions));
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
    for (const auto& [field, text] : o.lifeCycleTexts) {
        for (const LifeCycleBox& box : lifeCycleBoxes()) {
            if (box.field == field) {
                inputs.*box.text = text;
            }
        }
    }
    if (o.gridCO2 == "nonbaseload") {
        inputs.GridCO2 = GridCO2Basis::StateNonBaseload;
    } else if (o.gridCO2 == "state") {
        inputs.GridCO2 = GridCO2Basis::StateAverage;
    } else if (o.gridCO2) {
        inputs.GridCO2 = GridCO2Basis::Custom;
        inputs.GridCO2Custom = *o.gridCO2;
    }
    SensitivityInputs& tab = inputs.Sensitivity;
    if (o.sensitivityPercent) {
        tab.Percent = *o.sensitivityPercent;
    }
    if (o.targetPayback) {
        tab.TargetPayback = *o.targetPayback;
    }
    if (o.draws) {
        tab.Draws = std::to_string(*o.draws);
    }
    if (o.sensitivityMethod) {
        tab.Method = *o.sensitivityMethod;
    }
    if (o.month) {
        session.view().scrlMonths = *o.month;
    }
    if (o.firstStep) {
        session.view().scrlGeneration = *o.firstStep;
    }
    session.recalculate();
    const ProjectResults& results = session.results();

    // Inputs that are not used as typed: told on the error stream, or refused with --strict.
    const std::vector<std::string> unused = unusedSensitivityOptions(o);
    for (const std::string& option : unused) {
        err << "plenara-cli: " << (o.strict ? "error: " : "warning: ") << option
            << " changes nothing without --sensitivity, --save or report page 6\n";
    }
    for (const InputWarning& warning : results.warnings) {
        err << "plenara-cli: " << (o.strict ? "error: " : "warning: ")
            << windows1252ToUtf8(warning.text()) << "\n";
    }
    if (o.strict && (!results.warnings.empty() || !unused.empty())) {
        return 2;
    }

    if (!o.savePath.empty()) {
        const FileResult saved = session.saveAs(o.savePath);
        if (!saved.ok()) {
            err << "plenara-cli: " << saved.error << "\n";
            return 1;
        }
    }

    std::optional<SensitivityResults> sensitivityResults;
    if (o.sensitivity) {
        sensitivityResults = computeSensitivity(inputs, session.climate(), session.state(),
                                                sensitivityOptions(inputs.Sensitivity));
    }
    if (!o.exportCsvDir.empty()) {
        PortfolioExport exporter;
        std::string problem = exportedRowProblem(inputs, session.climate());
        if (!problem.empty()) {
            problem =
                "error: " + (o.sample ? std::string("the sample") : shownPath(o.projectFile)) +
                ": not exported, as " + problem;
        } else if (problem = exporter.open(o.exportCsvDir); problem.empty()) {
            exporter.add(o.sample ? "Sample" : idOfFile(o.projectFile), inputs);
            problem = exporter.commit();
        }
        if (!problem.empty()) {
            err << "plenara-cli: " << problem << "\n";
            return 1;
        }
    }

    const bool report = o.report || !o.pdfPath.empty();
    std::vector<ReportPage> pages;
    if (report) {
        // The dialog's default: the input data and summary page alone.
        const ReportChoice chosen = o.report.value_or(ReportChoice{true});
        pages = composeReport(session, chosen, o.runId, todayShortDate());
    }
    // A PDF that cannot be written fails the run before anything is printed, as every other
    // file does.
    if (!o.pdfPath.empty()) {
        if (const std::string error = writePdf(pages, o.pdfPath); !error.empty()) {
            err << "plenara-cli: " << error << "\n";
            return 1;
        }
    }

    if (o.json) {
        nlohmann::ordered_json doc = resultsJson(inputs, results);
        if (sensitivityResults) {
            doc["sensitivity"] = sensitivityJson(*sensitivityResults);
        }
        out << doc.dump(2) << '\n';
        return 0;
    }
    int status = 0;
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
        const InterpolationResult interpolated =
            InterpolateResults(*o.capacity, capacities, paybacks);
        // A capacity outside the sweep gets the dialog's message instead of a payback.
        if (*o.capacity < capacities.front() || *o.capacity > capacities.back()) {
            err << "plenara-cli: " << interpolated.caption << "\n";
            status = 1;
        } else {
            out << interpolated.caption << "\n";
        }
    }
    if (report && o.pdfPath.empty()) {
        writeReportText(out, pages);
    }
    if (!o.panels && !o.capacity && !report && o.exportCsvDir.empty()) {
        writeSummary(out, results);
    }
    if (sensitivityResults) {
        out << "[sensitivity]\n";
        for (const std::string& line : sensitivityLines(*sensitivityResults)) {
            out << line << '\n';
        }
    }
    return status;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ReportPdfWriter& writePdf, bool errIsTerminal) {
    const int status = runCommand(args, out, err, writePdf, errIsTerminal);
    // Results that did not reach their reader (a full disk, a closed pipe) are no success.
    if (status == 0 && !out.flush()) {
        err << "plenara-cli: the standard output could not be written.\n";
        return 1;
    }
    return status;
}

} // namespace plenara
