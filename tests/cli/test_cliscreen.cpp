#include "cli/cliapp.h"
#include "cli/progressbar.h"
#include "clirun.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

const std::string kProjects = std::string(PLENARA_SHIPPED_DATA_DIR) + "/examples/projects";
const std::string kPair = std::string(PLENARA_SHIPPED_DATA_DIR) + "/examples/csv";

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The ids of CSV results, in their order.
std::vector<std::string> idsOf(const std::string& csv) {
    std::vector<std::string> ids;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        ids.push_back(line.substr(0, line.find(',')));
    }
    return ids;
}

class ScreenFolder : public testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("plenara-cli-screen-" +
                    std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }
    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    fs::path m_folder;
};

TEST(CliScreenTest, UsageErrors) {
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"screen"},
          {"screen", kProjects, "--export-csv", "out", "-o", "r.csv"},
          {"screen", kProjects, "--export-csv", "out", "--rank"},
          {"screen", kProjects, "-j", "0"},
          {"screen", kProjects, "--draws", "50"},
          {"screen", kProjects, "--draws", "100", "--export-csv", "out"},
          {"screen", kProjects, "-o", ""},
          // A left-out file name does not take the next option for it.
          {"screen", kProjects, "-o", "--rank"},
          {"screen", kProjects, "--xlsx", "-j", "2"},
          {"screen", kProjects, "--no-such-option"},
          // An input named twice would fail each building as a copy of itself.
          {"screen", kProjects, kProjects + "/"},
          {"screen", kPair + "/buildings.csv", kPair + "/buildings.csv"},
          // So would a file beside the folder that screens it.
          {"screen", kPair, kPair + "/buildings.csv", kPair + "/bills.csv"},
          {"screen", kProjects + "/ElmStreetTowers.TAV", kProjects},
          {"screen", kProjects, "--xlsx", "-"},
          {"screen", kProjects, "-o", "-", "--jsonl", "-"},
          {"--sample", "screen", kProjects}}) {
        const CliRun r = run(bad);
        EXPECT_EQ(r.status, 2) << bad.back();
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("Usage: plenara-cli screen"), std::string::npos) << r.err;
    }
    EXPECT_EQ(
        run({"screen", kProjects, kProjects + "/BayouGardens.TAV"})
            .err.rfind(
                "plenara-cli: the INPUTs '" + kProjects + "' and '" + kProjects +
                    "/BayouGardens.TAV' screen the same files: one is a folder that holds the "
                    "other; name each input once",
                0),
        0u);
    const CliRun help = run({"screen", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: plenara-cli screen INPUT...", 0), 0u);
}

// Without an output file the CSV goes to standard output, a row per building in the order of
// the inputs; the summary line ends the run on standard error.
TEST(CliScreenTest, CsvOnStandardOutputAndASummary) {
    const CliRun r = run({"screen", kProjects});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "id,state,city,method1CapacityKW,method1PaybackYears,method1InstalledCost,"
              "method1AnnualSavings,method1Npv,method1Irr,method1Co2ChangeTonnes,"
              "method1PaybackP10,method1PaybackP90,method2CapacityKW,method2PaybackYears,"
              "method2InstalledCost,method2AnnualSavings,method2Npv,method2Irr,"
              "method2Co2ChangeTonnes,method2PaybackP10,method2PaybackP90,method3CapacityKW,"
              "method3PaybackYears,method3InstalledCost,method3AnnualSavings,method3Npv,"
              "method3Irr,method3Co2ChangeTonnes,method3PaybackP10,method3PaybackP90,bestMethod,"
              "bestPaybackYears,error");
    EXPECT_EQ(idsOf(r.out), (std::vector<std::string>{"BackBayLofts", "BayouGardens", "DesertPalms",
                                                      "ElmStreetTowers", "LakeshoreApartments"}));
    EXPECT_TRUE(std::regex_match(r.err, std::regex("plenara-cli: screened 5 buildings, 0 failed, "
                                                   "in [0-9]+\\.[0-9]{2} s \\([0-9]+ "
                                                   "buildings/s\\)\n")))
        << r.err;
    // The CSV pair holds the same buildings.
    EXPECT_EQ(run({"screen", kPair}).out, r.out);
}

TEST_F(ScreenFolder, AFailedBuildingGivesStatusOneAndTheOthersAreScreened) {
    std::ofstream(path("BROKEN.TAV")) << "not a project\r\n";
    const CliRun r = run({"screen", path("BROKEN.TAV"), kProjects + "/ElmStreetTowers.TAV"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(idsOf(r.out), (std::vector<std::string>{"BROKEN", "ElmStreetTowers"}));
    EXPECT_NE(r.out.find("\"Cannot open \"\"" + path("BROKEN.TAV") + "\"\": line 2 is missing"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err.rfind("plenara-cli: screened 1 building, 1 failed, in ", 0), 0u) << r.err;
}

// Files of every format, the same bytes with one thread or two; ranked by the best payback.
TEST_F(ScreenFolder, OutputFilesThreadsAndRanking) {
    const CliRun one = run({"screen", kProjects, kPair, "-j", "1", "-o", path("one.csv"), "--jsonl",
                            path("one.jsonl"), "--xlsx", path("one.xlsx")});
    EXPECT_EQ(one.status, 1); // the pair repeats the ids of the project files
    EXPECT_TRUE(one.out.empty());
    const CliRun two = run({"screen", kProjects, kPair, "-j", "2", "-o", path("two.csv"), "--jsonl",
                            path("two.jsonl")});
    EXPECT_EQ(fileText(path("one.csv")), fileText(path("two.csv")));
    EXPECT_EQ(fileText(path("one.jsonl")), fileText(path("two.jsonl")));
    EXPECT_EQ(idsOf(fileText(path("one.csv"))).size(), 10u);
    EXPECT_TRUE(fs::file_size(path("one.xlsx")) > 0);

    // BackBayLofts pays back in 3.9 years (Method 2), ElmStreetTowers in 4.7, Lakeshore in
    // 4.9, DesertPalms in 10.4 and BayouGardens in 15.5 (Method 1).
    const CliRun ranked = run({"screen", kPair, kProjects + "/ElmStreetTowers.TAV", "--rank"});
    EXPECT_EQ(idsOf(ranked.out),
              (std::vector<std::string>{"BackBayLofts", "ElmStreetTowers", "LakeshoreApartments",
                                        "DesertPalms", "BayouGardens", "ElmStreetTowers"}));
}

// "-" is standard output; a device is refused, as the safe writer replaces files only, with a
// message that says what to give instead.
TEST_F(ScreenFolder, StandardOutputAsAnOutputFile) {
    const std::string elm = kProjects + "/ElmStreetTowers.TAV";
    const CliRun plain = run({"screen", elm});
    const CliRun dash = run({"screen", elm, "-o", "-"});
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.out, plain.out);
    const CliRun jsonl = run({"screen", elm, "--jsonl", "-", "-o", path("r.csv")});
    EXPECT_EQ(jsonl.status, 0) << jsonl.err;
    EXPECT_EQ(jsonl.out.rfind("{\"id\":\"ElmStreetTowers\"", 0), 0u) << jsonl.out;
    EXPECT_EQ(fileText(path("r.csv")), plain.out);
    EXPECT_FALSE(fs::exists("-"));
    const CliRun device = run({"screen", elm, "-o", "/dev/null"});
    EXPECT_EQ(device.status, 1);
    EXPECT_NE(device.err.find("not a plain file"), std::string::npos) << device.err;
    EXPECT_NE(device.err.find("Give - for standard output"), std::string::npos) << device.err;
}

// More threads than the machine allows run on those it has, silently, to the same rows.
TEST(CliScreenTest, MoreThreadsThanCoresWithoutAWarning) {
    const std::string command = std::string("'") + PLENARA_CLI_PROGRAM + "' screen '" + kProjects +
                                "' -j 1024 --climate '" + PLENARA_SHIPPED_DATA_DIR +
                                "/ClimateData.Dat' --emission-data '" + PLENARA_SHIPPED_DATA_DIR +
                                "' 2>&1 >/dev/null";
    const std::string err = commandOutput(command);
    EXPECT_EQ(err.find("TBB"), std::string::npos) << err;
    EXPECT_NE(err.find("screened 5 buildings, 0 failed"), std::string::npos) << err;
}

// --draws adds the spread of each payback; the other figures stay as they are.
TEST(CliScreenTest, DrawsGiveTheSpreadOfThePaybacks) {
    const std::string lakeshore = kProjects + "/LakeshoreApartments.TAV";
    const CliRun plain = run({"screen", lakeshore});
    const CliRun drawn = run({"screen", lakeshore, "--draws", "100", "-j", "2"});
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    const auto cells = [](const std::string& line) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, ',');) {
            fields.push_back(field);
        }
        return fields;
    };
    std::istringstream plainLines(plain.out);
    std::istringstream drawnLines(drawn.out);
    std::string header;
    std::string plainRow;
    std::string drawnRow;
    std::getline(plainLines, header);
    std::getline(plainLines, plainRow);
    std::getline(drawnLines, drawnRow);
    std::getline(drawnLines, drawnRow);
    const std::vector<std::string> names = cells(header);
    const std::vector<std::string> before = cells(plainRow + ",");
    const std::vector<std::string> after = cells(drawnRow + ",");
    ASSERT_EQ(before.size(), names.size());
    ASSERT_EQ(after.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool spread = names[i].ends_with("P10") || names[i].ends_with("P90");
        if (spread) {
            EXPECT_EQ(before[i], "") << names[i];
            EXPECT_NE(after[i], "") << names[i];
        } else {
            EXPECT_EQ(after[i], before[i]) << names[i];
        }
    }
}

// A project, or a folder of them, exported as a CSV pair screens to the same results.
TEST_F(ScreenFolder, ExportedProjectsScreenAlike) {
    const CliRun single =
        run({kProjects + "/LakeshoreApartments.TAV", "--export-csv", path("single")});
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_TRUE(single.out.empty());
    EXPECT_EQ(run({"screen", path("single")}).out,
              run({"screen", kProjects + "/LakeshoreApartments.TAV"}).out);

    const CliRun folder = run({"screen", kProjects, "--export-csv", path("all")});
    ASSERT_EQ(folder.status, 0) << folder.err;
    EXPECT_EQ(folder.err.rfind("plenara-cli: exported 5 buildings, 0 failed", 0), 0u);
    EXPECT_EQ(fileText(path("all/buildings.csv")), fileText(kPair + "/buildings.csv"));
    EXPECT_EQ(fileText(path("all/bills.csv")), fileText(kPair + "/bills.csv"));
    EXPECT_EQ(run({"screen", path("all")}).out, run({"screen", kProjects}).out);

    // Percentages are exported with their sign: a project reads "80" as 80 % and "0.8" as
    // 0.8 %, where a cell "0.8" would be 80 %.
    const std::string lakeshore = fileText(kProjects + "/LakeshoreApartments.TAV");
    const auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = lakeshore;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    fs::create_directories(path("percent"));
    std::ofstream(path("percent/Whole.TAV"), std::ios::binary) << edited("80%^78%", "80^72");
    std::ofstream(path("percent/Fraction.TAV"), std::ios::binary) << edited("80%^78%", "0.8^72");
    const CliRun percent = run({"screen", path("percent"), "--export-csv", path("percentCsv")});
    ASSERT_EQ(percent.status, 0) << percent.err;
    const CliRun fromProjects = run({"screen", path("percent")});
    const CliRun fromPair = run({"screen", path("percentCsv")});
    EXPECT_EQ(fromPair.status, 0) << fromPair.err;
    EXPECT_EQ(fromPair.out, fromProjects.out);

    // A row that the pair would fail is not exported: the export fails it, naming the file.
    fs::create_directories(path("odd"));
    std::ofstream(path("odd/OtherState.TAV"), std::ios::binary)
        << edited("Illinois^Chicago", "Ohio^Philadelphia");
    std::ofstream(path("odd/Coal.TAV"), std::ios::binary)
        << edited("natural gas^therms", "Coal^tons");
    ASSERT_EQ(run({"screen", path("odd")}).status, 0);
    const CliRun odd = run({"screen", path("odd"), "--export-csv", path("oddCsv")});
    EXPECT_EQ(odd.status, 1);
    EXPECT_NE(odd.err.find(path("odd/OtherState.TAV") +
                           ": not exported, as buildings.csv would not screen it: "
                           "\"Philadelphia\" is no city of \"Ohio\" in the climate data"),
              std::string::npos)
        << odd.err;
    EXPECT_NE(odd.err.find(path("odd/Coal.TAV") + ": not exported, as buildings.csv would not "
                                                  "screen it: column fuel1Type: \"Coal\""),
              std::string::npos)
        << odd.err;
    EXPECT_NE(odd.err.find("exported 0 buildings, 2 failed"), std::string::npos) << odd.err;
    const CliRun oneOdd = run({path("odd/OtherState.TAV"), "--export-csv", path("oneOddCsv")});
    EXPECT_EQ(oneOdd.status, 1);
    EXPECT_NE(oneOdd.err.find("not exported"), std::string::npos) << oneOdd.err;
    EXPECT_FALSE(fs::exists(path("oneOddCsv/buildings.csv")));
}

TEST(ProgressBarTest, PartRateAndTimeLeft) {
    EXPECT_EQ(ProgressBar::line(0.0, 0, 0.0),
              "[........................]   0%  0 buildings  0/s  --:-- left");
    // A quarter in 30 s: 90 s left; 12,000 buildings in 30 s is 400 a second.
    EXPECT_EQ(ProgressBar::line(0.25, 12000, 30.0),
              "[######..................]  25%  12000 buildings  400/s  1:30 left");
    EXPECT_EQ(ProgressBar::line(0.5, 1000, 3700.0),
              "[############............]  50%  1000 buildings  0/s  1:01:40 left");
    EXPECT_EQ(ProgressBar::line(1.0, 5, 1.0),
              "[########################] 100%  5 buildings  5/s  0:00 left");
}

} // namespace
} // namespace plenara
