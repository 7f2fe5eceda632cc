#include "climate/climatedata.h"
#include "portfolio/portfolioexport.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/portfolioscreen.h"
#include "portfolio/resultcolumns.h"
#include "portfolio/resultwriter.h"
#include "portfolio/screenrow.h"
#include "portfoliotestsupport.h"
#include "project/projectfile.h"
#include "project/projectsession.h"
#include "sensitivity/montecarlo.h"
#include "sensitivity/projectvariations.h"
#include "sensitivity/sensitivityoptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

std::vector<ScreenRow> screen(const std::vector<std::string>& inputs,
                              ScreenSettings settings = {}) {
    PortfolioReader reader(inputs, climate());
    std::vector<ScreenRow> rows;
    screenPortfolio(reader, climate(), emissions(), settings,
                    [&](const ScreenRow& row) { rows.push_back(row); });
    return rows;
}

std::string csvOf(const std::vector<ScreenRow>& rows) {
    std::string text;
    for (const ScreenRow& row : rows) {
        text += resultsCsvLine(row);
    }
    return text;
}

const std::string kProjects = (kExamples / "projects").string();
const std::string kPair = (kExamples / "csv").string();

// The example buildings give the same rows from their project files and from the CSV pair,
// and each row holds the figures of the project's own recalculation, as the window shows it.
TEST(ScreeningTest, ExamplesAsProjectFilesAsACsvPairAndInTheWindow) {
    const std::vector<ScreenRow> fromFiles = screen({kProjects});
    const std::vector<ScreenRow> fromPair = screen({kPair});
    ASSERT_EQ(fromFiles.size(), 5u);
    EXPECT_EQ(csvOf(fromFiles), csvOf(fromPair));
    EXPECT_EQ(csvOf(screen({(kExamples / "csv" / "bills.csv").string(),
                            (kExamples / "csv" / "buildings.csv").string()})),
              csvOf(fromPair));
    for (const ScreenRow& row : fromFiles) {
        ASSERT_FALSE(row.failed()) << row.error;
        ProjectSession session(climate(), emissions());
        ASSERT_TRUE(session.open((fs::path(kProjects) / (row.id + ".TAV")).string()).ok());
        const ProjectResults& r = session.results();
        for (std::size_t m = 0; m < 3; ++m) {
            EXPECT_EQ(row.methods[m].capacityKW, r.genCapacityByMethod[m + 1]) << row.id << m;
            EXPECT_EQ(row.methods[m].paybackYears, r.paybackByMethod[m + 1]) << row.id << m;
        }
        EXPECT_EQ(row.methods[0].installedCost, r.method1.installedCost);
        EXPECT_EQ(row.methods[1].annualSavings, r.method2.savings);
        EXPECT_EQ(row.methods[2].annualSavings, r.method3.savings);
        for (std::size_t m = 0; m < 3; ++m) {
            const MethodLifeCycle& life = r.lifeCycle.methods[m];
            EXPECT_EQ(row.methods[m].npv, std::optional<double>(life.flows.npv)) << row.id << m;
            EXPECT_EQ(row.methods[m].irr, life.irr) << row.id << m;
            EXPECT_EQ(row.methods[m].co2ChangeTonnes, std::optional<double>(life.co2.changeTonnes))
                << row.id << m;
        }
    }
}

// A project file was made by the window, which takes a city of another state (as files of
// older versions name it) with that city's climate: the screening does the same, where a row
// of buildings.csv naming the pair would fail. Houston in "Massachusetts" screens with
// Houston's degree days, as the window opens it.
TEST(ScreeningTest, AProjectFileWithACityOfAnotherStateScreensAsTheWindowOpensIt) {
    std::string text = fileText(fs::path(kProjects) / "BayouGardens.TAV");
    const std::size_t at = text.find("Texas^Houston^");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 5, "Massachusetts");
    ScratchFolder folder;
    const std::string moved = folder.write("Moved.TAV", text);
    const std::vector<ScreenRow> rows = screen({moved});
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_FALSE(rows[0].failed()) << rows[0].error;
    EXPECT_EQ(rows[0].state, "Massachusetts");
    ProjectSession session(climate(), emissions());
    ASSERT_TRUE(session.open(moved).ok());
    const ProjectResults& r = session.results();
    const std::vector<ScreenRow> original =
        screen({(fs::path(kProjects) / "BayouGardens.TAV").string()});
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_EQ(rows[0].methods[m].capacityKW, r.genCapacityByMethod[m + 1]) << m;
        EXPECT_EQ(rows[0].methods[m].paybackYears, r.paybackByMethod[m + 1]) << m;
        EXPECT_EQ(rows[0].methods[m].capacityKW, original[0].methods[m].capacityKW) << m;
    }
}

// The sample building's figures as the comparison of methods shows them: capacities 132, 110
// and 52 kW, installed costs $227,004, $203,718 and $142,555, savings $48,018, $35,999 and
// $17,793, paybacks 4.7, 5.7 and 8.0 years; Method 1 pays back first.
TEST(ScreeningTest, TheSampleBuildingAsTheComparisonShowsIt) {
    const std::vector<ScreenRow> rows =
        screen({(fs::path(kProjects) / "ElmStreetTowers.TAV").string()});
    ASSERT_EQ(rows.size(), 1u);
    const ScreenRow& row = rows[0];
    EXPECT_EQ(row.id, "ElmStreetTowers");
    EXPECT_EQ(row.state, "Pennsylvania");
    EXPECT_EQ(row.city, "Philadelphia");
    const double capacity[3] = {132, 110, 52};
    const double cost[3] = {227'004, 203'718, 142'555};
    const double savings[3] = {48'018, 35'999, 17'793};
    const double payback[3] = {4.7, 5.7, 8.0};
    for (std::size_t m = 0; m < 3; ++m) {
        EXPECT_EQ(std::round(row.methods[m].capacityKW), capacity[m]) << m;
        EXPECT_EQ(std::round(row.methods[m].installedCost), cost[m]) << m;
        EXPECT_EQ(std::round(row.methods[m].annualSavings), savings[m]) << m;
        EXPECT_EQ(std::round(row.methods[m].paybackYears * 10) / 10, payback[m]) << m;
    }
    EXPECT_EQ(row.bestMethod, 1);
    EXPECT_EQ(row.bestPaybackYears, row.methods[0].paybackYears);
}

// The life-cycle inputs are columns of buildings.csv: a 30 % investment tax credit takes 30 %
// of the installed cost off at the start, so each method's net present value rises by 30 % of
// its installed cost (Method 1 of the sample: 0.3 x $227,004 = $68,101).
TEST(ScreeningTest, LifeCycleColumnsOfBuildingsCsv) {
    ScratchFolder folder;
    const std::string pair = (kExamples / "csv").string();
    std::string buildings = fileText(fs::path(pair) / "buildings.csv");
    folder.write("bills.csv", fileText(fs::path(pair) / "bills.csv"));
    // Every row with a tax credit of 30 % instead of 0 (no field of the examples holds a comma).
    std::istringstream lines(buildings);
    buildings.clear();
    std::size_t column = 0;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) {
            fields.push_back(cell);
        }
        if (buildings.empty()) {
            column = static_cast<std::size_t>(std::find(fields.begin(), fields.end(), "taxCredit") -
                                              fields.begin());
        } else {
            fields.at(column) = "30";
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            buildings += (i == 0 ? "" : ",") + fields[i];
        }
        buildings += "\n";
    }
    folder.write("buildings.csv", buildings);
    const std::vector<ScreenRow> plain = screen({pair});
    const std::vector<ScreenRow> credited = screen({folder.path().string()});
    ASSERT_EQ(plain.size(), credited.size());
    for (std::size_t b = 0; b < plain.size(); ++b) {
        ASSERT_FALSE(credited[b].failed()) << credited[b].error;
        for (std::size_t m = 0; m < 3; ++m) {
            const MethodScreen& before = plain[b].methods[m];
            const MethodScreen& after = credited[b].methods[m];
            EXPECT_EQ(after.paybackYears, before.paybackYears);
            ASSERT_TRUE(before.npv && after.npv);
            // A Method 2 that finds no payback buys nothing, so no credit either.
            const bool buys = m != 1 || before.paybackYears > 0.0;
            EXPECT_NEAR(*after.npv - *before.npv, buys ? 0.3 * before.installedCost : 0.0, 0.01)
                << plain[b].id << m;
            if (!buys) {
                EXPECT_EQ(*before.npv, 0.0) << plain[b].id;
            }
        }
    }
    EXPECT_NEAR(*credited[3].methods[0].npv - *plain[3].methods[0].npv, 68'101, 1);
}

// With draws asked for, each payback gets its spread: the percentiles of the Monte Carlo of the
// Sensitivity tab on the same building, whatever the number of threads; without, none.
TEST(ScreeningTest, MonteCarloSpreadOnlyWhenAskedFor) {
    const std::string lakeshore = (fs::path(kProjects) / "LakeshoreApartments.TAV").string();
    const std::vector<ScreenRow> plain = screen({lakeshore});
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_FALSE(plain[0].methods[1].paybackP10 || plain[0].methods[1].paybackP90);

    const std::vector<ScreenRow> one = screen({lakeshore}, {1, 0, nullptr, 100});
    const std::vector<ScreenRow> two = screen({lakeshore}, {2, 0, nullptr, 100});
    EXPECT_EQ(csvOf(one), csvOf(two));

    ProjectInputs inputs;
    ASSERT_TRUE(ReadProjectFile(lakeshore, inputs).ok());
    const ProjectVariations variations(inputs, climate(), RecalculationState{});
    SensitivityOptions options = sensitivityOptions(inputs.Sensitivity);
    options.draws = 100;
    const std::optional<MonteCarloResults> spread = runMonteCarlo(variations, options);
    ASSERT_TRUE(spread);
    for (std::size_t m = 0; m < 3; ++m) {
        const MethodScreen& method = one[0].methods[m];
        EXPECT_EQ(method.paybackP10, spread->methods[m].p10) << m;
        EXPECT_EQ(method.paybackP90, spread->methods[m].p90) << m;
        // The other figures are those of the building as it stands.
        EXPECT_EQ(method.paybackYears, plain[0].methods[m].paybackYears) << m;
    }
    // Lakeshore pays back by every method: the spread brackets each payback.
    for (const MethodScreen& method : one[0].methods) {
        ASSERT_TRUE(method.paybackP10 && method.paybackP90);
        EXPECT_LE(*method.paybackP10, method.paybackYears);
        EXPECT_GE(*method.paybackP90, method.paybackYears);
    }
}

// Rows come in the order read, whatever the number of threads and the size of the window.
TEST(ScreeningTest, AnyNumberOfThreadsGivesTheSameRows) {
    ScratchFolder folder;
    PortfolioExport exporter;
    ASSERT_EQ(exporter.open(folder.path().string()), "");
    PortfolioReader examples({kProjects}, climate());
    std::vector<BuildingInput> buildings;
    for (BuildingInput b; examples.next(b);) {
        buildings.push_back(b);
    }
    for (int copy = 0; copy < 40; ++copy) {
        for (BuildingInput b : buildings) {
            // Varied a little, so that no two rows are alike.
            b.inputs.Occupants = std::to_string(100 + copy * 7);
            b.inputs.EnergyCharge = "0.0" + std::to_string(40 + copy);
            exporter.add(b.id + "-" + std::to_string(copy), b.inputs);
        }
    }
    ASSERT_EQ(exporter.commit(), "");
    const std::string one = csvOf(screen({folder.path().string()}, {1, 1, nullptr, 0}));
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 200);
    EXPECT_EQ(csvOf(screen({folder.path().string()}, {2, 3, nullptr, 0})), one);
    EXPECT_EQ(csvOf(screen({folder.path().string()}, {2, 0, nullptr, 0})), one);
}

TEST(ScreeningTest, CancelStopsAfterTheBuildingsInFlight) {
    std::atomic<bool> cancel{false};
    PortfolioReader reader({kProjects, kPair}, climate());
    std::size_t rows = 0;
    const ScreenSummary summary =
        screenPortfolio(reader, climate(), emissions(), {1, 1, &cancel, 0},
                        [&](const ScreenRow&) { cancel = ++rows == 2; });
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.screened, 2u);
    EXPECT_EQ(rows, 2u);
}

MethodScreen method(double capacityKW, double paybackYears, double installedCost,
                    double annualSavings) {
    MethodScreen m;
    m.capacityKW = capacityKW;
    m.paybackYears = paybackYears;
    m.installedCost = installedCost;
    m.annualSavings = annualSavings;
    return m;
}

ScreenRow ranked(const char* id, double best, bool failed = false) {
    ScreenRow row;
    row.id = id;
    row.bestMethod = best > 0 ? 2 : 0;
    row.bestPaybackYears = best;
    row.error = failed ? "bad" : "";
    return row;
}

// Shortest best payback first, equal ones in input order, then no payback, failed last.
TEST(ScreeningTest, RankingByTheBestPayback) {
    std::vector<ScreenRow> rows = {ranked("fail1", 0, true), ranked("none1", 0),
                                   ranked("slow", 12.5),     ranked("fast", 3.2),
                                   ranked("tieA", 7.0),      ranked("fail2", 0, true),
                                   ranked("tieB", 7.0),      ranked("none2", 0)};
    rankRows(rows);
    std::vector<std::string> order;
    for (const ScreenRow& row : rows) {
        order.push_back(row.id);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"fast", "tieA", "tieB", "slow", "none1", "none2",
                                               "fail1", "fail2"}));
}

// The best method is the shortest payback above zero; a payback a method did not find is an
// empty cell, and a failed row has only its id, state, city and error.
TEST(ScreeningTest, CellsOfPaybacksNotFoundAndOfFailedRows) {
    ScreenRow row = ranked("B,1", 0);
    row.state = "Pennsylvania";
    row.city = "Philadelphia";
    row.methods[0] = method(80, -3.0, 150'000, -1'200.5);
    row.methods[1] = method(110, 6.5, 200'000, 30'769.25);
    row.methods[1].npv = 123'456.5;
    row.methods[1].irr = 0.226;
    row.methods[1].co2ChangeTonnes = -12.5;
    row.methods[2] = method(52, 0.0, 140'000, 0);
    chooseBestMethod(row);
    EXPECT_EQ(row.bestMethod, 2);
    row.methods[1].paybackP10 = 5.25;
    EXPECT_EQ(resultsCsvLine(row),
              "\"B,1\",Pennsylvania,Philadelphia,80,,150000,-1200.5,,,,,,110,6.5,"
              "200000,30769.25,123456.5,0.226,-12.5,5.25,,52,,140000,0,,,,,,2,6.5,\n");
    const nlohmann::json json = nlohmann::json::parse(resultsJsonLine(row));
    EXPECT_EQ(json["method1PaybackYears"], nullptr);
    EXPECT_EQ(json["method2AnnualSavings"], 30769.25);
    EXPECT_EQ(json["method2Irr"], 0.226);
    EXPECT_EQ(json["method3Npv"], nullptr);
    EXPECT_EQ(json["bestMethod"], 2);
    EXPECT_EQ(json["error"], nullptr);

    // The id is UTF-8 as the file gave it; the city, a text of the project, is Windows-1252.
    ScreenRow failed = ranked("Caf\xC3\xA9", 0, true);
    failed.city = "Montr\xE9"
                  "al";
    failed.error = "x.TAV, line 3: \"quoted\"";
    EXPECT_EQ(resultsCsvLine(failed), "Caf\xC3\xA9,,Montr\xC3\xA9"
                                      "al" +
                                          std::string(30, ',') +
                                          "\"x.TAV, line 3: \"\"quoted\"\"\"\n");
    EXPECT_EQ(nlohmann::json::parse(resultsJsonLine(failed))["id"], "Caf\xC3\xA9");
}

// The text of one cell of a sheet's XML, found by its reference: the number or the text.
std::string cellOf(const std::string& xml, const std::string& ref) {
    const std::size_t start = xml.find("<c r=\"" + ref + "\"");
    if (start == std::string::npos) {
        return "(none)";
    }
    const std::size_t end = xml.find("</c>", start);
    const std::string cell = xml.substr(start, end - start);
    for (const auto& [open, close] : {std::pair{"<v>", "</v>"}, std::pair{"<t>", "</t>"}}) {
        const std::size_t at = cell.find(open);
        if (at != std::string::npos) {
            const std::size_t from = at + std::string(open).size();
            return cell.substr(from, cell.find(close, from) - from);
        }
    }
    return "";
}

std::string unzipped(const std::string& archive, const std::string& member) {
    std::string text;
    const std::string command = "unzip -p '" + archive + "' " + member;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, got);
        }
        ::pclose(pipe);
    }
    return text;
}

// The spreadsheet reads back, through its sheet's XML, with the header, the numbers of each
// row in their cells, empty cells where no payback was found, the formats and frozen panes.
TEST(ScreeningTest, SpreadsheetReadsBackWithTheRightCells) {
    ScratchFolder folder;
    const std::string path = (folder.path() / "results.xlsx").string();
    std::string problem;
    std::unique_ptr<ResultWriter> writer = fileResultWriter(path, ResultFileFormat::Xlsx, problem);
    ASSERT_TRUE(writer) << problem;
    std::vector<ScreenRow> rows = screen({kProjects});
    rows.push_back(ranked("broken", 0, true));
    rows.back().error = "broken.TAV, line 2: bad & <worse>";
    // An id beyond Windows-1252 as the file gave it; a text beyond the 32,767 characters of a
    // cell is cut to them (32,766 and the ellipsis) rather than failing the whole file.
    rows.push_back(ranked("\xD0\x94\xD0\xBE\xD0\xBC 1", 0, true));
    rows.back().error = std::string(40'000, 'x');
    for (const ScreenRow& row : rows) {
        writer->write(row);
    }
    ASSERT_EQ(writer->finish(), "");

    const std::string sheet = unzipped(path, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(sheet.empty());
    EXPECT_EQ(cellOf(sheet, "A1"), "id");
    EXPECT_EQ(cellOf(sheet, "E1"), "method1PaybackYears");
    EXPECT_EQ(cellOf(sheet, "H1"), "method1Npv");
    EXPECT_EQ(cellOf(sheet, "AG1"), "error");
    // Row 2 is BackBayLofts, row 3 BayouGardens, row 5 ElmStreetTowers (by name).
    EXPECT_EQ(cellOf(sheet, "A5"), "ElmStreetTowers");
    EXPECT_EQ(cellOf(sheet, "B5"), "Pennsylvania");
    EXPECT_NEAR(std::stod(cellOf(sheet, "D5")), rows[3].methods[0].capacityKW, 1e-9);
    EXPECT_NEAR(std::stod(cellOf(sheet, "E5")), 4.727, 0.001);
    EXPECT_EQ(cellOf(sheet, "M5"), "110");
    EXPECT_EQ(cellOf(sheet, "AE5"), "1");
    // The sample's Method 1 over 20 years at 6 %: a net present value of $417,247.
    EXPECT_NEAR(std::stod(cellOf(sheet, "H5")), 417'247, 15);
    // BayouGardens: Method 2 found no payback, an empty cell.
    EXPECT_EQ(cellOf(sheet, "A3"), "BayouGardens");
    EXPECT_EQ(cellOf(sheet, "N3"), "(none)");
    EXPECT_EQ(cellOf(sheet, "A7"), "broken");
    EXPECT_EQ(cellOf(sheet, "D7"), "(none)");
    EXPECT_EQ(cellOf(sheet, "AG7"), "broken.TAV, line 2: bad &amp; &lt;worse&gt;");
    EXPECT_NE(sheet.find("<pane xSplit=\"1\" ySplit=\"1\" topLeftCell=\"B2\""), std::string::npos);
    EXPECT_EQ(cellOf(sheet, "A8"), "\xD0\x94\xD0\xBE\xD0\xBC 1");
    EXPECT_EQ(cellOf(sheet, "AG8"), std::string(32'766, 'x') + "\xE2\x80\xA6");
    EXPECT_NE(sheet.find("<autoFilter ref=\"A1:AG8\"/>"), std::string::npos);
    const std::string styles = unzipped(path, "xl/styles.xml");
    EXPECT_NE(styles.find("formatCode=\"0.0\""), std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"#,##0\""), std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"0.0%\""), std::string::npos);
}

// A result file that cannot be written says so, and an existing one stays as it was.
TEST(ScreeningTest, AResultFileThatCannotBeWrittenSaysWhy) {
    ScratchFolder folder;
    std::string problem;
    EXPECT_FALSE(fileResultWriter(folder.path().string(), ResultFileFormat::Csv, problem));
    EXPECT_NE(problem.find("Cannot write"), std::string::npos);
    const std::string kept = folder.write("kept.csv", "old");
    std::unique_ptr<ResultWriter> writer =
        fileResultWriter(kept, ResultFileFormat::JsonLines, problem);
    ASSERT_TRUE(writer);
    writer->write(ranked("A", 3));
    EXPECT_EQ(fileText(kept), "old");
    ASSERT_EQ(writer->finish(), "");
    EXPECT_EQ(fileText(kept).substr(0, 8), "{\"id\":\"A");
}

} // namespace
} // namespace plenara
