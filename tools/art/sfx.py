#!/usr/bin/env python3
"""Every sound cue, synthesised with sox: 16-bit PCM mono WAV at 44.1 kHz, peaks normalised to -3 dBFS
(the two loops to -8), soft attacks and decays so nothing clicks.  sox -R keeps its noise repeatable."""
import os
import subprocess
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'assets')
SOX = ['sox', '-R']
P = '-c 1 -p'
O = ['-r', '44100', '-c', '1', '-b', '16', '-e', 'signed-integer']


def src(recipe):
    return f'|sox -R -r 44100 -n {P} {recipe} vol 0.5'


def note(semi, length=0.6, delay=0.0, wave='sine', vol=1.0):
    """A plucked note: semitones from A4, exponential-ish decay, optional delay."""
    return src(f'synth {length} {wave} %{semi} sine %{semi + 12} remix 1 fade l 0.004 {length} {length * 0.95:.3f} '
               f'pad {delay:.3f} vol {vol}')


def mix(name, parts, post='', level=-3):
    args = SOX + (['-m'] if len(parts) > 1 else []) + parts + O + [os.path.join(OUT, name + '.wav')]
    args += post.split() + ['gain', '-n', str(level)]
    subprocess.run(args, check=True)


def one(name, recipe, level=-3):
    subprocess.run(SOX + ['-r', '44100', '-n'] + O + [os.path.join(OUT, name + '.wav')] + recipe.replace(' fade', ' gain -8 fade', 1).split() + ['gain', '-n', str(level)], check=True)


def arp(notes, step=0.09, length=0.6, wave='sine'):
    return [note(n, length, i * step, wave) for i, n in enumerate(notes)]


def build():
    os.makedirs(OUT, exist_ok=True)
    # small interface sounds
    one('bet', 'synth 0.06 sine 1760 fade l 0.002 0.06 0.05')
    one('butt_click', 'synth 0.035 sine 1200 fade l 0.001 0.035 0.03', level=-6)
    one('card', 'synth 0.09 pinknoise fade l 0.003 0.09 0.08 bandpass 2500 1.2q')
    one('nocred', 'synth 0.35 square 180 square 150 remix 1 gain -8 lowpass 1200 fade q 0.01 0.35 0.1', level=-6)
    mix('credit', [src('synth 0.45 sine 2637 sine 3951 remix 1 fade l 0 0.45 0.44'),
                   src('synth 0.40 sine 2794 sine 4186 remix 1 fade l 0 0.40 0.39 pad 0.07')])
    # reels
    one('barab_up', 'synth 0.25 sine 220-160 fade q 0.01 0.25 0.2')
    mix('barab_start', [src('synth 0.35 sine 90-260 fade q 0.01 0.35 0.2'),
                        src('synth 0.2 brownnoise lowpass 500 fade l 0.01 0.2 0.19')])
    # the spin loop is exactly 0.5 s of whole periods (20 Hz ratchet, 60/120 Hz hum): seamless when repeated
    mix('barab', [src('synth 0.5 square 20 gain -10 highpass 2500 lowpass 6000'),
                  src('synth 0.5 sine 60 sine 120 remix 1 gain -14')], level=-8)
    mix('barab_stop', [src('synth 0.2 sine 150-45 fade l 0 0.2 0.19'),
                       src('synth 0.05 brownnoise lowpass 900 fade l 0 0.05 0.045')])
    # wins and awards: chimes in C major, bigger for bigger news
    mix('komb1', arp([3, 7, 10]))
    mix('komb2', arp([3, 7, 10, 15], 0.08))
    mix('komb3', arp([3, 7, 10, 15, 19, 22], 0.07, 0.8))
    mix('jpot', arp([3, 7, 10, 15, 19, 22, 27, 22, 27], 0.11, 1.2, 'triangle'), post='reverb 40')
    mix('take_win', arp([10, 15, 19], 0.06) + [src('synth 0.45 sine 2637 sine 3951 remix 1 fade l 0 0.45 0.44 pad 0.2')])
    mix('add', arp([-2, 3, 7], 0.1, 0.7, 'triangle'))
    mix('addgam', arp([3, 10, 15, 22], 0.09, 0.8, 'triangle'), post='reverb 30')
    mix('rbyes', arp([10, 15], 0.08, 0.5))
    mix('rbno', [note(-2, 0.5, 0, 'triangle'), note(-6, 0.7, 0.18, 'triangle')])
    mix('exit', arp([15, 10, 7, 3], 0.1, 0.6, 'triangle'))
    # barrels and blasts
    one('blast', 'synth 0.5 brownnoise fade l 0.002 0.5 0.48 lowpass 1500 overdrive 10 gain -6', level=-4)
    one('barrcr', 'synth 1.8 brownnoise fade l 0.004 1.8 1.75 lowpass 700 gain -6 overdrive 25 gain -8 reverb 60', level=-2)
    mix('barroff', [src('synth 0.3 sine 110-70 fade l 0.002 0.3 0.28'), src('synth 0.1 pinknoise lowpass 1500 fade l 0 0.1 0.09')])
    mix('barron', [src('synth 0.3 sine 110-70 fade l 0.002 0.3 0.28')] + arp([15, 19, 22, 27], 0.07))
    # the voyage
    one('brig_move', 'synth 0.6 pinknoise fade q 0.05 0.6 0.4 highpass 400 lowpass 3000 tremolo 6 40', level=-8)
    mix('sbon', [src('synth 1.2 pinknoise highpass 300 lowpass 2500 fade q 0.1 1.2 0.6 vol 0.3')] + arp([-2, 3, 7, 10], 0.12, 0.9, 'triangle'))
    one('sbon_dead', 'synth 1.4 pinknoise fade q 0.03 1.4 1.0 gain -6 highpass 200 lowpass 2500 tremolo 12 60 reverb 40', level=-4)
    mix('sbon_win', arp([3, 7, 10, 15, 10, 15], 0.1, 0.7, 'triangle'))
    # chests: a quiet cave drip loop (exactly 2 s of whole periods) and the two openings
    mix('sun_fon', [src('synth 2 sine 55 sine 82.5 remix 1 vol 0.5'),
                    src('synth 0.3 sine 1320-990 fade l 0.002 0.3 0.28 vol 0.5 pad 0.4 1.3'),
                    src('synth 0.3 sine 1480-1100 fade l 0.002 0.3 0.28 vol 0.35 pad 1.3 0.4')], level=-8)
    mix('sunfull_open', [src('synth 0.25 sine 160-80 fade l 0.002 0.25 0.24')] + arp([15, 19, 22, 27, 31], 0.06, 0.7))
    mix('sunnul_open', [src('synth 0.25 sine 160-80 fade l 0.002 0.25 0.24'), note(-6, 0.6, 0.15, 'triangle')])
    # the two spare waves
    mix('bonbar', arp([3, 7, 10, 15, 10, 7], 0.12, 0.7, 'triangle'))
    mix('rb', arp([10, 7, 10, 15], 0.1, 0.6))


if __name__ == '__main__':
    build()
