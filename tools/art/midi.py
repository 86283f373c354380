"""Standard MIDI Files (format 1) from note lists: just what the sound cues need.

Time is counted in eighth notes (the tunes are in 6/8); a song's tempo says how long an eighth lasts."""
import struct

TICKS_PER_EIGHTH = 240
DRUMS = 9  # General MIDI's percussion channel (0-based)

NAMES = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def pitch(name):
    """'D4' -> 62, 'F#4' -> 66, 'Bb3' -> 58; a number passes through."""
    if isinstance(name, int):
        return name
    semis = NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in '#b':
        semis += 1 if rest[0] == '#' else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + semis


def _vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


class Part:
    """One instrument on one channel."""

    def __init__(self, channel, program, volume, pan):
        self.channel = channel
        self.events = []  # (tick, order, bytes): note-offs sort before note-ons at the same tick
        if channel != DRUMS:
            self._at(0, 0, [0xC0 | channel, program])
        self._at(0, 0, [0xB0 | channel, 7, volume])
        self._at(0, 0, [0xB0 | channel, 10, pan])
        # no send to the synthesiser's own reverb and chorus: sox adds one room to the whole cue
        self._at(0, 0, [0xB0 | channel, 91, 0])
        self._at(0, 0, [0xB0 | channel, 93, 0])

    def _at(self, tick, order, data):
        self.events.append((tick, order, bytes(data)))

    def note(self, start, length, name, velocity=96):
        """start and length in eighths."""
        key = pitch(name)
        on = round(start * TICKS_PER_EIGHTH)
        off = max(on + 1, round((start + length) * TICKS_PER_EIGHTH))
        self._at(on, 2, [0x90 | self.channel, key, velocity])
        self._at(off, 1, [0x80 | self.channel, key, 0])
        return self

    def notes(self, start, seq, velocity=96, legato=0.95):
        """seq: (name, eighths) pairs played one after another, None for a rest; returns the end."""
        t = start
        for name, length in seq:
            if name is not None:
                for n in (name if isinstance(name, (list, tuple)) else [name]):
                    self.note(t, length * legato, n, velocity)
            t += length
        return t

    def bend(self, start, cents, span=2):
        """Pitch bend (span = the synthesiser's default range of 2 semitones)."""
        value = max(0, min(16383, 8192 + round(cents / (span * 100) * 8192)))
        self._at(round(start * TICKS_PER_EIGHTH), 0, [0xE0 | self.channel, value & 0x7F, value >> 7])

    def track(self, end_tick):
        data = b''
        last = 0
        for tick, _, ev in sorted(self.events, key=lambda e: (e[0], e[1])):
            data += _vlq(tick - last) + ev
            last = tick
        data += _vlq(max(0, end_tick - last)) + b'\xff\x2f\x00'
        return data


class Song:
    def __init__(self, eighth_seconds):
        self.eighth = eighth_seconds
        self.parts = []

    def part(self, program, volume=100, pan=64):
        channel = len([p for p in self.parts if p.channel != DRUMS])
        if channel >= DRUMS:
            channel += 1
        p = Part(channel, program, volume, pan)
        self.parts.append(p)
        return p

    def drums(self, volume=80):
        """The one percussion part (its channel has one volume), made on first use."""
        for p in self.parts:
            if p.channel == DRUMS:
                return p
        p = Part(DRUMS, 0, volume, 64)
        self.parts.append(p)
        return p

    def repeat(self, times, period):
        """Every note played `times` times, period eighths apart: a loop rendered whole."""
        shift = round(period * TICKS_PER_EIGHTH)
        for p in self.parts:
            notes = [e for e in p.events if e[2][0] & 0xE0 == 0x80]  # note-ons and note-offs
            p.events += [(t + k * shift, order, ev) for k in range(1, times) for t, order, ev in notes]

    def seconds(self, eighths):
        return eighths * self.eighth

    def write(self, path, length_eighths):
        """The file runs for length_eighths, so the render keeps every note's release."""
        end = round(length_eighths * TICKS_PER_EIGHTH)
        quarter_us = round(self.eighth * 2 * 1e6)
        tempo = b'\x00\xff\x51\x03' + quarter_us.to_bytes(3, 'big')
        meter = b'\x00\xff\x58\x04\x06\x03\x18\x08'  # 6/8
        tracks = [tempo + meter + _vlq(end) + b'\xff\x2f\x00'] + [p.track(end) for p in self.parts]
        with open(path, 'wb') as f:
            f.write(b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), 2 * TICKS_PER_EIGHTH))
            for t in tracks:
                f.write(b'MTrk' + struct.pack('>I', len(t)) + t)
