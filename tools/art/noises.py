"""The cues that are not music, and the effects laid under some musical ones: wood, ratchets, coins, water,
gunpowder.  Each is a struck or excited body (a tone or noise with its own decay) coloured by sox filters."""
from synth import add, filtered, impulses, noise, scaled, silence, tone

# a ratchet's pawl: a tick of noise ringing in a small wooden body, with a low knock of the drum behind it
def pawl(seed, pitch=1.0, level=1.0):
    tick = filtered(noise(0.03, seed, decay=0.0012, attack=0.0003), 'bandpass', str(3200 * pitch), '1.5q')
    body = tone(0.04, 950 * pitch, 820 * pitch, decay=0.006, attack=0.0006, partials=((1, 1), (2.3, 0.4)))
    knock = tone(0.04, 150, 120, decay=0.012, attack=0.001)
    out = add(add(scaled(tick, 1.6), body, gain=0.5), knock, gain=0.45)
    return scaled(out, level)


def wood_tick(seed, pitch, length):
    out = tone(length, pitch, pitch * 0.97, decay=0.008, attack=0.0005, partials=((1, 1), (2.1, 0.5), (3.4, 0.2)))
    return add(out, filtered(noise(0.01, seed, decay=0.0008, attack=0.0002), 'bandpass', '3500', '1q'), gain=0.8)


def bet():
    return wood_tick(1, 1250, 0.07)


def butt_click():
    return scaled(wood_tick(2, 1750, 0.05), 0.8)


def card():
    out = silence(0.22)
    add(out, filtered(noise(0.03, 3, decay=0.004, attack=0.0004), 'bandpass', '2400', '1.2q'), gain=1.2)
    add(out, tone(0.05, 260, 200, decay=0.01, attack=0.001), gain=0.5)
    add(out, filtered(noise(0.2, 4, swell=0.05), 'bandpass', '4000', '1q', 'lowpass', '8000'), 0.012, gain=0.15)
    return out


def creak(seconds, seed, rate0, rate1, body=(620, 1450)):
    """Stick-slip of timber: ticks whose rate glides from rate0 to rate1 per second, ringing in the wood."""
    times, t = [], 0.004
    while t < seconds - 0.02:
        x = t / seconds
        times.append((t, (4 * x * (1 - x)) ** 0.7))  # swells in and out
        t += 1.0 / (rate0 + (rate1 - rate0) * x)
    ticks = impulses(seconds, times, seed)
    out = silence(seconds)
    for f in body:
        add(out, filtered(ticks, 'bandpass', str(f), '6q'))
    return filtered(out, 'sinc', '-5000')  # wood does not ring above a few kHz, and clicks would


def barab_up():
    out = add(silence(0.28), creak(0.26, 5, 45, 30), gain=0.35)
    for i, (t, p) in enumerate(((0.002, 1.1), (0.085, 0.95), (0.17, 0.82))):
        add(out, pawl(6 + i, p, 1.0 - 0.12 * i), t)
    return out


def barab_start():
    out = silence(0.48)
    add(out, tone(0.2, 120, 60, decay=0.05, attack=0.002), 0.001, gain=1.0)
    add(out, filtered(noise(0.08, 9, decay=0.015, attack=0.001), 'lowpass', '1200'), 0.001, gain=0.8)
    t, gap, k = 0.08, 0.075, 0
    while t < 0.46:
        add(out, pawl(10 + k, 1.0 + 0.02 * k, 0.6 + 0.03 * k), t)
        t, gap, k = t + gap, max(0.05, gap * 0.9), k + 1
    add(out, filtered(noise(0.45, 11, swell=0.4), 'bandpass', '1800', '1q'), 0.03, gain=0.08)
    return out


def barab():
    """One second of ratchet, twenty clicks 2205 samples apart: the loop repeats it with no seam."""
    out = silence(1.0)
    for k in range(20):
        add(out, pawl(20 + k % 4, (1.0, 0.97, 1.02, 0.99)[k % 4], 1.0 if k % 2 == 0 else 0.82), 0.001 + k * 0.05)
    return out


def barab_stop():
    out = silence(0.26)
    add(out, tone(0.25, 170, 70, decay=0.045, attack=0.0015, partials=((1, 1), (2.7, 0.25))), 0.001)
    add(out, filtered(noise(0.06, 12, decay=0.012, attack=0.0008), 'lowpass', '1400'), 0.001, gain=0.9)
    add(out, pawl(13, 0.9, 0.5), 0.002)
    return out


def brig_move():
    out = silence(0.47)
    add(out, filtered(noise(0.46, 14, swell=0.14), 'highpass', '350', 'lowpass', '2200'), 0.004, gain=0.9)
    add(out, creak(0.3, 15, 55, 80, body=(480, 1100)), 0.06, gain=0.5)
    return out


def blast():
    out = silence(0.6)
    add(out, filtered(noise(0.004, 16, decay=0.001, attack=0.0003), 'highpass', '2000'), 0.001, gain=0.3)
    add(out, filtered(noise(0.5, 17, decay=0.09, attack=0.002), 'lowpass', '2500', 'overdrive', '6'),
        0.001, gain=0.9)
    add(out, tone(0.5, 90, 45, decay=0.12, attack=0.003), 0.001, gain=0.9)
    return filtered(out, 'reverb', '40', '50', '60', '100', '0', '-8')


def barrcr():
    out = silence(1.8)
    add(out, filtered(noise(1.7, 18, decay=0.3, attack=0.003), 'lowpass', '900', 'overdrive', '12'), 0.001)
    add(out, tone(1.2, 58, 32, decay=0.35, attack=0.004), 0.001, gain=1.2)
    crackle = impulses(1.6, [(0.05 + 0.037 * k + 0.011 * (k * 7 % 5), 0.9 * 0.93 ** k) for k in range(36)], 19,
                       width=0.0008)
    add(out, filtered(crackle, 'bandpass', '2500', '0.8q'), 0.02, gain=1.5)
    return filtered(out, 'reverb', '70', '60', '100', '100', '10', '-6')


def barroff():
    out = silence(0.35)
    knock = tone(0.3, 205, 190, decay=0.055, attack=0.001, partials=((1, 1), (1.62, 0.5), (2.9, 0.2)))
    add(out, knock, 0.001)
    add(out, filtered(noise(0.03, 20, decay=0.004, attack=0.0005), 'bandpass', '1100', '1q'), 0.001, gain=0.7)
    add(out, scaled(knock, 0.4), 0.12)
    return filtered(out, 'reverb', '30', '50', '40', '100', '0', '-10')


def coin(seed, f, level):
    """A small disc struck: inharmonic partials, the higher ones dying first."""
    out = tone(0.35, f, decay=0.12, attack=0.0004, partials=((1, 1),))
    for ratio, amp, d in ((2.76, 0.7, 0.07), (5.40, 0.3, 0.04), (8.93, 0.15, 0.02)):
        add(out, tone(0.3, f * ratio, decay=d, attack=0.0004), gain=amp)
    add(out, filtered(noise(0.01, seed, decay=0.0008, attack=0.0002), 'highpass', '4000'), gain=0.5)
    return scaled(out, level)


def coins(seconds, hits):
    out = silence(seconds)
    for i, (t, f, level) in enumerate(hits):
        add(out, coin(30 + i, f, level), t)
    return out


def credit():
    return coins(0.5, ((0.001, 2350, 1.0), (0.07, 2780, 0.8), (0.15, 2520, 0.65), (0.2, 3050, 0.4)))


# layers under musical cues
def take_win_coins():
    return coins(0.9, ((0.34, 2600, 0.5), (0.41, 2950, 0.4), (0.5, 2700, 0.3)))


def lid_creak():
    return add(silence(0.28), creak(0.26, 40, 35, 90), 0.004)


def barrel_thud():
    out = silence(0.3)
    add(out, tone(0.28, 140, 80, decay=0.05, attack=0.0015), 0.001)
    add(out, filtered(noise(0.05, 41, decay=0.008, attack=0.001), 'lowpass', '1500'), 0.001, gain=0.6)
    return out


def sea_swell():
    return filtered(noise(2.0, 42, swell=0.9), 'lowpass', '1200', 'highpass', '150')


def splash():
    out = silence(1.9)
    add(out, filtered(noise(1.2, 43, swell=0.25), 'highpass', '400', 'lowpass', '2500'), 0.55)
    add(out, tone(0.5, 70, 40, decay=0.2, attack=0.01), 0.55, gain=0.6)
    return out


def drips(seconds):
    """Water drops in a cave, within one period of the chest loop."""
    out = silence(seconds)
    for at, f, level in ((0.11, 1150, 1.0), (0.39, 1400, 0.7), (0.59, 1250, 0.85), (0.83, 1500, 0.6)):
        add(out, tone(0.09, f, f * 1.6, decay=0.018, attack=0.002), at * seconds, gain=level)
    return out
