"""Sample-level building blocks for the sounds that are not music: decaying tones, noise bursts and a mixer.

Envelopes are made here (every element rises from zero over a short raised-cosine attack, so nothing steps);
colour comes from sox filters.  Noise comes from a seeded generator, so every build gives the same bytes."""
import math
import random
import subprocess
from array import array

RATE = 44100
RELEASE = 88  # samples: 2 ms


def silence(seconds):
    return array('d', bytes(8 * round(seconds * RATE)))


def _attack(i, n):
    return 0.5 - 0.5 * math.cos(math.pi * i / n) if i < n else 1.0


def _ends(i, n, na, nr):
    """A raised-cosine rise over na samples and fall over the last nr, so an element never steps."""
    return _attack(i, na) * _attack(n - 1 - i, nr)


def tone(seconds, f0, f1=None, decay=0.1, attack=0.002, partials=((1.0, 1.0),)):
    """A struck tone: frequency glides exponentially from f0 to f1, amplitude decays with time constant decay.
    partials: (frequency ratio, level) pairs."""
    n, na = round(seconds * RATE), max(1, round(attack * RATE))
    f1 = f1 or f0
    partials = [(r, level) for r, level in partials if max(f0, f1) * r < 0.4 * RATE]  # nothing folds back
    out = array('d', bytes(8 * n))
    phase = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = f0 * (f1 / f0) ** (i / n)
        env = _ends(i, n, na, RELEASE) * math.exp(-t / decay)
        v = 0.0
        for k, (ratio, level) in enumerate(partials):
            phase[k] += 2 * math.pi * f * ratio / RATE
            v += level * math.sin(phase[k])
        out[i] = env * v
    return out


def noise(seconds, seed, decay=None, attack=0.001, swell=None):
    """White noise with a decay (time constant) or a swell (peak time: rises then falls)."""
    rng = random.Random(seed)
    n, na = round(seconds * RATE), max(1, round(attack * RATE))
    out = array('d', bytes(8 * n))
    for i in range(n):
        t = i / RATE
        if swell:
            env = (t / swell) ** 2 if t < swell else math.exp(-(t - swell) / (0.35 * (seconds - swell)))
        else:
            env = _attack(i, na) * (math.exp(-t / decay) if decay else 1.0)
        out[i] = _attack(n - 1 - i, RELEASE) * env * rng.uniform(-1.0, 1.0)
    return out


def impulses(seconds, times, seed, width=0.0004):
    """Tiny noise ticks at the given times (seconds, with their levels): what sets a creak or a crackle off."""
    rng = random.Random(seed)
    out = silence(seconds)
    w = max(2, round(width * RATE))
    for t, level in times:
        start = round(t * RATE)
        for i in range(w):
            if start + i < len(out):
                out[start + i] += level * math.sin(math.pi * i / w) * rng.uniform(0.5, 1.0)
    return out


def pulse(width, seconds=None):
    """A raised-cosine push of the given width (seconds) and unit area: how a mallet, a knuckle or a coin's edge
    strikes.  The narrower, the higher the modes it reaches; those below them it rings at their own level."""
    w = max(2, round(width * RATE))
    out = silence(max(seconds or width, w / RATE))
    for i in range(w):
        out[i] = (1 - math.cos(2 * math.pi * i / w)) / w
    return out


def modal(excitation, modes, seconds=None):
    """Modal synthesis: the excitation rings each mode (frequency, decay time constant, level) of a struck
    body, a two-pole resonator per mode, each scaled to ring at its level for a unit impulse."""
    n = round((seconds or len(excitation) / RATE) * RATE)
    out = array('d', bytes(8 * n))
    for f, decay, level in modes:
        if f >= 0.45 * RATE:
            continue
        w = 2 * math.pi * f / RATE
        r = math.exp(-1.0 / (decay * RATE))
        a1, a2, g = 2 * r * math.cos(w), -r * r, level * math.sin(w)
        y1 = y2 = 0.0
        for i in range(n):
            x = excitation[i] if i < len(excitation) else 0.0
            y = g * x + a1 * y1 + a2 * y2
            y2, y1 = y1, y
            out[i] += y
    for i in range(1, RELEASE + 1):  # nothing rings past the end with a step
        if n - i >= 0:
            out[n - i] *= _attack(i - 1, RELEASE)
    return out


def add(dst, src, at=0.0, gain=1.0):
    start = round(at * RATE)
    for i, v in enumerate(src):
        if start + i >= len(dst):
            break
        dst[start + i] += gain * v
    return dst


def scaled(src, gain):
    return array('d', (gain * v for v in src))


def peak(src):
    return max((abs(v) for v in src), default=0.0)


def headroom(src):
    """The factor that brings a loud mix to a peak of 0.5: sox works in fixed point and clips at 1."""
    p = peak(src)
    return 0.5 / p if p > 0.9 else 1.0


def filtered(src, *effects):
    """The samples through sox effects (mono, same rate), at their own level."""
    k = headroom(src)
    raw = array('f', (k * v for v in src)).tobytes()
    fmt = ['-t', 'f32', '-r', str(RATE), '-c', '1']
    out = subprocess.run(['sox', '-R', *fmt, '-', *fmt, '-', *effects], input=raw, check=True,
                         capture_output=True).stdout
    return array('d', (v / k for v in array('f', out)))


def write(path, src):
    """A float WAV at a peak of 0.5; returns the gain in dB that was taken off."""
    k = 0.5 / max(peak(src), 1e-9)
    fmt = ['-t', 'f32', '-r', str(RATE), '-c', '1']
    subprocess.run(['sox', '-R', *fmt, '-', '-e', 'floating-point', '-b', '32', path],
                   input=array('f', (k * v for v in src)).tobytes(), check=True)
    return -20 * math.log10(k)


def read(path):
    raw = subprocess.run(['sox', path, '-t', 'f32', '-c', '1', '-'], check=True, capture_output=True).stdout
    return array('d', array('f', raw))
