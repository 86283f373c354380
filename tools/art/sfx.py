#!/usr/bin/env python3
"""Every sound cue as 16-bit PCM mono WAV at 44.1 kHz.

Music is written as MIDI (shanty.py) and played through fluidsynth with the FluidR3 General MIDI sound font;
the other cues are built in noises.py.  Each is then finished with sox: DC and rumble removed, a touch of room,
cut to its length, a short fade in and out, and brought to its family's level (sounds.tsv): EBU R128
integrated loudness, or for a cue under 0.4 s its loudest 100 ms (loudness.level).
The two loops are made from three periods, of which the middle one is kept and cross-faded into itself."""
import math
import os
import subprocess
import sys
from array import array

import cuetable
import loudness
import noises
import shanty
import synth

HERE = os.path.dirname(os.path.abspath(__file__))
WORK = os.path.join(HERE, 'work', 'sound')
SOUNDFONT = '/usr/share/sounds/sf2/FluidR3_GM.sf2'
MAX_TRUE_PEAK = -1.3  # dBTP: the test allows -1, our meter and the test's may differ by a tenth
LOOP_JOIN = 0.03      # seconds cross-faded where a loop meets itself

# musical cue: (room: sox reverberance or 0, layers under it: (noise recipe, level in LU against the music))
MUSIC = {
    'komb1': (30, ()), 'rbyes': (25, ()), 'take_win': (30, ((noises.take_win_coins, -6),)),
    'komb2': (30, ()), 'add': (30, ()), 'barron': (30, ((noises.barrel_thud, -3),)),
    'sunfull_open': (35, ((noises.lid_creak, -8),)), 'bonbar': (30, ()),
    'komb3': (40, ()), 'addgam': (40, ()), 'sbon_win': (40, ()), 'jpot': (55, ()),
    'sbon': (40, ((noises.sea_swell, -10),)), 'sbon_dead': (45, ((noises.splash, -13),)),
    'rbno': (25, ()), 'sunnul_open': (30, ((noises.lid_creak, -4),)), 'rb': (30, ()),
    'exit': (35, ()), 'nocred': (15, ()), 'sun_fon': (50, ((lambda: noises.drips(shanty.LOOP_SECONDS), -12),)),
}
# synthesised cue: (recipe, room)
EFFECTS = {
    'bet': (noises.bet, 0), 'butt_click': (noises.butt_click, 0), 'card': (noises.card, 0),
    'credit': (noises.credit, 20), 'barab_up': (noises.barab_up, 0), 'barab_start': (noises.barab_start, 0),
    'barab': (noises.barab, 0), 'barab_stop': (noises.barab_stop, 0), 'brig_move': (noises.brig_move, 20),
    'blast': (noises.blast, 0), 'barrcr': (noises.barrcr, 0), 'barroff': (noises.barroff, 0),
}


def path(name, kind):
    return os.path.join(WORK, f'{name}.{kind}.wav')


def render(name, song, eighths, periods=1):
    """The song through fluidsynth as mono floats: eighths of it, or that many periods of a loop."""
    mid = os.path.join(WORK, name + '.mid')
    song.repeat(periods, eighths)
    song.write(mid, eighths * periods + 16)
    out = path(name, 'render')
    subprocess.run(['fluidsynth', '-ni', '-q', '-F', out, '-r', '44100', '-O', 'float', '-T', 'wav', '-g', '0.4',
                    '-R', '0', '-C', '0', SOUNDFONT, mid], check=True)
    samples = synth.read(out)
    return samples[:round(song.seconds(eighths * periods) * synth.RATE)]


def level_of(samples, name):
    taken = synth.write(path(name, 'level'), samples)
    return loudness.integrated(path(name, 'level')) + taken


def with_layers(name, music, layers, periods):
    """Lays each effect under the music at its loudness relative to the music."""
    reference = level_of(music, name)
    out = array('d', music)
    for recipe, relative in layers:
        layer = recipe()
        gain = 10 ** ((reference + relative - level_of(layer, name)) / 20)
        for k in range(periods):
            synth.add(out, layer, k * len(music) / periods / synth.RATE, gain)
    return out


def loop_period(samples, periods):
    """The middle period, its start cross-faded with what follows its end: repeating it has no seam.
    Turned to start near zero in the quietest spot of its first 20 ms, so its first play does not pop."""
    n = len(samples) // periods
    join = round(LOOP_JOIN * synth.RATE)
    out = array('d', samples[n:2 * n])
    for i in range(join):
        w = 0.5 - 0.5 * math.cos(math.pi * i / join)
        out[i] = out[i] * w + samples[2 * n + i] * (1 - w)
    def pop(i):  # the step from silence, and the level a millisecond either side (across the seam)
        return abs(out[i]) + 0.1 * math.sqrt(sum(out[(i + k) % n] ** 2 for k in range(-44, 44)) / 88)

    start = min(range(round(0.02 * synth.RATE)), key=pop)
    return out[start:] + out[:start]


def finish(samples, room, loop, glue):
    """DC and rumble off, a touch of room, for music a gentle compressor that holds the loudest chords down,
    then for one-shots the cut and its fades."""
    seconds = len(samples) / synth.RATE
    effects = ['highpass', '25']
    if room:
        effects += ['reverb', str(room), '50', '50', '100', '0', '-9']
    if glue:
        # peaks set to -6 dBFS; above -20 the level grows at half the rate, with 3 ms of look-ahead
        effects += ['gain', '-n', '-6', 'compand', '0.003,0.08', '4:-20,-20,-6,-13', '0', '-90', '0.003']
    if loop:
        return loop_period(synth.filtered(samples, *effects), 3)
    fade_out = min(0.25, 0.3 * seconds)
    effects += ['trim', '0', f'{seconds:.5f}', 'fade', 'h', '0.002', f'{seconds:.5f}', f'{fade_out:.5f}',
                'pad', '0.001', '0']
    return synth.filtered(samples, *effects)


def normalise(cue, samples, out_dir):
    synth.write(path(cue.name, 'finished'), samples)
    gain = cue.target - loudness.level(path(cue.name, 'finished'))
    out = os.path.join(out_dir, cue.name + '.wav')
    subprocess.run(['sox', '-R', path(cue.name, 'finished'), '-r', '44100', '-c', '1', '-b', '16',
                    '-e', 'signed-integer', out, 'gain', f'{gain:.4f}'], check=True)
    peak = loudness.true_peak(out)
    if peak > MAX_TRUE_PEAK:
        sys.exit(f'{cue.name}: true peak {peak} dBTP at {cue.target} LUFS; soften its attacks or lower its family')


def build(out_dir):
    os.makedirs(WORK, exist_ok=True)
    os.makedirs(out_dir, exist_ok=True)
    for cue in cuetable.read():
        periods = 3 if cue.loop else 1
        if cue.name in MUSIC:
            room, layers = MUSIC[cue.name]
            song, eighths = shanty.CUES[cue.name]()
            samples = with_layers(cue.name, render(cue.name, song, eighths, periods), layers, periods)
        else:
            recipe, room = EFFECTS[cue.name]
            samples = recipe() * periods
        normalise(cue, finish(samples, room, cue.loop, cue.name in MUSIC), out_dir)


if __name__ == '__main__':
    build(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '..', '..', 'assets'))
