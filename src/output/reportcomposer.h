#pragma once

#include "output/reportpage.h"

#include <string>
#include <vector>

namespace plenara {

class ProjectSession;

// Composes the chosen parts of a report, in their fixed order, as numbered pages: each page
// carries the header "Plenara", the data-set line `runId` and the footer "N of T" with
// `shortDate`. The pages that print the lines of a detail tab switch its "Show Details for:"
// box on and recalculate first, then give the box back; when the report is done the session's
// results show the same tabs as before. Nothing is composed when no part is chosen.
std::vector<ReportPage> composeReport(ProjectSession& session, const ReportChoice& chosen,
                                      const std::string& runId, const std::string& shortDate);

} // namespace plenara
