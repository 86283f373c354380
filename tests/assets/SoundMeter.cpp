#include "SoundMeter.h"

#include <algorithm>
#include <cmath>

namespace vortala::test {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Biquad {
    double b0, b1, b2, a1, a2;  // a0 = 1
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double Step(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

// The two stages of BS.1770's K-weighting, derived for any rate from the analogue prototype.
std::vector<Biquad> KWeighting(int rate) {
    double k = std::tan(kPi * 1681.974450955533 / rate);
    const double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    double a0 = 1.0 + k / q + k * k;
    Biquad shelf{(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
                 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
    k = std::tan(kPi * 38.13547087602444 / rate);
    const double q2 = 0.5003270373238773;
    a0 = 1.0 + k / q2 + k * k;
    Biquad highPass{1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q2 + k * k) / a0};
    return {shelf, highPass};
}

// Butterworth high-pass of the fourth order as two cookbook sections.
std::vector<Biquad> HighPass(double corner, int rate) {
    std::vector<Biquad> stages;
    for (double q : {0.5411961001461970, 1.3065629648763766}) {
        const double w = 2.0 * kPi * corner / rate, c = std::cos(w), alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        stages.push_back(
            {(1.0 + c) / 2.0 / a0, -(1.0 + c) / a0, (1.0 + c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0});
    }
    return stages;
}

std::vector<double> Filtered(const std::vector<float>& samples, std::vector<Biquad> stages) {
    std::vector<double> out(samples.begin(), samples.end());
    for (Biquad& s : stages)
        for (double& v : out) v = s.Step(v);
    return out;
}

double Decibels(double power) {
    return 10.0 * std::log10(std::max(power, 1e-20));
}

double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

}  // namespace

double IntegratedLoudness(const std::vector<float>& samples, int rate) {
    const std::vector<double> k = Filtered(samples, KWeighting(rate));
    std::vector<double> squares(k.size() + 1, 0.0);  // running sum, so each block is one subtraction
    for (std::size_t i = 0; i < k.size(); ++i) squares[i + 1] = squares[i] + k[i] * k[i];
    const std::size_t block = std::min<std::size_t>(rate * 4 / 10, k.size()), step = rate / 10;
    std::vector<double> powers;
    for (std::size_t at = 0; at + block <= k.size() && block > 0; at += step)
        powers.push_back((squares[at + block] - squares[at]) / block);
    auto gatedMean = [&](double gate) {
        double sum = 0;
        int n = 0;
        for (double p : powers)
            if (-0.691 + Decibels(p) > gate) sum += p, ++n;
        return n > 0 ? sum / n : 0.0;
    };
    const double relativeGate = -0.691 + Decibels(gatedMean(-70.0)) - 10.0;
    return -0.691 + Decibels(gatedMean(std::max(-70.0, relativeGate)));
}

double CueLoudness(const std::vector<float>& samples, int rate) {
    if (samples.size() >= static_cast<std::size_t>(rate) * 4 / 10) return IntegratedLoudness(samples, rate);
    return LoudestStretch(samples, rate, 0.1).loudness - kShortCueAllowance;
}

Stretch LoudestStretch(const std::vector<float>& samples, int rate, double seconds) {
    const std::vector<double> k = Filtered(samples, KWeighting(rate));
    std::vector<double> squares(k.size() + 1, 0.0);
    for (std::size_t i = 0; i < k.size(); ++i) squares[i + 1] = squares[i] + k[i] * k[i];
    const std::size_t span = static_cast<std::size_t>(seconds * rate);
    double best = 0;
    std::size_t bestAt = 0;
    for (std::size_t at = 0; at == 0 || at + span <= k.size(); at += rate / 1000) {
        const double sum = squares[std::min(at + span, k.size())] - squares[at];
        if (sum > best) best = sum, bestAt = at;
    }
    return {-0.691 + Decibels(best / span), double(bestAt) / rate};
}

std::vector<float> HighPassed(const std::vector<float>& samples, double corner, int rate) {
    const std::vector<double> out = Filtered(samples, HighPass(corner, rate));
    return {out.begin(), out.end()};
}

double TruePeak(const std::vector<float>& samples) {
    // Hann-windowed sinc interpolation, 16 taps per phase: like the standard's own filter, within a few
    // tenths of a dB of the continuous signal.
    constexpr int kTaps = 8, kPhases = 4;
    double weights[kPhases][2 * kTaps];
    for (int p = 0; p < kPhases; ++p)
        for (int j = -kTaps + 1; j <= kTaps; ++j) {
            const double t = j - p / double(kPhases);  // distance from sample n + j to the point n + p / 4
            const double sinc = t == 0 ? 1.0 : std::sin(kPi * t) / (kPi * t);
            weights[p][j + kTaps - 1] = sinc * (0.5 + 0.5 * std::cos(kPi * t / kTaps));
        }
    double peak = 0;
    const long n = static_cast<long>(samples.size());
    for (long i = 0; i < n; ++i)
        for (int p = 0; p < kPhases; ++p) {
            double v = 0;
            for (int j = -kTaps + 1; j <= kTaps; ++j)
                if (i + j >= 0 && i + j < n) v += samples[i + j] * weights[p][j + kTaps - 1];
            peak = std::max(peak, std::abs(v));
        }
    return 20.0 * std::log10(std::max(peak, 1e-10));
}

double PeakLevel(const std::vector<float>& samples, std::size_t begin, std::size_t end) {
    float peak = 0;
    for (std::size_t i = begin; i < std::min(end, samples.size()); ++i)
        peak = std::max(peak, std::abs(samples[i]));
    return 20.0 * std::log10(std::max(double(peak), 1e-10));
}

std::vector<double> OnsetClicks(const std::vector<float>& samples, int rate) {
    // Silence either side, so a cue that starts or ends on a step shows it too.
    const std::size_t window = rate / 1000, pad = 20 * window;
    std::vector<float> padded(pad, 0.0f);
    padded.insert(padded.end(), samples.begin(), samples.end());
    padded.insert(padded.end(), pad, 0.0f);
    const std::vector<double> high = Filtered(padded, HighPass(12000.0, rate));

    std::vector<double> energy(high.size() / window);
    for (std::size_t w = 0; w < energy.size(); ++w) {
        double sum = 0;
        for (std::size_t i = w * window; i < (w + 1) * window; ++i) sum += high[i] * high[i];
        // no quieter than 16-bit noise (-100 dB), so digital silence is no baseline to stand out of
        energy[w] = std::max(sum / window, 1e-10);
    }
    std::vector<double> clicks;
    constexpr int kNear = 3, kFar = 12;  // neighbours 3 to 12 ms away on each side
    for (int w = kFar; w + kFar < static_cast<int>(energy.size()); ++w) {
        std::vector<double> before(energy.begin() + w - kFar, energy.begin() + w - kNear + 1);
        std::vector<double> after(energy.begin() + w + kNear, energy.begin() + w + kFar + 1);
        if (energy[w] > 1000.0 * std::max(Median(before), Median(after)))
            clicks.push_back(double(w * window) / rate - double(pad) / rate);
    }
    return clicks;
}

}  // namespace vortala::test
