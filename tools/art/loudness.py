"""EBU R128 integrated loudness and true peak of a sound file, for normalising the cues.

sox does the filtering (BS.1770's K-weighting as two biquads, 4x oversampling for the true peak); the gating
is counted here.  A cue shorter than one 400 ms block is levelled by its loudest 100 ms instead (see level)."""
import math
import re
import subprocess
from array import array
from itertools import accumulate

RATE = 44100


def _k_weighting(rate):
    """The two stages of the K-weighting filter for any rate, as sox biquad arguments."""
    k = math.tan(math.pi * 1681.974450955533 / rate)
    q = 0.7071752369554196
    vh = 10 ** (3.999843853973347 / 20)
    vb = vh ** 0.4996667741545416
    a0 = 1 + k / q + k * k
    shelf = [(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
             1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0]
    k = math.tan(math.pi * 38.13547087602444 / rate)
    q = 0.5003270373238773
    a0 = 1 + k / q + k * k
    high = [1, -2, 1, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0]
    return ['biquad', *map(repr, shelf), 'biquad', *map(repr, high)]


def samples(path, effects=()):
    """The file as mono floats, after the sox effects given."""
    raw = subprocess.run(['sox', path, '-t', 'f32', '-c', '1', '-'] + list(effects),
                         check=True, capture_output=True).stdout
    return array('f', raw)


def integrated(path):
    k = samples(path, _k_weighting(RATE))
    sums = [0.0] + list(accumulate(v * v for v in k))
    block, step = min(RATE * 4 // 10, len(k)), RATE // 10
    powers = [(sums[a + block] - sums[a]) / block for a in range(0, len(k) - block + 1, step)] if block else []

    def gated_mean(gate):
        kept = [p for p in powers if p > 0 and -0.691 + 10 * math.log10(p) > gate]
        return sum(kept) / len(kept) if kept else 0.0

    first = gated_mean(-70.0)
    if first == 0.0:
        return -math.inf
    return -0.691 + 10 * math.log10(gated_mean(max(-70.0, -0.691 + 10 * math.log10(first) - 10)))


SHORT_CUE_ALLOWANCE = 4.0  # dB a short cue's loudest 100 ms stands above its family's target


def loudest_100ms(path):
    """The loudness of the loudest 100 ms (K-weighted mean square), a shorter cue padded with silence."""
    k = samples(path, _k_weighting(RATE))
    sums = [0.0] + list(accumulate(v * v for v in k))
    span = RATE // 10
    best = max(sums[min(a + span, len(k))] - sums[a] for a in range(0, max(1, len(k) - span + 1), RATE // 1000))
    return -0.691 + 10 * math.log10(max(best / span, 1e-20))


def level(path):
    """What a cue is levelled by: integrated loudness, or for a cue shorter than one block (a click, a knock)
    its loudest 100 ms less the allowance; measured over a whole block it would read as quiet as the silence
    around it and be made far too loud."""
    if len(samples(path)) >= RATE * 4 // 10:
        return integrated(path)
    return loudest_100ms(path) - SHORT_CUE_ALLOWANCE


def true_peak(path):
    out = subprocess.run(['sox', path, '-n', 'rate', '-v', str(4 * RATE), 'stats'],
                         check=True, capture_output=True, text=True).stderr
    return float(re.search(r'Pk lev dB\s+(-?[\d.]+|-inf)', out).group(1))
