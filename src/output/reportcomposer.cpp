#include "output/reportcomposer.h"

#include "output/pageframe.h"
#include "output/reportpages.h"
#include "output/reportsensitivitypage.h"
#include "project/projectsession.h"

#include <functional>

namespace plenara {

namespace {

// The "Show Details for:" boxes that the pages switch on.
constexpr std::size_t kMethod1Box = 1;
constexpr std::size_t kMethod2Box = 2;
constexpr std::size_t kMethod3Box = 3;
constexpr std::size_t kComparisonBox = 4;

using PageBody = std::function<std::vector<std::string>(const ProjectSession&)>;

class ReportRun {
public:
    ReportRun(ProjectSession& session, const ReportChoice& chosen, const std::string& runId,
              const std::string& shortDate)
        : m_session(session)
        , m_runId(runId)
        , m_shortDate(shortDate)
        , m_pageTotal(reportPageTotal(chosen)) {}

    // A page composed from the results as they stand.
    void page(const PageBody& body) { addPage(body(m_session)); }

    // A page with a chart, composed from the results as they stand.
    void pageWithChart(const std::function<ReportBody(const ProjectSession&)>& body) {
        ReportBody composed = body(m_session);
        addPage(std::move(composed.lines));
        m_pages.back().chart = std::move(composed.chart);
    }

    // A page composed with the details box `box` switched on and the analysis recalculated;
    // afterwards the box gets its value back, and the analysis is recalculated again when
    // `recalculateAfter` (otherwise the tabs are put right at the end of the report).
    void pageWithDetails(std::size_t box, bool recalculateAfter, const PageBody& body) {
        const bool remembered = m_session.view().Check1[box];
        m_session.view().Check1[box] = true;
        m_session.recalculate();
        std::vector<std::string> lines = body(m_session);
        m_session.view().Check1[box] = remembered;
        if (recalculateAfter) {
            m_session.recalculate();
        }
        m_tabsStale = !recalculateAfter;
        addPage(std::move(lines));
    }

    // The pages, after one more recalculation if the last switch was given back without one,
    // so that the window shows the tabs it showed before the report.
    std::vector<ReportPage> finish() {
        if (m_tabsStale) {
            m_session.recalculate();
            m_tabsStale = false;
        }
        return std::move(m_pages);
    }

private:
    void addPage(std::vector<std::string> body) {
        ReportPage page;
        page.header = kReportTitle;
        page.dataSetLine = m_runId;
        page.body = std::move(body);
        page.footer = pageFooter(static_cast<int>(m_pages.size()) + 1, m_pageTotal, m_shortDate);
        m_pages.push_back(std::move(page));
    }

    ProjectSession& m_session;
    std::string m_runId;
    std::string m_shortDate;
    int m_pageTotal = 0;
    bool m_tabsStale = false;
    std::vector<ReportPage> m_pages;
};

} // namespace

int reportPageTotal(const ReportChoice& chosen) {
    constexpr std::array<int, kReportOptionCount> pagesPerPart = {1, 1, 1, 2, 2, 1, 1};
    int total = 0;
    for (std::size_t i = 0; i < kReportOptionCount; ++i) {
        total += chosen[i] ? pagesPerPart[i] : 0;
    }
    return total;
}

std::vector<ReportPage> composeReport(ProjectSession& session, const ReportChoice& chosen,
                                      const std::string& runId, const std::string& shortDate) {
    ReportRun run(session, chosen, runId, shortDate);
    if (chosen[0]) {
        run.page(
            [](const ProjectSession& s) { return PrintIOResultsSummary(s.inputs(), s.results()); });
    }
    if (chosen[1]) {
        // The comparison page gives its box back without recalculating.
        run.pageWithDetails(kComparisonBox, false, [](const ProjectSession& s) {
            return PrintComparisonOfMethods(s.results());
        });
    }
    if (chosen[2]) {
        run.pageWithDetails(kMethod1Box, true,
                            [](const ProjectSession& s) { return PrintMethod1(s.results()); });
    }
    if (chosen[3]) {
        // The report counts two pages: the figures and the written assumptions.
        run.pageWithDetails(kMethod2Box, true, [](const ProjectSession& s) {
            return PrintMethod2Page1(s.inputs(), s.results(), s.view().scrlMonths);
        });
        run.page([](const ProjectSession& s) { return PrintMethod2Page3(s.results()); });
    }
    if (chosen[4]) {
        run.pageWithDetails(kMethod3Box, true,
                            [](const ProjectSession& s) { return PrintMethod3Page1(s.results()); });
        run.page([](const ProjectSession& s) { return PrintMethod3Page2(s.results()); });
    }
    if (chosen[5]) {
        run.pageWithChart(
            [](const ProjectSession& s) { return PrintLifeCycle(s.inputs(), s.results()); });
    }
    if (chosen[6]) {
        run.pageWithChart(PrintSensitivityPage);
    }
    return run.finish();
}

} // namespace plenara
