#include "ParSvg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vortala::sim {

namespace {

constexpr double kWidth = 640, kHeight = 320, kLeft = 70, kRight = 20, kTop = 20, kBottom = 50;

std::string Number(double v, const char* format = "%.1f") {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

std::string Text(double x, double y, const std::string& s, const char* anchor = "middle",
                 const char* colour = "black") {
    return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" text-anchor=\"" + anchor + "\" fill=\"" +
           colour + "\" font-size=\"11\" font-family=\"sans-serif\">" + s + "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const char* colour, double width = 1) {
    return "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) + "\" y2=\"" +
           Number(y2) + "\" stroke=\"" + colour + "\" stroke-width=\"" + Number(width) + "\"/>\n";
}

std::string Open(const std::string& title) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kWidth, "%.0f") + "\" height=\"" +
           Number(kHeight, "%.0f") + "\" viewBox=\"0 0 " + Number(kWidth, "%.0f") + " " +
           Number(kHeight, "%.0f") + "\">\n<title>" + title +
           "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
}

}  // namespace

std::vector<WinBin> WinBins(const ParTally& t, double lineBet) {
    std::vector<WinBin> bins{{0.0, 0.0, 0}};
    for (std::size_t win = 0; win < t.winHistogram.size(); ++win) {
        const std::uint64_t states = t.winHistogram[win];
        if (states == 0) continue;
        if (win == 0) {
            bins[0].states += states;
            continue;
        }
        const double inBets = static_cast<double>(win) / lineBet;
        const int bin = std::max(0, static_cast<int>(std::floor(std::log2(inBets)))) + 1;
        while (static_cast<int>(bins.size()) <= bin) {
            const double from = std::ldexp(1.0, static_cast<int>(bins.size()) - 1);
            bins.push_back({from, 2 * from, 0});
        }
        bins[bin].states += states;
    }
    return bins;
}

std::string WinDistributionSvg(const std::vector<WinBin>& bins, std::uint64_t states) {
    std::string svg = Open("Chance of the spin's win, by its size in line bets");
    const double plotW = kWidth - kLeft - kRight, plotH = kHeight - kTop - kBottom;
    const int lowest = -10;  // 1e-10 at the bottom, 1 at the top
    auto y = [&](double p) { return kTop + plotH * (std::log10(std::max(p, 1e-10)) / lowest); };
    for (int e = 0; e >= lowest; e -= 2) {
        svg += Line(kLeft, y(std::pow(10.0, e)), kWidth - kRight, y(std::pow(10.0, e)), "#ddd");
        svg += Text(kLeft - 6, y(std::pow(10.0, e)) + 4, "1e" + std::to_string(e), "end");
    }
    const double barW = plotW / static_cast<double>(std::max<std::size_t>(bins.size(), 1));
    for (std::size_t i = 0; i < bins.size(); ++i) {
        const double p = static_cast<double>(bins[i].states) / static_cast<double>(states);
        const double x = kLeft + barW * static_cast<double>(i);
        if (p > 0) {
            const double top = y(p);
            svg += "<rect x=\"" + Number(x + 2) + "\" y=\"" + Number(top) + "\" width=\"" + Number(barW - 4) +
                   "\" height=\"" + Number(kTop + plotH - top) + "\" fill=\"" +
                   (i == 0 ? "#999" : "#2a6f97") + "\"/>\n";
        }
        const std::string label = i == 0 ? "none" : Number(bins[i].from, "%.0f");
        svg += Text(x + barW / 2, kTop + plotH + 14, label);
    }
    svg += Line(kLeft, kTop + plotH, kWidth - kRight, kTop + plotH, "black");
    svg += Line(kLeft, kTop, kLeft, kTop + plotH, "black");
    svg += Text(kLeft + plotW / 2, kHeight - 10, "win in line bets (bins from the value shown to twice it)");
    svg += "</svg>\n";
    return svg;
}

std::string FortuneCurvesSvg(const std::vector<FortunePoint>& points, double runRtp, int runSpin) {
    std::string svg = Open("Return to player against each fortune setting");
    const double plotW = kWidth - kLeft - kRight, plotH = kHeight - kTop - kBottom;
    double low = runRtp, high = runRtp;
    for (const FortunePoint& p : points) {
        low = std::min(low, p.rtp);
        high = std::max(high, p.rtp);
    }
    // Grid lines on round shares: the smallest step that needs no more than eight of them.
    double step = 0.05;
    for (double candidate : {0.05, 0.1, 0.2, 0.25, 0.5, 1.0, 2.0})
        if ((high - low) / candidate <= 8) {
            step = candidate;
            break;
        }
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);
    auto x = [&](int setting) { return kLeft + plotW * (setting + 100) / 200.0; };
    auto y = [&](double rtp) { return kTop + plotH * (high - rtp) / (high - low); };
    for (double r = low; r <= high + 1e-9; r += step) {
        svg += Line(kLeft, y(r), kWidth - kRight, y(r), "#ddd");
        svg += Text(kLeft - 6, y(r) + 4, Number(r * 100, "%.0f%%"), "end");
    }
    for (int s = -100; s <= 100; s += 50) svg += Text(x(s), kTop + plotH + 14, std::to_string(s));
    static constexpr const char* kColours[] = {"#2a6f97", "#c05621", "#2f855a"};
    static constexpr const char* kNames[] = {"spin", "risk", "bonus"};
    for (int which = 0; which < 3; ++which) {
        std::string path;
        for (const FortunePoint& p : points)
            if (p.which == which)
                path += (path.empty() ? "M" : " L") + Number(x(p.setting)) + "," + Number(y(p.rtp));
        if (path.empty()) continue;
        svg += "<path d=\"" + path + "\" fill=\"none\" stroke=\"" + kColours[which] +
               "\" stroke-width=\"2\"/>\n";
        svg += Text(kWidth - kRight - 60, kTop + 14 + 14 * which, std::string("&#8212; ") + kNames[which],
                    "start", kColours[which]);
    }
    svg += "<circle cx=\"" + Number(x(runSpin)) + "\" cy=\"" + Number(y(runRtp)) +
           "\" r=\"4\" fill=\"black\"><title>this run, exact</title></circle>\n";
    svg += Line(kLeft, kTop + plotH, kWidth - kRight, kTop + plotH, "black");
    svg += Line(kLeft, kTop, kLeft, kTop + plotH, "black");
    svg += Text(kLeft + plotW / 2, kHeight - 10, "fortune setting (the other two at the run's)");
    svg += "</svg>\n";
    return svg;
}

}  // namespace vortala::sim
