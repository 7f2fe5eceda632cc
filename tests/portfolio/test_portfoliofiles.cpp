#include "climate/climatedata.h"
#include "fileio/regularfile.h"
#include "portfolio/billsimport.h"
#include "portfolio/buildingcolumns.h"
#include "portfolio/portfolioexport.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/portfolioscreen.h"
#include "portfolio/screenrow.h"
#include "portfoliotestsupport.h"
#include "project/projectfile.h"

#include <sstream>
#include <vector>

#include <gtest/gtest.h>

namespace plenara {
namespace {

// The sample building's bills, January to December: kWh, kW, electric bill, gallons of #2 oil
// and their cost.
const char* const kSampleMonths[12] = {
    "68400,138,8058,27979,68548",  "67800,132,7980,25328,62053",  "57000,132,6709,29645,72630",
    "56400,126,6638,16939,41500",  "57600,150,6674,7390,18105",   "117600,400,13842,6797,16992",
    "138000,432,16242,5532,13553", "136800,402,16101,4722,11569", "90600,276,10663,6405,15692",
    "61200,174,7203,12761,31264",  "63600,138,7486,15407,37747",  "69000,138,8121,24922,61059"};

// The rows of bills.csv of one building with the sample's bills, for the given months (1-12).
std::string bills(const std::string& id,
                  std::vector<int> months = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                  char delimiter = ',') {
    std::string rows;
    for (const int m : months) {
        std::string row = id + "," + std::to_string(m) + "," + kSampleMonths[m - 1] + ",,\n";
        if (delimiter != ',') {
            std::replace(row.begin(), row.end(), ',', delimiter);
        }
        rows += row;
    }
    return rows;
}

std::string semicolons(std::string text) {
    std::replace(text.begin(), text.end(), ',', ';');
    return text;
}

const std::vector<int> kAllMonths = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

const std::string kBillsHeader =
    "id,month,kWh,kW,electricCost,fuel1Quantity,fuel1Cost,fuel2Quantity,fuel2Cost\n";
const std::string kSampleColumns =
    "fuel1Type,fuel1Units,energyCharge,fuelAdjCharge,gasCost,gasCostUnit,state,city,"
    "heatedFloorSpace,cooledFloorSpace,occupants,hotWaterUsage";
const std::string kSampleValues =
    "#2 fuel oil,gallons,0.0444,0.0733,1.3119,CCF,Pennsylvania,Philadelphia,98000,98000,200,Low";

struct Outcome {
    std::string id;
    std::string error; // "{dir}" stands for the folder of the files
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "{" << o.id << ": " << o.error << "}";
}

struct ScreenCase {
    const char* name;
    std::string buildings; // empty: no buildings.csv
    std::string billsFile; // empty: no bills.csv
    std::vector<Outcome> outcomes;
    std::vector<std::string> notes;
    // Method 1's payback of the buildings screened: the sample's 4.7 years where they have
    // its rates, none where the rates are left out (nothing to save on).
    double method1Payback = 4.7;
    // "state|city" of each failed row, where a case asks for them.
    std::vector<std::string> failedPlaces = {};
};

// A bills.csv sorted by month, then by id: the rows of each building stand twelve apart.
std::string billsByMonth(const std::vector<std::string>& ids) {
    std::string rows;
    for (const int m : kAllMonths) {
        for (const std::string& id : ids) {
            rows += bills(id, {m});
        }
    }
    return rows;
}

void PrintTo(const ScreenCase& c, std::ostream* out) {
    *out << c.name;
}

class BadInputTest : public testing::TestWithParam<ScreenCase> {};

std::string withFolder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
        text.replace(at, 5, folder);
    }
    return text;
}

// Every building gets its row; a bad one fails with a message that names the file and the
// line, and the others are screened.
TEST_P(BadInputTest, FailsTheBuildingAndScreensTheOthers) {
    const ScreenCase& c = GetParam();
    ScratchFolder folder;
    if (!c.buildings.empty()) {
        folder.write("buildings.csv", c.buildings);
    }
    if (!c.billsFile.empty()) {
        folder.write("bills.csv", c.billsFile);
    }
    PortfolioReader reader({folder.path().string()}, climate());
    std::vector<Outcome> outcomes;
    std::vector<std::string> failedPlaces;
    screenPortfolio(reader, climate(), emissions(), ScreenSettings{1, 2, nullptr, 0},
                    [&](const ScreenRow& row) {
                        outcomes.push_back({row.id, row.error});
                        if (row.failed()) {
                            failedPlaces.push_back(row.state + "|" + row.city);
                        }
                        if (!row.failed()) {
                            EXPECT_NEAR(row.methods[0].paybackYears, c.method1Payback, 0.05)
                                << row.id;
                        }
                    });
    const std::string shown = shownPath(folder.path().string());
    std::vector<Outcome> expected;
    for (const Outcome& o : c.outcomes) {
        expected.push_back({o.id, withFolder(o.error, shown)});
    }
    EXPECT_EQ(outcomes, expected);
    if (!c.failedPlaces.empty()) {
        EXPECT_EQ(failedPlaces, c.failedPlaces);
    }
    std::vector<std::string> notes;
    for (const std::string& note : c.notes) {
        notes.push_back(withFolder(note, shown));
    }
    EXPECT_EQ(reader.takeNotes(), notes);
}

const std::string kHeader = "id," + kSampleColumns + "\n";

// bills.csv of one building with the sample's bills and no fuel #2 columns, but one misnamed.
std::string billsWithoutFuel2(const std::string& id) {
    std::string rows = bills(id);
    for (std::size_t at = rows.find(",,\n"); at != std::string::npos; at = rows.find(",,\n", at)) {
        rows.replace(at, 3, ",0\n");
    }
    return "id,month,kWh,kW,electricCost,fuel1Quantity,fuel1Cost,fuel2Qty\n" + rows;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInputTest,
    testing::Values(
        ScreenCase{"Good",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + bills("A") + bills("B"),
                   {{"A", ""}, {"B", ""}},
                   {}},
        // A column left out takes the value of a new project.
        ScreenCase{"MissingColumn",
                   "id,fuel1Type,fuel1Units,energyCharge,fuelAdjCharge,gasCost,gasCostUnit,state,"
                   "city\nA,#2 fuel oil,gallons,0.0444,0.0733,1.3119,CCF,Pennsylvania,"
                   "Philadelphia\n",
                   kBillsHeader + bills("A"),
                   {{"A", ""}},
                   {}},
        ScreenCase{"BadNumber",
                   kHeader + "A," + kSampleValues + "\nB," +
                       "#2 fuel oil,gallons,0.0x44,0.0733,1.3119,CCF,Pennsylvania,Philadelphia,"
                       "98000,98000,200,Low\n",
                   kBillsHeader + bills("A") + bills("B"),
                   {{"A", ""},
                    {"B", "{dir}/buildings.csv, line 3, column energyCharge: \"0.0x44\" is no "
                          "number."}},
                   {}},
        ScreenCase{"BadNumberInTheBills",
                   kHeader + "A," + kSampleValues + "\n",
                   kBillsHeader + bills("A", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) +
                       "A,12,69000,-138,8121,24922,61059,,\n",
                   {{"A", "{dir}/bills.csv, line 13, column kW: \"-138\" is below zero, which "
                          "no input can be."}},
                   {}},
        ScreenCase{"UnknownCity",
                   kHeader + "A,#2 fuel oil,gallons,0.0444,0.0733,1.3119,CCF,Illinois,Springfeld,"
                             "98000,98000,200,Low\n",
                   kBillsHeader + bills("A"),
                   {{"A", "{dir}/buildings.csv, line 2, column city: \"Springfeld\" is no city of "
                          "\"Illinois\" in the climate data."}},
                   {}},
        // A row names a city of its own state; a city of another state, or one left to
        // the new project's Albany (New York) by a missing column, would screen with
        // the wrong climate and grid.
        ScreenCase{"CityOfAnotherState",
                   "id,state,city\nA,Massachusetts,Houston\nB,Narnia,Houston\n",
                   kBillsHeader + bills("A") + bills("B"),
                   {{"A", "{dir}/buildings.csv, line 2, column city: \"Houston\" is no city of "
                          "\"Massachusetts\" in the climate data."},
                    {"B", "{dir}/buildings.csv, line 3, column state: \"Narnia\" is no state of "
                          "the climate data."}},
                   {}},
        ScreenCase{"NoCityColumn",
                   "id,state\nA,Massachusetts\n",
                   kBillsHeader + bills("A"),
                   {{"A", "{dir}/buildings.csv, line 2: \"Albany\" (the city of a new project: "
                          "the file has no column city) is no city of \"Massachusetts\" in the "
                          "climate data."}},
                   {}},
        ScreenCase{"NoStateColumn",
                   "id,city\nA,Houston\nB,Buffalo\n",
                   kBillsHeader + bills("A") + bills("B"),
                   {{"A", "{dir}/buildings.csv, line 2, column city: \"Houston\" is no city of "
                          "\"New York\" (the state of a new project: the file has no column "
                          "state) in the climate data."},
                    {"B", ""}},
                   {},
                   0.0},
        ScreenCase{"UnknownOption",
                   "id,primeMover\nA,Steam engine\n",
                   kBillsHeader + bills("A"),
                   {{"A", "{dir}/buildings.csv, line 2, column primeMover: \"Steam engine\" is "
                          "none of RecipEngine, GasTurbine, Microturbine or FuelCell (or None)."}},
                   {}},
        // A fuel that the bills give quantities of must be one whose heat per unit is
        // known, in one of its units; an unused second fuel may be named anyhow.
        ScreenCase{"FuelsNotInTheLists",
                   "id,state,city,fuel1Type,fuel1Units,fuel2Type,fuel2Units\n"
                   "A,Pennsylvania,Philadelphia,coal,tons,,\n"
                   "B,Pennsylvania,Philadelphia,#2 fuel oil,barrels,,\n"
                   "C,Pennsylvania,Philadelphia,Natural Gas,THERMS,wood,cords\n",
                   kBillsHeader + bills("A") + bills("B") + bills("C"),
                   {{"A", "{dir}/buildings.csv, line 2, column fuel1Type: \"coal\" is none of "
                          "natural gas, #2 fuel oil, #4 fuel oil, #6 fuel oil or steam, whose heat "
                          "per unit is known, and the bills give quantities of it."},
                    {"B", "{dir}/buildings.csv, line 3, column fuel1Units: \"barrels\" is none of "
                          "the units of #2 fuel oil (gallons)."},
                    {"C", ""}},
                   {},
                   0.0},
        // Numbers outside the range of their box fail the building, as a percentage
        // above 100 % does; the window would use them clamped.
        ScreenCase{
            "NumbersOutOfRange",
            "id,state,city,analysisYears,sensitivityPercent,electricEscalation,"
            "heatedFloorSpace\n"
            "A,Pennsylvania,Philadelphia,99,,,\n"
            "B,Pennsylvania,Philadelphia,,95,,\n"
            "C,Pennsylvania,Philadelphia,,,-15,\n"
            "D,Pennsylvania,Philadelphia,,,," +
                std::string(400, '9') +
                "\n"
                "E,Pennsylvania,Philadelphia,40,90,-10,1e308\n"
                "F,Pennsylvania,Philadelphia,1,0,20,98000\n",
            kBillsHeader + bills("A") + bills("B") + bills("C") + bills("D") + bills("E") +
                bills("F"),
            {{"A", "{dir}/buildings.csv, line 2, column analysisYears: \"99\" is not within "
                   "1 to 40."},
             {"B", "{dir}/buildings.csv, line 3, column sensitivityPercent: \"95\" is not "
                   "within 0 to 90."},
             {"C", "{dir}/buildings.csv, line 4, column electricEscalation: \"-15\" is not "
                   "within -10 to 20."},
             {"D", "{dir}/buildings.csv, line 5, column heatedFloorSpace: \"" +
                       std::string(40, '9') + "...\" has too many digits to be read as a number."},
             {"E", "{dir}/buildings.csv, line 6, column heatedFloorSpace: \"1e308\" is no "
                   "number."},
             {"F", ""}},
            {},
            0.0},
        ScreenCase{"BadLifeCycleValue",
                   "id,state,city,discountRate\nA,Pennsylvania,Philadelphia,abc\n",
                   kBillsHeader + bills("A"),
                   {{"A", "{dir}/buildings.csv, line 2, column discountRate: \"abc\" is no "
                          "number."}},
                   {}},
        ScreenCase{"ElevenMonths",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + bills("A") + bills("B", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
                   {{"A", ""},
                    {"B", "{dir}/bills.csv gives 11 months of bills (lines 14 to 24); December "
                          "is missing."}},
                   {}},
        ScreenCase{"MonthTwice",
                   kHeader + "A," + kSampleValues + "\n",
                   kBillsHeader + bills("A", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}),
                   {{"A", "{dir}/bills.csv, line 13: January is given twice (first on line 2)."}},
                   {}},
        ScreenCase{"NoSuchMonth",
                   kHeader + "A," + kSampleValues + "\n",
                   kBillsHeader + bills("A", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) +
                       "A,13,69000,138,8121,24922,61059,,\n",
                   {{"A", "{dir}/bills.csv, line 13, column month: \"13\" is no month (1 to "
                          "12)."}},
                   {}},
        ScreenCase{"DuplicateIds",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\nA," +
                       kSampleValues + "\n",
                   kBillsHeader + bills("A") + bills("B"),
                   {{"A", ""},
                    {"B", ""},
                    {"A", "{dir}/buildings.csv, line 4: the id \"A\" is given before, in "
                          "{dir}/buildings.csv, line 2; each building needs an id of its own."}},
                   {}},
        // Quoted, a number may group its thousands with commas; unquoted, the comma splits it.
        ScreenCase{"QuotedFieldsWithCommas",
                   "id,state,city,heatedFloorSpace,acCriteria\n"
                   "\"Smith, John\",Pennsylvania,Philadelphia,\"98,000\",\"Central AC\"\n"
                   "B,Pennsylvania,Philadelphia,98,000,Central AC\n",
                   kBillsHeader + bills("\"Smith, John\"") + bills("B"),
                   {{"Smith, John", ""},
                    {"B", "{dir}/buildings.csv, line 3 has 6 fields where the header names 5 (is "
                          "a comma inside a number or text not quoted?)."}},
                   {},
                   0.0},
        // A spreadsheet that writes the decimal comma separates by semicolons and saves in
        // Windows-1252; a decimal comma in a number is refused rather than read as thousands.
        ScreenCase{
            "SemicolonsInWindows1252",
            semicolons(kHeader) + semicolons("Caf\xE9," + kSampleValues + "\n") +
                "Cr\xEApe;#2 fuel oil;gallons;0,0444;0.0733;1.3119;CCF;Pennsylvania;"
                "Philadelphia;98000;98000;200;Low\n",
            semicolons(kBillsHeader) + bills("Caf\xE9", kAllMonths, ';') +
                bills("Cr\xEApe", kAllMonths, ';'),
            {{"Caf\xC3\xA9", ""},
             {"Cr\xC3\xAApe", "{dir}/buildings.csv, line 3, column energyCharge: \"0,0444\" is "
                              "no number (the decimal mark is a point; a comma only groups "
                              "thousands)."}},
            {}},
        // Ids are kept as the file gives them, in UTF-8: "Дом 1" and "Сад 1" are two
        // buildings, although Windows-1252, the text of a project, holds neither. A
        // cell in a message is shown as it stands, a city of Tokyo too.
        ScreenCase{"IdsBeyondWindows1252",
                   kHeader + "\xD0\x94\xD0\xBE\xD0\xBC 1," + kSampleValues +
                       "\n\xD0\xA1\xD0\xB0\xD0\xB4 1," + kSampleValues +
                       "\n\xE6\x9D\xB1\xE4\xBA\xAC,#2 fuel "
                       "oil,gallons,0.0444,0.0733,1.3119,CCF,"
                       "Pennsylvania,\xE6\x9D\xB1\xE4\xBA\xAC,98000,98000,200,Low\n",
                   kBillsHeader + bills("\xD0\x94\xD0\xBE\xD0\xBC 1") +
                       bills("\xD0\xA1\xD0\xB0\xD0\xB4 1") + bills("\xE6\x9D\xB1\xE4\xBA\xAC"),
                   {{"\xD0\x94\xD0\xBE\xD0\xBC 1", ""},
                    {"\xD0\xA1\xD0\xB0\xD0\xB4 1", ""},
                    {"\xE6\x9D\xB1\xE4\xBA\xAC", "{dir}/buildings.csv, line 4, column city: "
                                                 "\"\xE6\x9D\xB1\xE4\xBA\xAC\" is no "
                                                 "city of \"Pennsylvania\" in the climate data."}},
                   {}},
        // A quotation mark never closed would take the rest of the file as one id; the
        // buildings before it are screened.
        ScreenCase{"QuoteNeverClosed",
                   kHeader + "A," + kSampleValues + "\n\"B," + kSampleValues + "\nC," +
                       kSampleValues + "\n",
                   kBillsHeader + bills("A") + bills("C"),
                   {{"A", ""},
                    {"buildings", "{dir}/buildings.csv: a quotation mark opened on line 3 is never "
                                  "closed."}},
                   {"{dir}/bills.csv: bills that were not used, of an id that no row of "
                    "{dir}/buildings.csv has (or rows apart from the others of their "
                    "building): "
                    "\"C\" (line 14)."}},
        // The id of a failed row is cut short: a garbage row must not make a cell of a
        // spreadsheet or a line of a terminal of a hundred thousand characters.
        ScreenCase{"LongIdOfAFailedRow",
                   kHeader + "\"" + std::string(300, 'x') + "\",Pennsylvania\n",
                   kBillsHeader + bills("A"),
                   {{std::string(200, 'x') + "\xE2\x80\xA6",
                     "{dir}/buildings.csv, line 2 has 2 fields where the header names 13 (is "
                     "a "
                     "comma inside a number or text not quoted?)."}},
                   {"{dir}/bills.csv: bills that were not used, of an id that no row of "
                    "{dir}/buildings.csv has (or rows apart from the others of their "
                    "building): "
                    "\"A\" (line 2)."}},
        // The bills need not follow the order of the buildings, nor stand by building, as long
        // as the rows of one building stand together.
        ScreenCase{"BillsInAnotherOrder",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + bills("B") + bills("A"),
                   {{"A", ""}, {"B", ""}},
                   {}},
        // The rows of a building may stand apart, in a file sorted by month too; a month
        // given twice fails it wherever the second stands.
        ScreenCase{"RowsApart",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + bills("A", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}) + bills("B") +
                       bills("A", {12}),
                   {{"A", ""}, {"B", ""}},
                   {}},
        ScreenCase{"BillsSortedByMonth",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + billsByMonth({"A", "B"}),
                   {{"A", ""}, {"B", ""}},
                   {}},
        ScreenCase{"MonthTwiceApart",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + bills("B") + bills("A") + bills("A", {1}),
                   {{"A", "{dir}/bills.csv, line 26: January is given twice (first on line 14)."},
                    {"B", ""}},
                   {}},
        // Rows of commas alone, as spreadsheets leave below their data, are no rows.
        ScreenCase{"RowsOfDelimitersAlone",
                   kHeader + "A," + kSampleValues + "\n,,,,,,,,,,,,\n,,\n",
                   kBillsHeader + bills("A") + ",,,,,,,,\n",
                   {{"A", ""}},
                   {}},
        // A row cut short shows the state and city it gives, not those of a new project.
        ScreenCase{"FewerFieldsThanTheHeader",
                   "id,heatedFloorSpace,state,city\nA,98000\nB,98000,Ohio\n",
                   kBillsHeader + bills("A") + bills("B"),
                   {{"A", "{dir}/buildings.csv, line 2 has 2 fields where the header names 4 (is "
                          "a comma inside a number or text not quoted?)."},
                    {"B", "{dir}/buildings.csv, line 3 has 3 fields where the header names 4 (is "
                          "a comma inside a number or text not quoted?)."}},
                   {},
                   0.0,
                   {"|", "Ohio|"}},
        ScreenCase{"BillsOfNoBuilding",
                   kHeader + "A," + kSampleValues + "\n",
                   kBillsHeader + bills("A") + bills("Z") + bills("Y"),
                   {{"A", ""}},
                   {"{dir}/bills.csv: bills that were not used, of 2 ids that no row of "
                    "{dir}/buildings.csv has (or rows apart from the others of their building): "
                    "\"Z\" (line 14), \"Y\" (line 26)."}},
        ScreenCase{"NoBills",
                   kHeader + "A," + kSampleValues + "\nB," + kSampleValues + "\n",
                   kBillsHeader + bills("B"),
                   {{"A", "{dir}/bills.csv holds no bills of \"A\"."}, {"B", ""}},
                   {}},
        ScreenCase{"NoBillsFile",
                   kHeader + "A," + kSampleValues + "\n",
                   "",
                   {{"A", "Cannot read \"{dir}/bills.csv\": the file does not exist."}},
                   {}},
        ScreenCase{"NoIdColumn",
                   "state,city\nPennsylvania,Philadelphia\n",
                   kBillsHeader + bills("A"),
                   {{"buildings", "{dir}/buildings.csv, line 1: the header names no column "
                                  "\"id\", which tells the buildings apart."}},
                   {}},
        // Columns of the grid that bills.csv leaves out are told once, as are those it
        // names wrongly.
        ScreenCase{"BillsWithoutSomeColumns",
                   kHeader + "A," + kSampleValues + "\n",
                   billsWithoutFuel2("A"),
                   {{"A", ""}},
                   {"{dir}/bills.csv: column \"fuel2Qty\" is none of the columns of "
                    "bills and is "
                    "not read.",
                    "{dir}/bills.csv: columns \"fuel2Quantity\" and \"fuel2Cost\" are "
                    "missing: "
                    "their boxes keep the values of a new project (0, or empty for "
                    "fuel #2) for "
                    "every building."}},
        ScreenCase{"UnknownColumn",
                   "id,state,city,enrgyCharge\nA,Pennsylvania,Philadelphia,1\n",
                   kBillsHeader + bills("A"),
                   {{"A", ""}},
                   {"{dir}/buildings.csv: column \"enrgyCharge\" is none of the columns of "
                    "buildings and is not read."},
                   0.0}),
    [](const testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });

TEST(PortfolioReaderTest, MissingColumnsTakeTheValuesOfANewProject) {
    ScratchFolder folder;
    folder.write("buildings.csv", "ID,City\nA,Buffalo\n");
    folder.write("bills.csv", kBillsHeader + bills("A"));
    PortfolioReader reader({folder.path().string()}, climate());
    BuildingInput building;
    ASSERT_TRUE(reader.next(building));
    EXPECT_EQ(building.error, "");
    ProjectInputs expected = newProjectInputs(climate());
    EXPECT_EQ(expected.State, "New York");
    expected.City = "Buffalo";
    for (std::size_t m = 0; m < 12; ++m) {
        std::istringstream month(kSampleMonths[m]);
        std::getline(month, expected.MonthlyKWh[m], ',');
        std::getline(month, expected.MonthlyKW[m], ',');
        std::getline(month, expected.MonthlyPowerBill[m], ',');
        std::getline(month, expected.MonthlyFuel1[m], ',');
        std::getline(month, expected.MonthlyFuel1Cost[m], ',');
    }
    EXPECT_EQ(building.inputs, expected);
}

// A folder without project files or CSV files, a CSV file without its partner, two files of
// bills and a project file that cannot be read are each one failed building; the others are
// screened.
TEST(PortfolioReaderTest, InputsThatCannotBeUsedAreFailedBuildings) {
    ScratchFolder folder;
    folder.write("empty/readme.txt", "nothing here");
    const std::string lonely = folder.write("lonely.csv", "id,state\n");
    const std::string broken = folder.write("broken.TAV", "only one line\r\n");
    const std::string sample = (kExamples / "projects" / "ElmStreetTowers.TAV").string();
    const std::string billsA = folder.write("bills.csv", kBillsHeader + bills("A"));
    const std::string billsB = folder.write("bills2.csv", kBillsHeader + bills("B"));
    PortfolioReader reader(
        {(folder.path() / "empty").string(), broken, sample, billsA, billsB, lonely}, climate());
    std::vector<Outcome> outcomes;
    BuildingInput building;
    while (reader.next(building)) {
        outcomes.push_back({building.id, building.error});
    }
    const std::string shown = shownPath(folder.path().string());
    EXPECT_EQ(outcomes, (std::vector<Outcome>{
                            {"empty", "The folder \"" + shown +
                                          "/empty\" holds no project files (*.TAV) "
                                          "and no buildings.csv."},
                            {"broken", "Cannot open \"" + shown +
                                           "/broken.TAV\": line 2 is missing; the "
                                           "file ends after 1 line, and a project "
                                           "file has at least 20 lines."},
                            {"ElmStreetTowers", ""},
                            {"bills", "Neither \"" + shown + "/bills.csv\" nor \"" + shown +
                                          "/bills2.csv\" is a file of buildings: both name a "
                                          "column \"month\", as files of bills do. Name "
                                          "buildings.csv with its bills.csv."},
                            {"lonely", "\"" + shown +
                                           "/lonely.csv\" is named without its partner: name "
                                           "buildings.csv and bills.csv together, or the folder "
                                           "that holds them."}}));
}

// The row of a project in buildings.csv holds the numbers that the recalculation reads, and
// the options and settings in their words; its bills are twelve rows.
TEST(PortfolioExportTest, TheSampleAsACsvPair) {
    ProjectInputs sample;
    ASSERT_TRUE(
        ReadProjectFile((kExamples / "projects" / "ElmStreetTowers.TAV").string(), sample).ok());
    ScratchFolder folder;
    PortfolioExport exporter;
    ASSERT_EQ(exporter.open((folder.path() / "out").string()), "");
    exporter.add("Elm St", sample);
    ASSERT_EQ(exporter.commit(), "");
    EXPECT_EQ(fileText(folder.path() / "out" / "buildings.csv"),
              "id,fuel1Type,fuel1Units,fuel2Type,fuel2Units,energyCharge,fuelAdjCharge,"
              "demandCharge,standbyCharge,gasCost,gasCostUnit,state,city,heatedFloorSpace,"
              "cooledFloorSpace,occupants,installationDifficulty,primeMover,heatAllocation,"
              "acCriteria,runTimeFraction,boilerEfficiency,hotWaterUsage,waterHeaterFuel,"
              "analysisYears,discountRate,electricEscalation,fuelEscalation,omEscalation,"
              "costAdjustment,taxCredit,rebatePerKW,grant,gridCO2,gridCO2Custom,gridLoss,"
              "sensitivityPercent,targetPayback,monteCarloDraws,sensitivityMethod\n"
              "Elm St,#2 fuel oil,gallons,Fuel #2,therms,0.0444,0.0733,0,0,1.3119,CCF,"
              "Pennsylvania,Philadelphia,98000,98000,200,Typical,RecipEngine,HeatingOnly,"
              "Central AC,75%,75%,Low,NaturalGas,20,6.0,2.0,2.0,2.0,0.0,0.0,$0,$0,NonBaseload,0.0,"
              "4.2,20,10,1000,2\n");
    const std::string billsText = fileText(folder.path() / "out" / "bills.csv");
    EXPECT_EQ(billsText.substr(0, billsText.find('\n', kBillsHeader.size()) + 1),
              kBillsHeader + "Elm St,1,68400,138,8058,27979,68548,0,0\n");
    EXPECT_EQ(std::count(billsText.begin(), billsText.end(), '\n'), 13);
}

// Texts are exported as UTF-8 and read back as they were; a text with the delimiter is quoted.
TEST(PortfolioExportTest, TextsComeBackAsTheyWere) {
    ProjectInputs project = newProjectInputs(climate());
    project.ACCriteria = "Room AC, \"old\"";
    project.Fuel1Type = "fioul n\xB0"
                        "2";
    project.RunTimeFractionText = " 95%";
    // A project reads a number without its sign as a percentage: "0.8" is 0.8 %, which a
    // cell "0.8" would take for 80 %.
    project.BoilerEfficiencyText = "0.8";
    ScratchFolder folder;
    PortfolioExport exporter;
    ASSERT_EQ(exporter.open(folder.path().string()), "");
    exporter.add("Caf\xC3\xA9", project);
    ASSERT_EQ(exporter.commit(), "");
    EXPECT_NE(fileText(folder.path() / "buildings.csv")
                  .find("Caf\xC3\xA9,fioul n\xC2\xB0"
                        "2,"),
              std::string::npos);
    PortfolioReader reader({folder.path().string()}, climate());
    BuildingInput building;
    ASSERT_TRUE(reader.next(building));
    EXPECT_EQ(building.error, "");
    EXPECT_EQ(building.id, "Caf\xC3\xA9");
    EXPECT_EQ(building.inputs.ACCriteria, "Room AC, \"old\"");
    EXPECT_EQ(building.inputs.Fuel1Type, "fioul n\xB0"
                                         "2");
    EXPECT_EQ(building.inputs.RunTimeFractionText, " 95%");
    EXPECT_EQ(building.inputs.BoilerEfficiencyText, "0.8%");
}

// Import Bills: a 12-row file without ids, or one building of a portfolio's bills.csv; a bad
// file changes nothing and says why.
TEST(BillsFileTest, FillsTheGridOrSaysWhyNot) {
    ScratchFolder folder;
    const std::string twelve = folder.write(
        "twelve.csv", "Month;KWH;kw;ElectricCost\n" + [] {
            std::string rows;
            for (int m = 12; m >= 1; --m) {
                rows += std::to_string(m) + ";" + std::to_string(1000 * m) + ";" +
                        std::to_string(m) + ";\"$1,00" + std::to_string(m % 10) + "\"\n";
            }
            return rows;
        }());
    BillsFile file;
    ASSERT_EQ(file.open(twelve), "");
    EXPECT_EQ(file.ids(), std::vector<std::string>{""});
    ProjectInputs project = newProjectInputs(climate());
    project.MonthlyFuel1[3] = "555";
    ASSERT_EQ(file.importInto(0, project), "");
    EXPECT_EQ(project.MonthlyKWh[0], "1000");
    EXPECT_EQ(project.MonthlyKWh[11], "12000");
    EXPECT_EQ(project.MonthlyKW[4], "5");
    EXPECT_EQ(project.MonthlyPowerBill[9], "$1,000");
    // The columns that the file leaves out are cleared as a new project has them.
    EXPECT_EQ(project.MonthlyFuel1[3], "0");
    EXPECT_EQ(project.MonthlyFuel2[3], "");

    const std::string portfolio =
        folder.write("bills.csv", kBillsHeader + bills("A") + bills("B", {1, 2, 3}));
    ASSERT_EQ(file.open(portfolio), "");
    EXPECT_EQ(file.ids(), (std::vector<std::string>{"A", "B"}));
    const ProjectInputs before = project;
    EXPECT_EQ(file.importInto(1, project),
              shownPath(portfolio) + " gives 3 months of bills (lines 14 to 16); April, May, "
                                     "June, July, August, September, October, November and "
                                     "December are missing.");
    EXPECT_EQ(project, before);
    ASSERT_EQ(file.importInto(0, project), "");
    EXPECT_EQ(project.MonthlyFuel1Cost[6], "13553");

    // Sorted by month, each building's rows stand apart; rows of commas alone are no building.
    const std::string byMonth =
        folder.write("bymonth.csv", kBillsHeader + billsByMonth({"A", "B"}) + ",,,,,,,,\n");
    ASSERT_EQ(file.open(byMonth), "");
    EXPECT_EQ(file.ids(), (std::vector<std::string>{"A", "B"}));
    project = before;
    ASSERT_EQ(file.importInto(1, project), "");
    EXPECT_EQ(project.MonthlyFuel1Cost[6], "13553");
    EXPECT_EQ(project.MonthlyKWh[11], "69000");

    EXPECT_EQ(file.open(folder.write("nomonth.csv", "id,kWh\nA,1\n")),
              shownPath(folder.path().string()) +
                  "/nomonth.csv, line 1: the header names no column \"month\", which every row "
                  "of bills needs.");
    EXPECT_EQ(file.open(folder.write("header.csv", kBillsHeader)),
              shownPath(folder.path().string()) +
                  "/header.csv holds no bills: it has a header line and no rows.");
}

} // namespace
} // namespace plenara
