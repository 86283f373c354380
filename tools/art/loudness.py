"""EBU R128 integrated loudness and true peak of a sound file, for normalising the cues.

sox does the filtering (BS.1770's K-weighting as two biquads, 4x oversampling for the true peak); the gating
is counted here.  A cue shorter than one 400 ms block is measured as one block."""
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


def true_peak(path):
    out = subprocess.run(['sox', path, '-n', 'rate', '-v', str(4 * RATE), 'stats'],
                         check=True, capture_output=True, text=True).stderr
    return float(re.search(r'Pk lev dB\s+(-?[\d.]+|-inf)', out).group(1))
