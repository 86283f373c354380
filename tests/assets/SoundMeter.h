#pragma once
// SoundMeter: what the asset test measures on a mono cue (samples in -1..1): EBU R128 loudness,
// true peak, clicks at note onsets and the join of a loop. Written here rather than borrowed from a
// tool so the test needs nothing installed; the art pipeline has its own meter, and this one
// checks it.
#include <vector>

namespace vortala::test {

// Integrated loudness in LUFS (ITU-R BS.1770-4: K-weighting, 400 ms blocks every 100 ms, absolute
// gate -70 LUFS, relative gate -10 LU). A cue shorter than one block is measured as one block.
double IntegratedLoudness(const std::vector<float>& samples, int rate);

// The level a cue is made to: its integrated loudness or, for a cue shorter than one 400 ms block,
// its loudest 100 ms less kShortCueAllowance (a click measured over a whole block would read as
// quiet as the silence around it, so it would be made far too loud).
constexpr double kShortCueAllowance = 4.0;
double CueLoudness(const std::vector<float>& samples, int rate);

// The loudest stretch of the given length: its loudness (K-weighted, in LUFS) and where it starts
// in seconds. A cue shorter than the stretch counts as that stretch with silence after it.
struct Stretch {
    double loudness = 0, start = 0;
};
Stretch LoudestStretch(const std::vector<float>& samples, int rate, double seconds);

// The samples through a fourth-order Butterworth high-pass: what a small speaker leaves of them.
std::vector<float> HighPassed(const std::vector<float>& samples, double corner, int rate);

// The highest level between and on the samples, in dBTP, from a 4x oversampled reconstruction.
double TruePeak(const std::vector<float>& samples);

// Peak level in dBFS of the samples in [begin, end).
double PeakLevel(const std::vector<float>& samples, std::size_t begin, std::size_t end);

// Seconds at which a short burst of energy above 12 kHz stands more than 30 dB above the
// milliseconds around it on both sides: the pop of a note that starts away from zero.
std::vector<double> OnsetClicks(const std::vector<float>& samples, int rate);

}  // namespace vortala::test
