#include "ParReport.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "CommandText.h"
#include "ParModel.h"
#include "ParOutcome.h"
#include "ParSheet.h"
#include "ParSvg.h"
#include "RtpMerge.h"

namespace vortala::sim {

namespace {

void RenderText(std::ostream& out, const std::vector<Table>& sheet) {
    for (const Table& table : sheet) {
        out << table.title << '\n';
        std::vector<std::size_t> width(table.header.size(), 0);
        auto measure = [&](const std::vector<std::string>& cells) {
            for (std::size_t i = 0; i < cells.size() && i < width.size(); ++i)
                width[i] = std::max(width[i], cells[i].size());
        };
        measure(table.header);
        for (const auto& cells : table.rows) measure(cells);
        auto print = [&](const std::vector<std::string>& cells) {
            out << ' ';
            for (std::size_t i = 0; i < cells.size(); ++i)
                out << ' ' << cells[i] << std::string(width[i] - cells[i].size() + 1, ' ');
            out << '\n';
        };
        if (!table.header.front().empty()) print(table.header);
        for (const auto& cells : table.rows) print(cells);
        out << '\n';
    }
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}

void RenderMarkdown(std::ostream& out, const std::vector<Table>& sheet) {
    for (const Table& table : sheet) {
        out << "## " << table.title << "\n\n|";
        for (const auto& h : table.header) out << ' ' << h << " |";
        out << "\n|";
        for (std::size_t i = 0; i < table.header.size(); ++i) out << "---|";
        out << '\n';
        for (const auto& cells : table.rows) {
            out << '|';
            for (const auto& c : cells) out << ' ' << c << " |";
            out << '\n';
        }
        out << '\n';
        if (!table.note.empty()) out << table.note << "\n\n";
    }
}

void RenderHtml(std::ostream& out, const std::vector<Table>& sheet) {
    for (const Table& table : sheet) {
        out << "<h2>" << Escape(table.title) << "</h2>\n<table>\n<tr>";
        for (const auto& h : table.header) out << "<th>" << Escape(h) << "</th>";
        out << "</tr>\n";
        for (const auto& cells : table.rows) {
            out << "<tr>";
            for (const auto& c : cells)
                out << (c == "NO" ? "<td class=\"out\">" : "<td>") << Escape(c) << "</td>";
            out << "</tr>\n";
        }
        out << "</table>\n";
        if (!table.note.empty()) out << "<p>" << Escape(table.note) << "</p>\n";
    }
}

// Where a Markdown file's plots go: beside it, named after it.
std::string Beside(const std::string& path, const std::string& suffix) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    const std::string stem =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path;
    return stem + suffix;
}
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteFile(const std::string& path, const std::string& text, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

bool ReadRtpComparison(const std::string& path, ParReportInputs& inputs, std::string& error) {
    std::string text;
    if (!ReadTextFile(path, text)) {
        error = "cannot read it";
        return false;
    }
    ShardReport report;
    report.name = path;
    if (!MergeShardTexts({{path, text}}, report, error)) return false;
    inputs.hasRtp = true;
    inputs.rtpOptions = report.options;
    inputs.rtp = report.run;
    return true;
}

std::vector<FortunePoint> SweepFortunes(const ParOptions& o, std::uint64_t states, std::ostream& progress,
                                        const ParTally& exact) {
    std::vector<FortunePoint> points;
    for (int which = 0; which < 3; ++which) {
        for (int setting = -100; setting <= 100; setting += 20) {
            ParOptions p = o;
            (which == 0 ? p.fortuneSpin : which == 1 ? p.fortuneRisk : p.fortuneBonus) = setting;
            // The spin's figures or the bonus items from the sub-range; the rest exact from the run.
            ParTally sampled;
            StateOutcomes outcomes(p);
            for (std::uint64_t s = 0; s < states; ++s) {
                if (which == 0)
                    outcomes.AddSpin(static_cast<std::uint32_t>(s), sampled);
                else
                    outcomes.AddBonusItems(static_cast<std::uint32_t>(s), sampled);
            }
            if (which != 0) sampled.states = states;
            const ParFigures f =
                which == 0 ? ComputeParFigures(p, sampled, exact) : ComputeParFigures(p, exact, sampled);
            points.push_back({which, setting, f.rtp});
            progress << "\rfortune curves: " << points.size() << " of 33 points" << std::flush;
        }
    }
    progress << '\n';
    return points;
}

bool WriteParSheet(const std::string& path, SheetKind kind, const ParShard& run,
                   const ParReportInputs& inputs, std::string& error) {
    const std::vector<Table> sheet = BuildSheet(run, inputs);
    const ParFigures f = ComputeParFigures(run.options, run.run.tally, run.run.tally);
    const std::string wins = WinDistributionSvg(WinBins(run.run.tally, f.lineBet), run.run.tally.states);
    const std::string curves = inputs.curves.empty()
                                   ? std::string()
                                   : FortuneCurvesSvg(inputs.curves, f.rtp, run.options.fortuneSpin);
    std::ostringstream out;
    if (kind == SheetKind::Html) {
        out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Vortala: PAR "
               "sheet</title>\n"
               "<style>body{font-family:sans-serif;max-width:60em;margin:2em "
               "auto}table{border-collapse:collapse}"
               "td,th{border:1px solid #ccc;padding:2px 8px;text-align:right}td:first-child{text-align:left}"
               ".out{background:#fbb}</style></head><body>\n<h1>Vortala: PAR sheet</h1>\n";
        RenderHtml(out, sheet);
        out << "<h2>Plots</h2>\n" << wins << curves << "</body></html>\n";
        return WriteFile(path, out.str(), error);
    }
    out << "# PAR sheet\n\nWritten by `vortala-sim par` (`tools/par-sheet.sh` writes this file for the "
           "default settings; docs/SIMULATOR.md says how every figure is made). The PAR column is exact over "
           "the "
           "generator states named under \"The run\"; the long-run rows join those exact figures through the "
           "game's carried state. Beside them, the simulator's estimates and their 95% intervals.\n\n";
    RenderMarkdown(out, sheet);
    const std::string winsFile = Beside(path, "-wins.svg");
    out << "![The chance of the spin's win by its size, log scale](" << BaseName(winsFile) << ")\n\n";
    if (!WriteFile(winsFile, wins, error)) return false;
    if (!curves.empty()) {
        const std::string curvesFile = Beside(path, "-fortune.svg");
        out << "![RTP against each fortune setting](" << BaseName(curvesFile) << ")\n\n";
        if (!WriteFile(curvesFile, curves, error)) return false;
    }
    return WriteFile(path, out.str(), error);
}

void PrintParText(std::ostream& out, const ParShard& run, const ParReportInputs& inputs) {
    RenderText(out, BuildSheet(run, inputs));
}

}  // namespace vortala::sim
