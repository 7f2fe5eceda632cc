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

// The column of one field of a method's figures.
template <auto Field>
std::optional<double> figure(const ScreenRow& row, std::size_t m) {
    return methodFigure(row, row.methods[m].*Field);
}

std::optional<double> payback(const ScreenRow& row, std::size_t m) {
    const double years = row.methods[m].paybackYears;
    if (row.failed() || !(years > 0.0)) {
        return std::nullopt;
    }
    return years;
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
                 return r.id;
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
            list.push_back({method + "CapacityKW", ResultFormat::KW,
                            figure<&MethodScreen::capacityKW>, noText, m});
            list.push_back({method + "PaybackYears", ResultFormat::Years, payback, noText, m});
            list.push_back({method + "InstalledCost", ResultFormat::Dollars,
                            figure<&MethodScreen::installedCost>, noText, m});
            list.push_back({method + "AnnualSavings", ResultFormat::Dollars,
                            figure<&MethodScreen::annualSavings>, noText, m});
            list.push_back(
                {method + "Npv", ResultFormat::Dollars, figure<&MethodScreen::npv>, noText, m});
            list.push_back(
                {method + "Irr", ResultFormat::Fraction, figure<&MethodScreen::irr>, noText, m});
            list.push_back({method + "Co2ChangeTonnes", ResultFormat::Tonnes,
                            figure<&MethodScreen::co2ChangeTonnes>, noText, m});
            list.push_back({method + "PaybackP10", ResultFormat::Years,
                            figure<&MethodScreen::paybackP10>, noText, m});
            list.push_back({method + "PaybackP90", ResultFormat::Years,
                            figure<&MethodScreen::paybackP90>, noText, m});
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
