#include "portfolio/resultcolumns.h"

#include "engine/textfields.h"
#include "portfolio/csvcells.h"

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace plenara {

namespace {

std::optional<double> noNumber(const ScreenRow&, std::size_t) {
    return std::nullopt;
}

std::string noText(const ScreenRow&) {
    return {};
}

// A figure of a method, none for a building that failed.
std::optional<double> methodFigure(const ScreenRow& row, const std::optional<double>& value) {
    if (row.failed()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> capacity(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].capacityKW);
}

std::optional<double> payback(const ScreenRow& row, std::size_t m) {
    const double years = row.methods[m].paybackYears;
    if (row.failed() || !(years > 0.0)) {
        return std::nullopt;
    }
    return years;
}

std::optional<double> installedCost(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].installedCost);
}

std::optional<double> annualSavings(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].annualSavings);
}

std::optional<double> npv(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].npv);
}

std::optional<double> irr(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].irr);
}

std::optional<double> co2Change(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].co2ChangeTonnes);
}

std::optional<double> paybackP10(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].paybackP10);
}

std::optional<double> paybackP90(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].paybackP90);
}

std::optional<double> bestMethod(const ScreenRow& row, std::size_t) {
    if (row.failed() || row.bestMethod == 0) {
        return std::nullopt;
    }
    return row.bestMethod;
}

std::optional<double> bestPayback(const ScreenRow& row, std::size_t) {
    if (row.failed() || row.bestMethod == 0) {
        return std::nullopt;
    }
    return row.bestPaybackYears;
}

nlohmann::ordered_json jsonValue(const ResultColumn& column, const ScreenRow& row) {
    if (column.format == ResultFormat::Text) {
        const std::string text = column.text(row);
        return text.empty() && column.name == "error" ? nlohmann::ordered_json(nullptr)
                                                      : nlohmann::ordered_json(text);
    }
    const std::optional<double> value = column.number(row, column.method);
    if (!value || !std::isfinite(*value)) {
        return nullptr;
    }
    // The number as the CSV writes it, so that both read the same.
    if (*value == std::trunc(*value) && std::fabs(*value) < 1e15) {
        return static_cast<long long>(*value);
    }
    return std::strtod(csvNumber(*value).c_str(), nullptr);
}

} // namespace

const std::vector<ResultColumn>& resultColumns() {
    static const std::vector<ResultColumn> columns = [] {
        std::vector<ResultColumn> list = {
            {"id", ResultFormat::Text, noNumber,
             [](const ScreenRow& r) {
                 return windows1252ToUtf8(r.id);
             }},
            {"state", ResultFormat::Text, noNumber,
             [](const ScreenRow& r) {
                 return windows1252ToUtf8(r.state);
             }},
            {"city", ResultFormat::Text, noNumber,
             [](const ScreenRow& r) {
                 return windows1252ToUtf8(r.city);
             }},
        };
        for (std::size_t m = 0; m < 3; ++m) {
            const std::string method = "method" + std::to_string(m + 1);
            list.push_back({method + "CapacityKW", ResultFormat::KW, capacity, noText, m});
            list.push_back({method + "PaybackYears", ResultFormat::Years, payback, noText, m});
            list.push_back(
                {method + "InstalledCost", ResultFormat::Dollars, installedCost, noText, m});
            list.push_back(
                {method + "AnnualSavings", ResultFormat::Dollars, annualSavings, noText, m});
            list.push_back({method + "Npv", ResultFormat::Dollars, npv, noText, m});
            list.push_back({method + "Irr", ResultFormat::Fraction, irr, noText, m});
            list.push_back(
                {method + "Co2ChangeTonnes", ResultFormat::Tonnes, co2Change, noText, m});
            list.push_back({method + "PaybackP10", ResultFormat::Years, paybackP10, noText, m});
            list.push_back({method + "PaybackP90", ResultFormat::Years, paybackP90, noText, m});
        }
        list.push_back({"bestMethod", ResultFormat::Method, bestMethod, noText});
        list.push_back({"bestPaybackYears", ResultFormat::Years, bestPayback, noText});
        list.push_back({"error", ResultFormat::Text, noNumber, [](const ScreenRow& r) {
                            return r.error;
                        }});
        return list;
    }();
    return columns;
}

std::string resultCell(const ResultColumn& column, const ScreenRow& row) {
    if (column.format == ResultFormat::Text) {
        return column.text(row);
    }
    const std::optional<double> value = column.number(row, column.method);
    return value ? csvNumber(*value) : std::string();
}

std::string resultsCsvHeader() {
    std::string line;
    for (const ResultColumn& column : resultColumns()) {
        line += (line.empty() ? "" : ",") + column.name;
    }
    return line + '\n';
}

std::string resultsCsvLine(const ScreenRow& row) {
    std::string line;
    bool first = true;
    for (const ResultColumn& column : resultColumns()) {
        if (!first) {
            line += ',';
        }
        first = false;
        line += csvField(resultCell(column, row));
    }
    return line + '\n';
}

std::string resultsJsonLine(const ScreenRow& row) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const ResultColumn& column : resultColumns()) {
        object[column.name] = jsonValue(column, row);
    }
    // Texts from the files are converted to UTF-8 already; a byte that is none is replaced
    // rather than stopping the whole output.
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n';
}

} // namespace plenara
