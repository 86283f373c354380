"""The cues that are not music, and the effects laid under some musical ones: wood, ratchets, coins, water,
gunpowder.  Wood, barrels and coins are struck bodies made by modal synthesis (a strike ringing the body's own
inharmonic modes, the higher ones dying first); gunpowder and water are shaped noise coloured by sox filters.
Every body keeps some of its ring between 400 Hz and 2 kHz, where a laptop's small speaker still sounds."""
import random

from synth import add, filtered, impulses, modal, noise, pulse, scaled, silence, tone

# modes of small wooden bodies as (frequency ratio, decay, level): a block struck on its face
WOOD_BLOCK = ((1.0, 0.010, 1.0), (2.32, 0.006, 0.55), (4.25, 0.003, 0.3), (6.63, 0.0016, 0.15))
# a reel's drum or a barrel's stave: lower, longer, a hollow body under it
DRUM_WOOD = ((1.0, 0.04, 0.6), (2.36, 0.03, 0.9), (4.4, 0.02, 0.8), (7.2, 0.012, 0.55), (11.1, 0.006, 0.35),
             (16.3, 0.003, 0.15))


def struck(f0, modes, seconds, width, seed, scrape=0.0):
    """A body with the given modes at f0, struck by a push of the given width, with a little noise of the
    contact (scrape) ringing the same modes."""
    rng = random.Random(seed)
    hit = pulse(width, seconds)
    if scrape:
        add(hit, noise(0.004, seed, decay=0.001, attack=0.0002), gain=0.1 * scrape)
    return modal(hit, [(f0 * r * rng.uniform(0.98, 1.02), d, level) for r, d, level in modes], seconds)


def pawl(seed, pitch=1.0, level=1.0):
    """A ratchet's pawl falling on a tooth: a hard little tick in the wooden housing."""
    tick = filtered(noise(0.02, seed, decay=0.0012, attack=0.0003), 'bandpass', str(3000 * pitch), '1.5q')
    body = struck(820 * pitch, WOOD_BLOCK, 0.04, 0.0003, seed)
    knock = struck(170, DRUM_WOOD, 0.15, 0.0015, seed + 100)
    out = add(add(add(silence(0.15), tick, gain=1.2), body, gain=0.6), knock, gain=0.35)
    return scaled(out, level)


def wood_tick(seed, f0, length):
    """A hard wooden key: a small block struck by a knuckle-sized push, no pitch glide, a touch of contact."""
    # no weight below the block's own ring: a short struck tone leans to one side, a small DC step
    return filtered(struck(f0, WOOD_BLOCK, length, 0.00025, seed, scrape=0.3), 'highpass', '300')


def bet():
    return wood_tick(1, 1050, 0.06)


def butt_click():
    return scaled(wood_tick(2, 1600, 0.045), 0.8)


def card():
    """A card slapped down on the table: all of it in its first 30 ms, where the verdict cuts it."""
    out = silence(0.08)
    slap = filtered(noise(0.012, 3, decay=0.0025, attack=0.0002), 'bandpass', '2600', '0.8q')
    add(out, slap, 0.001, gain=1.3)
    add(out, struck(300, DRUM_WOOD[:4], 0.05, 0.002, 4), 0.001, gain=0.4)  # the table under it
    return out


def creak(seconds, seed, rate0, rate1, body=(620, 1450)):
    """Stick-slip of timber: ticks whose rate glides from rate0 to rate1 per second, each one a little early
    or late, ringing in the wood."""
    rng = random.Random(seed)
    times, t = [], 0.004
    while t < seconds - 0.02:
        x = t / seconds
        times.append((t, (4 * x * (1 - x)) ** 0.7 * rng.uniform(0.6, 1.0)))  # swells in and out
        t += rng.uniform(0.7, 1.3) / (rate0 + (rate1 - rate0) * x)
    ticks = impulses(seconds, times, seed)
    out = silence(seconds)
    for f in body:
        add(out, filtered(ticks, 'bandpass', str(f), '6q'))
    return filtered(out, 'sinc', '-5000')  # wood does not ring above a few kHz, and clicks would


def barab_up():
    """The reels winding back: three pawl clicks falling in pitch within 100 ms, as long as a quick tap."""
    out = add(silence(0.13), creak(0.11, 5, 90, 60), gain=0.35)
    for i, (t, p) in enumerate(((0.002, 1.1), (0.032, 0.95), (0.062, 0.82))):
        add(out, pawl(6 + i, p, 1.0 - 0.1 * i), t)
    return out


def thunk(seed, f0=140, seconds=0.25):
    """A heavy wooden lever or drum coming to a hard stop: a broad push into the drum's modes."""
    out = struck(f0, DRUM_WOOD, seconds, 0.002, seed, scrape=0.15)
    add(out, filtered(noise(0.05, seed, decay=0.01, attack=0.0008), 'bandpass', '900', '0.7q'), gain=0.35)
    return out


def barab_start():
    out = silence(0.45)
    add(out, thunk(9, 125, 0.2), 0.001)
    t, gap, k = 0.08, 0.075, 0
    while t < 0.43:
        add(out, pawl(10 + k, 1.0 + 0.02 * k, 0.6 + 0.03 * k), t)
        t, gap, k = t + gap, max(0.05, gap * 0.9), k + 1
    add(out, filtered(noise(0.42, 11, swell=0.38), 'bandpass', '1800', '1q'), 0.02, gain=0.08)
    return out


def barab():
    """One second of ratchet, twenty clicks 2205 samples apart: the loop repeats it with no seam."""
    out = silence(1.0)
    for k in range(20):
        add(out, pawl(20 + k % 4, (1.0, 0.97, 1.02, 0.99)[k % 4], 1.0 if k % 2 == 0 else 0.82), 0.001 + k * 0.05)
    return out


def barab_stop():
    """The drum thuds into its rest and the pawl drops into place."""
    out = silence(0.26)
    add(out, thunk(12, 175, 0.25), 0.001)
    add(out, pawl(13, 0.9, 0.5), 0.004)
    return out


def brig_move():
    out = silence(0.47)
    add(out, filtered(noise(0.46, 14, swell=0.14), 'highpass', '350', 'lowpass', '2200'), 0.004, gain=0.9)
    add(out, creak(0.3, 15, 55, 80, body=(480, 1100)), 0.06, gain=0.5)
    return out


def boom(seconds, seed, decay, low, high):
    """Gunpowder going up: a noise burst whose colour darkens from high to low Hz as it dies, overdriven."""
    out = silence(seconds)
    bands = 6
    for b in range(bands):
        cut = high * (low / high) ** (b / (bands - 1))
        start = b * decay / bands
        part = noise(seconds - start, seed + b, decay=decay, attack=0.002 if b == 0 else 0.01)
        add(out, filtered(part, 'lowpass', f'{cut:.0f}', 'lowpass', f'{cut:.0f}'), start, gain=0.8 ** b)
    return filtered(out, 'overdrive', '8')


def crackle(seconds, seed, rate, first=0.02):
    """Burning powder: sparks at random moments (a Poisson process thinning out) and of random size."""
    rng = random.Random(seed)
    times, t = [], first
    while t < seconds - 0.01:
        fade = 1.0 - t / seconds
        times.append((t, rng.uniform(0.2, 1.0) * fade))
        t += rng.expovariate(rate * (0.3 + fade))
    return filtered(impulses(seconds, times, seed, width=0.0006), 'bandpass', '2200', '0.6q')


def blast():
    """A musket shot: the crack of the charge, its boom and the smoke's rumble."""
    out = silence(0.6)
    add(out, filtered(noise(0.004, 16, decay=0.001, attack=0.0003), 'highpass', '2000'), 0.001, gain=0.3)
    add(out, boom(0.55, 17, 0.08, 250, 3500), 0.001, gain=0.9)
    return filtered(out, 'reverb', '40', '50', '60', '100', '0', '-8')


def barrcr():
    """A powder barrel going up: the boom, the staves' splintering crackle, a long rumble."""
    out = silence(1.8)
    add(out, boom(1.7, 18, 0.3, 120, 2200), 0.001)
    add(out, crackle(1.6, 19, 28), 0.02, gain=1.6)
    add(out, struck(180, DRUM_WOOD, 0.4, 0.002, 21), 0.001, gain=0.5)  # the staves bursting apart
    return filtered(out, 'reverb', '70', '60', '100', '100', '10', '-6')


def barroff():
    """Knuckles on an empty barrel: a stave's knock over the hollow's boom, twice."""
    out = silence(0.35)
    knock = struck(240, ((1.0, 0.06, 0.7), (1.55, 0.04, 0.7), (2.45, 0.025, 0.75), (3.6, 0.015, 0.6),
                         (5.3, 0.008, 0.4), (7.7, 0.004, 0.2)), 0.3, 0.0012, 20, scrape=0.1)
    add(out, knock, 0.001)
    add(out, scaled(knock, 0.45), 0.12)
    return filtered(out, 'reverb', '30', '50', '40', '100', '0', '-10')


# a coin: a thin metal disc, its modes far from harmonic, the higher ones dying first
COIN_MODES = ((1.0, 0.16, 1.0), (1.59, 0.12, 0.7), (2.14, 0.09, 0.6), (2.65, 0.07, 0.45), (3.16, 0.05, 0.35),
              (3.65, 0.035, 0.25), (4.15, 0.025, 0.2))


def coin(rng, f0, seconds):
    """One coin dropped: it strikes, bounces two or three times ever sooner and softer, each strike ringing
    the disc differently."""
    out = silence(seconds)
    t, gap, level = 0.0, rng.uniform(0.03, 0.05), 1.0
    for _ in range(rng.randint(2, 3)):
        modes = [(f0 * r * rng.uniform(0.995, 1.005), d, lv * rng.uniform(0.3, 1.0)) for r, d, lv in COIN_MODES]
        hit = modal(pulse(rng.uniform(0.00015, 0.00025), seconds - t), modes)
        add(out, hit, t, gain=level)
        t, gap, level = t + gap, gap * rng.uniform(0.5, 0.7), level * rng.uniform(0.35, 0.55)
        if t > seconds - 0.05:
            break
    return out


def coins(seconds, count, seed, start=0.001, spread=0.2):
    """count coins falling at random moments within spread seconds of start."""
    rng = random.Random(seed)
    out = silence(seconds)
    times = sorted([start] + [start + rng.uniform(0.04, spread) for _ in range(count - 1)])
    for i, t in enumerate(times):
        add(out, coin(rng, rng.uniform(1900, 2700), seconds - t), t, gain=1.0 - 0.15 * i)
    return out


def credit():
    return coins(0.5, 3, 31)


# layers under musical cues
def take_win_coins():
    return coins(0.9, 3, 32, start=0.34, spread=0.2)


def lid_creak():
    return add(silence(0.28), creak(0.26, 40, 35, 90), 0.004)


def barrel_thud():
    return add(silence(0.3), thunk(41, 140, 0.28), 0.001)


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
