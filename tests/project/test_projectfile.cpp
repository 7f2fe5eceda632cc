#include "project/projectfile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

namespace plenara {
namespace {

namespace fs = std::filesystem;

const fs::path kProjects = fs::path(PLENARA_TEST_DATA_DIR) / "projects";

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The record that tests/data/projects/known.TAV holds, with its texts as a recalculation
// leaves them.
ProjectInputs knownRecord() {
    ProjectInputs p;
    p.Fuel1Type = "#2 fuel oil";
    p.Fuel1Units = "gallons";
    p.Fuel2Type = "natural gas";
    p.Fuel2Units = "CCF (hundred cu ft)";
    std::istringstream months("68,400 138 $8,058 27,979 $68,548 310 $412 "
                              "67,800 132 $7,980 25,328 $62,053 290 $385 "
                              "57,000 132 $6,709 29,645 $72,630 270 $359 "
                              "56,400 126 $6,638 16,939 $41,500 150 $199 "
                              "57,600 150 $6,674 7,390 $18,105 90 $120 "
                              "117,600 400 $13,842 6,797 $16,992 40 $53 "
                              "138,000 432 $16,242 5,532 $13,553 35 $47 "
                              "136,800 402 $16,101 4,722 $11,569 30 $40 "
                              "90,600 276 $10,663 6,405 $15,692 60 $80 "
                              "61,200 174 $7,203 12,761 $31,264 120 $160 "
                              "63,600 138 $7,486 15,407 $37,747 200 $266 "
                              "69,000 138 $8,121 24,922 $61,059 300 $399");
    for (std::size_t m = 0; m < 12; ++m) {
        months >> p.MonthlyKWh[m] >> p.MonthlyKW[m] >> p.MonthlyPowerBill[m] >> p.MonthlyFuel1[m] >>
            p.MonthlyFuel1Cost[m] >> p.MonthlyFuel2[m] >> p.MonthlyFuel2Cost[m];
    }
    p.EnergyCharge = "$0.0444";
    p.FuelAdjCharge = "$0.0733";
    p.DemandCharge = "$0.00";
    p.StandbyCharge = "$0.00";
    p.GasCost = "$1.3119";
    p.GasCostUnit = GasCostUnit::CCF;
    p.State = "Pennsylvania";
    p.City = "Philadelphia";
    p.HeatedFloorSpace = "98,000";
    p.CooledFloorSpace = "98,000";
    p.Occupants = "200";
    p.InstallationDifficulty = InstallationDifficulty::Typical;
    p.PrimeMover = PrimeMover::Microturbine;
    p.CapacityIteration = "140";
    p.HeatAllocation = HeatAllocation::CoolingPriority;
    p.ACCriteria = "Room AC";
    p.RunTimeFractionText = " 95%";
    p.BoilerEfficiencyText = "78%";
    return p;
}

// A record whose every field differs from the known record, including the lists that a file
// does not store, to show what a read leaves alone.
ProjectInputs otherRecord() {
    ProjectInputs p;
    p.MonthlyKWh.fill("1");
    p.City = "Nowhere";
    p.CityList = {"Albany", "Buffalo"};
    p.Fuel1UnitList = {"thousand pounds"};
    p.HotWaterUsage = HotWaterUsage::High;
    p.WaterHeaterFuel = WaterHeaterFuel::Fuel1;
    p.LaterSettings = {{"Unknown", "1"}};
    p.GasCostUnit.reset();
    return p;
}

// `before` with the stored fields of `stored`: what reading a file of `stored` gives.
ProjectInputs withStoredFields(ProjectInputs before, const ProjectInputs& stored) {
    ProjectInputs expected = stored;
    expected.Fuel1UnitList = before.Fuel1UnitList;
    expected.Fuel2UnitList = before.Fuel2UnitList;
    expected.CityList = before.CityList;
    return expected;
}

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder =
            fs::temp_directory_path() /
            ("plenara-projectfile-" + std::string(info->test_suite_name()) + "-" + info->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // Writes a file of its own name unless told one, so that cases built up front in a
    // table do not overwrite each other.
    std::string write(const std::string& content, std::string name = "") {
        if (name.empty()) {
            name = "p" + std::to_string(++m_files) + ".TAV";
        }
        std::ofstream(m_folder / name, std::ios::binary) << content;
        return (m_folder / name).string();
    }

    // The first `count` lines of the known file.
    std::string knownLines(int count) {
        const std::string text = projectFileText(knownRecord());
        std::size_t end = 0;
        for (int i = 0; i < count; ++i) {
            end = text.find("\r\n", end) + 2;
        }
        return write(text.substr(0, end));
    }

    // The known file with line `number` (1-based) replaced; lines past the end appended.
    std::string knownWithLine(int number, const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(projectFileText(knownRecord()));
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line.substr(0, line.size() - 1));
        }
        lines.resize(std::max<std::size_t>(lines.size(), static_cast<std::size_t>(number)));
        lines[static_cast<std::size_t>(number - 1)] = text;
        std::string content;
        for (const std::string& line : lines) {
            content += line + "\r\n";
        }
        return write(content);
    }

    ProjectInputs read(const std::string& path) {
        ProjectInputs p = otherRecord();
        const FileResult r = ReadProjectFile(path, p);
        EXPECT_TRUE(r.ok()) << r.error;
        return p;
    }

    std::size_t folderEntries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), {}));
    }

    fs::path m_folder;
    int m_files = 0;
};

TEST_F(ProjectFileTest, TheKnownRecordIsWrittenByteForByte) {
    const std::string expected = fileText(kProjects / "known.TAV");
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 21);
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\r'), 21);
    ASSERT_EQ(expected.rfind("\r\n 95%^78%\r\n"), expected.size() - 12);
    EXPECT_EQ(projectFileText(knownRecord()), expected);

    const std::string path = (m_folder / "known.TAV").string();
    ASSERT_TRUE(WriteProjectFile(path, knownRecord()).ok());
    EXPECT_EQ(fileText(path), expected);
    EXPECT_EQ(folderEntries(), 1u) << "no temporary file is left behind";
}

TEST_F(ProjectFileTest, OptionStatesStandInTheOrderOfTheirLine) {
    ProjectInputs p = knownRecord();
    p.GasCostUnit = GasCostUnit::Therms;
    p.InstallationDifficulty = InstallationDifficulty::Retrofit;
    p.PrimeMover.reset();
    p.HeatAllocation = HeatAllocation::HeatingOnly;
    const std::string text = projectFileText(p);
    EXPECT_NE(text.find("\r\nTrue^False^False^False^False\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nFalse^False^False^True\r\nFalse^False^False^False\r\n"
                        "140^False^False^True\r\n"),
              std::string::npos)
        << text;
}

TEST_F(ProjectFileTest, EveryStoredFieldReadsBackAsSaved) {
    const std::string path = (m_folder / "p.TAV").string();
    ProjectInputs saved = knownRecord();
    saved.Fuel2Units = "";
    saved.MonthlyFuel2[3] = "";
    saved.City = " Erie ";
    saved.RunTimeFractionText = "  5%";
    saved.ACCriteria = "Central AC^ with ^ carets";
    ASSERT_TRUE(WriteProjectFile(path, saved).ok());
    EXPECT_EQ(read(path), withStoredFields(otherRecord(), saved));
    EXPECT_EQ(read((kProjects / "known.TAV").string()),
              withStoredFields(otherRecord(), knownRecord()));
}

TEST_F(ProjectFileTest, EveryOptionStateReadsBackIncludingNoneSet) {
    const std::string path = (m_folder / "p.TAV").string();
    for (int i = 0; i <= 5; ++i) {
        ProjectInputs saved = knownRecord();
        const auto pick = [i]<typename E>(OptionGroup<E>& group, int count) {
            group = i < count ? OptionGroup<E>(static_cast<E>(i)) : std::nullopt;
        };
        pick(saved.GasCostUnit, 5);
        pick(saved.InstallationDifficulty, 4);
        pick(saved.PrimeMover, 4);
        pick(saved.HeatAllocation, 3);
        ASSERT_TRUE(WriteProjectFile(path, saved).ok());
        EXPECT_EQ(read(path), withStoredFields(otherRecord(), saved)) << "option " << i;
    }
}

TEST_F(ProjectFileTest, AnOlderFileOfTwentyLinesReads) {
    ProjectInputs before = otherRecord();
    before.HeatAllocation = HeatAllocation::HeatingOnly;
    ProjectInputs p = before;
    ASSERT_TRUE(ReadProjectFile((kProjects / "older.TAV").string(), p).ok());
    EXPECT_EQ(p.Fuel1Type, "natural gas");
    EXPECT_EQ(p.Fuel1UnitList, before.Fuel1UnitList);
    EXPECT_EQ(p.MonthlyKWh[11], "12000");
    EXPECT_EQ(p.MonthlyFuel1Cost[0], "$160");
    EXPECT_EQ(p.MonthlyFuel2Cost[11], "");
    EXPECT_EQ(p.GasCost, "0.9");
    EXPECT_EQ(p.GasCostUnit, GasCostUnit::Therms);
    EXPECT_EQ(p.City, "Buffalo");
    EXPECT_EQ(p.CityList, before.CityList) << "a city outside the list is shown as stored";
    EXPECT_EQ(p.InstallationDifficulty, InstallationDifficulty::Typical);
    EXPECT_EQ(p.PrimeMover, PrimeMover::RecipEngine);
    EXPECT_EQ(p.CapacityIteration, "125");
    EXPECT_EQ(p.HeatAllocation, HeatAllocation::CoolingPriority);
    EXPECT_EQ(p.ACCriteria, "Electric AC");
    EXPECT_EQ(p.RunTimeFractionText, "75%");
    EXPECT_EQ(p.BoilerEfficiencyText, "75%");
    // Line 22 is absent: its settings take their defaults, and a later version's are gone.
    EXPECT_EQ(p.HotWaterUsage, HotWaterUsage::Medium);
    EXPECT_EQ(p.WaterHeaterFuel, WaterHeaterFuel::NaturalGas);
    EXPECT_TRUE(p.LaterSettings.empty());
}

TEST_F(ProjectFileTest, TolerantPartsOfTheFormat) {
    // Line 21 of one field counts as missing; lines after the 22nd are never read.
    EXPECT_EQ(read(knownWithLine(21, "95%")).BoilerEfficiencyText, "75%");
    const ProjectInputs later = read(knownWithLine(23, "anything^at all"));
    EXPECT_EQ(later.RunTimeFractionText, " 95%");
    EXPECT_EQ(read(knownWithLine(22, "")).HotWaterUsage, HotWaterUsage::Medium);

    // Only a line 19 of exactly four fields carries the heating-only state.
    EXPECT_EQ(read(knownWithLine(19, "1^False^False^True")).HeatAllocation,
              HeatAllocation::HeatingOnly);
    EXPECT_EQ(read(knownWithLine(19, "1^False^False^True^x")).HeatAllocation, std::nullopt);
    EXPECT_EQ(read(knownWithLine(19, "1^False^False")).HeatAllocation, std::nullopt);

    // States apply in order: a later state on wins, all off leaves none set.
    EXPECT_EQ(read(knownWithLine(15, "True^True^False^False^False")).GasCostUnit,
              GasCostUnit::Decatherms);
    EXPECT_EQ(read(knownWithLine(15, "False^False^False^False^False")).GasCostUnit, std::nullopt);

    // Line ends of a single LF read alike.
    std::string unix = projectFileText(knownRecord());
    for (std::size_t at; (at = unix.find('\r')) != std::string::npos;) {
        unix.erase(at, 1);
    }
    EXPECT_EQ(read(write(unix)), withStoredFields(otherRecord(), knownRecord()));
}

// Line 22: written only for what differs from its default, in a fixed order, followed by the
// settings of later versions as they were read.
TEST_F(ProjectFileTest, TheSettingsLineRoundTrips) {
    struct Case {
        OptionGroup<HotWaterUsage> usage;
        OptionGroup<WaterHeaterFuel> fuel;
        std::vector<std::pair<std::string, std::string>> later;
        const char* line22; // nullptr: the file has 21 lines
    };
    const Case cases[] = {
        {HotWaterUsage::Medium, WaterHeaterFuel::NaturalGas, {}, nullptr},
        {HotWaterUsage::High, WaterHeaterFuel::NaturalGas, {}, "HotWaterUsage=High"},
        {HotWaterUsage::Low, WaterHeaterFuel::NaturalGas, {}, "HotWaterUsage=Low"},
        {HotWaterUsage::Medium, WaterHeaterFuel::Fuel1, {}, "WaterHeaterFuel=Fuel1"},
        {HotWaterUsage::Low, WaterHeaterFuel::Fuel1, {}, "HotWaterUsage=Low^WaterHeaterFuel=Fuel1"},
        {HotWaterUsage::Medium, WaterHeaterFuel::NaturalGas, {{"Future", "a=b"}}, "Future=a=b"},
        {HotWaterUsage::High,
         WaterHeaterFuel::NaturalGas,
         {{"Zeta", "1"}, {"Alpha", ""}},
         "HotWaterUsage=High^Zeta=1^Alpha="},
    };
    for (const Case& c : cases) {
        ProjectInputs saved = knownRecord();
        saved.HotWaterUsage = c.usage;
        saved.WaterHeaterFuel = c.fuel;
        saved.LaterSettings = c.later;
        const std::string text = projectFileText(saved);
        const std::string known = projectFileText(knownRecord());
        if (c.line22 == nullptr) {
            EXPECT_EQ(text, known);
        } else {
            EXPECT_EQ(text, known + c.line22 + "\r\n");
        }
        EXPECT_EQ(read(write(text)), withStoredFields(otherRecord(), saved))
            << (c.line22 ? c.line22 : "21 lines");
    }

    // Reading: any order, a key given twice takes its later value, keys compare exactly.
    const ProjectInputs p = read(knownWithLine(
        22, "WaterHeaterFuel=Fuel1^hotwaterusage=Low^HotWaterUsage=Low^HotWaterUsage=High^"
            "Future=1^Future=2"));
    EXPECT_EQ(p.HotWaterUsage, HotWaterUsage::High);
    EXPECT_EQ(p.WaterHeaterFuel, WaterHeaterFuel::Fuel1);
    const std::vector<std::pair<std::string, std::string>> later = {{"hotwaterusage", "Low"},
                                                                    {"Future", "2"}};
    EXPECT_EQ(p.LaterSettings, later);
    EXPECT_NE(projectFileText(p).find("\r\nHotWaterUsage=High^WaterHeaterFuel=Fuel1^"
                                      "hotwaterusage=Low^Future=2\r\n"),
              std::string::npos);
}

// The life-cycle inputs on line 22: written only when their value differs from the default,
// in the display pattern of their box, before the settings of later versions; a file without
// them (every file of older versions) reads them as the defaults.
TEST_F(ProjectFileTest, TheLifeCycleSettingsRoundTrip) {
    ProjectInputs saved = knownRecord();
    saved.AnalysisYears = "25";
    saved.DiscountRate = "6"; // the default's value, typed without its decimal
    saved.ElectricEscalation = "3.5";
    saved.FuelEscalation = "-1.0";
    saved.OMEscalation = "2.0";
    saved.CostAdjustment = "-15.0";
    saved.TaxCredit = "30.0";
    saved.RebatePerKW = "$250";
    saved.Grant = "$50,000";
    saved.GridCO2 = GridCO2Basis::Custom;
    saved.GridCO2Custom = "950.0";
    saved.GridLoss = "5.0";
    saved.LaterSettings = {{"Future", "1"}};
    const std::string text = projectFileText(saved);
    EXPECT_EQ(text, projectFileText(knownRecord()) +
                        "AnalysisYears=25^ElectricEscalation=3.5^FuelEscalation=-1.0^"
                        "CostAdjustment=-15.0^TaxCredit=30.0^RebatePerKW=$250^Grant=$50,000^"
                        "GridCO2=Custom^GridCO2Custom=950.0^GridLoss=5.0^Future=1\r\n");
    ProjectInputs expected = withStoredFields(otherRecord(), saved);
    expected.DiscountRate = "6.0"; // not written: read as the default
    EXPECT_EQ(read(write(text)), expected);

    // A value out of range is kept as written; the recalculation shows and uses it clamped.
    const ProjectInputs far = read(knownWithLine(22, "AnalysisYears=99^GridCO2=StateAverage"));
    EXPECT_EQ(far.AnalysisYears, "99");
    EXPECT_EQ(far.GridCO2, GridCO2Basis::StateAverage);

    // The files of older versions, and a project that keeps the defaults, have no such keys.
    ProjectInputs older = otherRecord();
    older.DiscountRate = "9.0";
    older.GridCO2 = GridCO2Basis::Custom;
    ASSERT_TRUE(ReadProjectFile((kProjects / "older.TAV").string(), older).ok());
    EXPECT_EQ(older.DiscountRate, "6.0");
    EXPECT_EQ(older.GridCO2, GridCO2Basis::StateNonBaseload);
    EXPECT_EQ(projectFileText(ProjectInputs()).find("AnalysisYears"), std::string::npos);
}

// The inputs of the "Sensitivity" tab: each written only when it differs from its default,
// kept as typed.
TEST_F(ProjectFileTest, TheSensitivityInputsRoundTripOnLine22) {
    struct Case {
        SensitivityInputs tab;
        const char* line22; // nullptr: the file has 21 lines
    };
    const Case cases[] = {
        {{}, nullptr},
        {{"35", "10", "1000", 2}, "SensitivityPercent=35"},
        {{"20", "7.5", "1000", 2}, "TargetPayback=7.5"},
        {{"20", "10", "2,500", 2}, "MonteCarloDraws=2,500"},
        {{"20", "10", "1000", 3}, "SensitivityMethod=3"},
        {{"12.5%", "8 yrs", "500", 1},
         "SensitivityPercent=12.5%^TargetPayback=8 yrs^MonteCarloDraws=500^SensitivityMethod=1"},
    };
    for (const Case& c : cases) {
        ProjectInputs saved = knownRecord();
        saved.Sensitivity = c.tab;
        const std::string text = projectFileText(saved);
        const std::string known = projectFileText(knownRecord());
        EXPECT_EQ(text, c.line22 ? known + c.line22 + "\r\n" : known);
        EXPECT_EQ(read(write(text)).Sensitivity, c.tab) << (c.line22 ? c.line22 : "21 lines");
    }
    // A file without the keys gives the defaults, whatever the record held before.
    ProjectInputs p = otherRecord();
    p.Sensitivity = {"1", "2", "300", 1};
    ASSERT_TRUE(ReadProjectFile(write(projectFileText(knownRecord())), p).ok());
    EXPECT_EQ(p.Sensitivity, SensitivityInputs{});
}

TEST_F(ProjectFileTest, AByteOrderMarkIsSkipped) {
    const std::string text = projectFileText(knownRecord());
    EXPECT_EQ(read(write("\xEF\xBB\xBF" + text)), withStoredFields(otherRecord(), knownRecord()));
}

TEST_F(ProjectFileTest, TruthValues) {
    const std::pair<const char*, bool> cases[] = {
        {"TRUE", true}, {"tRuE", true}, {"false", false}, {" True ", true},
        {"1", true},    {"-1", true},   {"+2.5", true},   {".5", true},
        {"7.", true},   {"0", false},   {" 0 ", false},   {"-0.00", false}};
    for (const auto& [text, on] : cases) {
        const ProjectInputs p = read(knownWithLine(18, std::string(text) + "^0^0^0"));
        EXPECT_EQ(p.PrimeMover.has_value(), on) << '"' << text << '"';
    }
}

TEST_F(ProjectFileTest, AFileThatCannotBeReadChangesNothing) {
    struct Case {
        const char* name;
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {"missing", (m_folder / "none.TAV").string(), "the file does not exist."},
        {"folder", m_folder.string(), "that name belongs to a folder, not a file."},
        {"empty", write(""),
         "line 1 is missing; the file is empty, and a project file has at least 20 lines."},
        {"12 lines", knownLines(12),
         "line 13 is missing; the file ends after 12 lines, and a project file has at least "
         "20 lines."},
        {"19 lines", knownLines(19), "line 20 is missing; the file ends after 19 lines"},
        {"short garbage", write(std::string("\x89PNG\r\n\x1a\n\0\0", 10)),
         "line 4 is missing; the file ends after 3 lines"},
        {"garbage", write(std::string(30, '\n').insert(0, std::string("\x89PNG\0\xff", 6))),
         "line 1 (the fuels and their units) has 1 field where 4 are needed."},
        {"short month", knownWithLine(4, "1^2^3^4^5^6"),
         "line 4 (the bills of March) has 6 fields where 7 are needed."},
        {"short states", knownWithLine(15, "False^False^False^True"),
         "line 15 (the natural gas units) has 4 fields where 5 option states are needed."},
        {"short line 19", knownWithLine(19, "125^True"),
         "line 19 (the Method 2 capacity and heat allocation) has 2 fields where 3 are needed."},
        {"bad truth", knownWithLine(17, "False^yes^False^False"),
         "line 17 (the installation difficulty), field 2, reads \"yes\" where an option state "
         "is needed (\"True\", \"False\" or a number)."},
        {"exponent", knownWithLine(18, "1e3^0^0^0"), "line 18 (the prime mover), field 1"},
        // A "^" typed into a box shifts every later field of its line; a line with more
        // fields than a project file writes there is refused rather than read shifted.
        {"caret in the city", knownWithLine(16, "Ohio^Akron^1^2^3^extra"),
         "line 16 (the site information) has 6 fields where 5 are written; a \"^\" typed into "
         "a box would shift every field after it."},
        {"long line 1", knownWithLine(1, "a^b^c^d^e"), "line 1 (the fuels and their units) has 5"},
        {"long month", knownWithLine(13, "1^2^3^4^5^6^7^8"),
         "line 13 (the bills of December) has 8"},
        {"long rates", knownWithLine(14, "1^2^3^4^5^6"), "line 14 (the rate data) has 6"},
        {"long states", knownWithLine(18, "1^0^0^0^0"), "line 18 (the prime mover) has 5"},
        {"long line 21", knownWithLine(21, "75%^75%^75%"),
         "line 21 (the run-time fraction and boiler efficiency) has 3 fields where 2"},
        {"setting without =", knownWithLine(22, "HotWaterUsage=Low^anything"),
         "line 22 (the further settings), field 2 reads \"anything\" where a setting key=value "
         "is needed."},
        {"unknown level", knownWithLine(22, "HotWaterUsage=Huge"),
         "line 22 (the further settings), field 1, HotWaterUsage=Huge: the value is none of "
         "Low, Medium or High."},
        {"method of the tornado", knownWithLine(22, "SensitivityMethod=4"),
         "field 1, SensitivityMethod=4: the value is none of 1, 2 or 3."},
        {"values compare exactly", knownWithLine(22, "WaterHeaterFuel=fuel1"),
         "field 1, WaterHeaterFuel=fuel1: the value is none of NaturalGas or Fuel1."},
        {"rate no number", knownWithLine(22, "AnalysisYears=25^DiscountRate=six"),
         "line 22 (the further settings), field 2, DiscountRate=six: the value is no number."},
        {"empty grant", knownWithLine(22, "Grant="), "field 1, Grant=: the value is no number."},
        {"sign where none is taken", knownWithLine(22, "TaxCredit=-5.0"),
         "field 1, TaxCredit=-5.0: the value is no number."},
        {"unknown grid basis", knownWithLine(22, "GridCO2=Marginal"),
         "field 1, GridCO2=Marginal: the value is none of NonBaseload, StateAverage or Custom."},
    };
    for (const Case& c : cases) {
        ProjectInputs p = otherRecord();
        const FileResult r = ReadProjectFile(c.path, p);
        EXPECT_EQ(r.error.rfind("Cannot open \"" + c.path + "\": ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(c.message), std::string::npos) << c.name << ": " << r.error;
        EXPECT_EQ(p, otherRecord()) << c.name;
    }
}

TEST_F(ProjectFileTest, ATextThatWouldNotReadBackIsRefusedAndTheOldFileKept) {
    const std::string path = write("previous");
    struct Case {
        void (*edit)(ProjectInputs&);
        const char* message;
    };
    const Case cases[] = {
        {[](ProjectInputs& p) { p.GasCost = "1^2"; },
         "the text of \"Cost of Natural Gas\" holds a \"^\", which project files use to "
         "separate fields. Remove it and save again."},
        {[](ProjectInputs& p) { p.MonthlyKWh[2] = "^"; }, "\"kWh of March\" holds a \"^\""},
        {[](ProjectInputs& p) { p.MonthlyFuel2Cost[11] = "^"; }, "\"Fuel #2 $ of December\" holds"},
        {[](ProjectInputs& p) { p.Fuel1Type = "oil^"; }, "\"Fuel #1\" holds"},
        {[](ProjectInputs& p) { p.City = "A^B"; }, "\"City\" holds"},
        {[](ProjectInputs& p) { p.CapacityIteration = "^"; }, "\"Method 2 capacity\" holds"},
        {[](ProjectInputs& p) { p.BoilerEfficiencyText = "7^"; },
         "\"Annual Average Boiler Efficiency\" holds"},
        {[](ProjectInputs& p) { p.Occupants = "2\r\n"; },
         "the text of \"Approx. Number of Occupants\" holds a line break, which project files "
         "use to separate lines."},
        {[](ProjectInputs& p) { p.ACCriteria = "Room\nAC"; },
         "\"Air Conditioning Criteria\" holds a line break"},
        {[](ProjectInputs& p) { p.ACCriteria = " Room AC"; },
         "the text of \"Air Conditioning Criteria\" begins with a blank, which a project file "
         "does not keep."},
        {[](ProjectInputs& p) { p.ACCriteria = "Room AC "; }, "ends with a blank"},
    };
    for (const Case& c : cases) {
        ProjectInputs p = knownRecord();
        c.edit(p);
        const FileResult r = WriteProjectFile(path, p);
        EXPECT_EQ(r.error.rfind("Cannot save \"" + path + "\": the text of ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(c.message), std::string::npos) << r.error;
    }
    EXPECT_EQ(fileText(path), "previous");
    EXPECT_EQ(folderEntries(), 1u);
}

TEST_F(ProjectFileTest, AFailedSaveReportsItAndKeepsTheOldFile) {
    const std::string missing = (m_folder / "no such folder" / "p.TAV").string();
    EXPECT_EQ(WriteProjectFile(missing, knownRecord()).error,
              "Cannot save \"" + missing + "\": the folder \"" +
                  (m_folder / "no such folder").string() + "\" does not exist.");

    fs::create_directory(m_folder / "sub");
    EXPECT_EQ(WriteProjectFile((m_folder / "sub").string(), knownRecord()).error,
              "Cannot save \"" + (m_folder / "sub").string() +
                  "\": that name belongs to a folder, not a file.");

    // Read-only by its permissions, which holds for every user, root included.
    const std::string locked = write("locked", "locked.TAV");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(WriteProjectFile(locked, knownRecord()).error,
              "Cannot save \"" + locked + "\": the file is read-only.");
    EXPECT_EQ(fileText(locked), "locked");
    EXPECT_EQ(folderEntries(), 2u);

    // A writable file is replaced, keeping its permissions.
    const std::string open = write("old", "open.TAV");
    fs::permissions(open, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteProjectFile(open, knownRecord()).ok());
    EXPECT_EQ(fileText(open), projectFileText(knownRecord()));
    EXPECT_EQ(fs::status(open).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folderEntries(), 3u);
}

} // namespace
} // namespace plenara
