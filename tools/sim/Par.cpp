#include "Par.h"

#include <iostream>

#include "CommandText.h"
#include "ParJson.h"
#include "ParOptions.h"
#include "ParReport.h"
#include "ParRun.h"
#include "Subcommand.h"

namespace vortala::sim {

int RunParCommand(int argc, char** argv) {
    ParOptions options;
    std::string error;
    if (!ParseParOptions(argc, argv, options, error)) return UsageError("par", error);
    ParShard whole;
    if (!options.load.empty()) {
        std::string text;
        whole.name = options.load;
        if (!ReadTextFile(options.load, text) || !ReadParReport(text, whole, error)) {
            std::cerr << "par: " << options.load << ": " << (error.empty() ? "cannot read it" : error)
                      << '\n';
            return 2;
        }
    } else {
        whole.options = options;
        whole.run = RunPar(options, std::cerr);
    }
    ParReportInputs inputs;
    if (!options.compare.empty() && !ReadRtpComparison(options.compare, inputs, error)) {
        std::cerr << "par: " << options.compare << ": " << error << '\n';
        return 2;
    }
    if (options.sweep) {
        inputs.sweepStates = options.sweep;
        inputs.curves = SweepFortunes(whole.options, options.sweep, std::cerr, whole.run.tally);
    }
    if (!options.html.empty() && !WriteParSheet(options.html, SheetKind::Html, whole, inputs, error)) {
        std::cerr << "par: " << error << '\n';
        return 1;
    }
    if (!options.markdown.empty() &&
        !WriteParSheet(options.markdown, SheetKind::Markdown, whole, inputs, error)) {
        std::cerr << "par: " << error << '\n';
        return 1;
    }
    if (options.json)
        PrintParJson(std::cout, whole.options, whole.run);
    else
        PrintParText(std::cout, whole, inputs);
    return 0;
}

}  // namespace vortala::sim
