#pragma once
// The PAR sheet as tables: the same rows for the text report, the Markdown and the web page.
#include <string>
#include <vector>

#include "ParReport.h"

namespace vortala::sim {

// One table of the sheet.
struct Table {
    std::string title;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string note;
};

std::vector<Table> BuildSheet(const ParShard& run, const ParReportInputs& inputs);

}  // namespace vortala::sim
