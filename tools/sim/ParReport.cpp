#include "ParReport.h"

#include <ostream>

namespace vortala::sim {

bool ReadRtpComparison(const std::string&, ParReportInputs&, std::string& error) {
    error = "not yet";
    return false;
}
std::vector<FortunePoint> SweepFortunes(const ParOptions&, std::uint64_t, std::ostream&) {
    return {};
}
bool WriteParSheet(const std::string&, SheetKind, const ParShard&, const ParReportInputs&, std::string& error) {
    error = "not yet";
    return false;
}
void PrintParText(std::ostream& out, const ParShard& run, const ParReportInputs&) {
    const ParTally& t = run.run.tally;
    out << "states " << t.states << " winning " << t.winningStates << " drawn " << t.arrangementsDrawn << " in "
        << run.run.seconds << " s\n";
}

}  // namespace vortala::sim
