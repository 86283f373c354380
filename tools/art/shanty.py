"""The game's one tune, a sea shanty in D major and 6/8, and the cues arranged from it.

The tune is a pickup and four bars.  A small win plays its opening phrase, a bigger one adds instruments and
the second bar, a fanfare puts them on brass over timpani, the jackpot plays the tune's first, second and last
bars before the game moves on at 2 s; losses fall in D minor.  Folk instruments of the sea (accordion,
concertina, tin whistle, fiddle, a frame drum) carry it; bells and brass mark the big moments.
Each arrangement returns the song and how many eighths the cue keeps, ring included."""
from midi import Song

EIGHTH = 0.115  # seconds: a brisk jig, a dotted quarter at about 174 a minute
FANFARE_EIGHTH = 0.105  # the two-bar wins, so they land well within the 2 s before the next screen
JACKPOT_EIGHTH = 0.095

ACCORDION, CONCERTINA, FIDDLE, TRUMPET, TROMBONE, TUBA, HORN = 21, 23, 110, 56, 57, 58, 60
GLOCKENSPIEL, CELESTA, MUSIC_BOX, BELLS, TIMPANI = 9, 8, 10, 14, 47
PIZZICATO, HARP, BASSOON, CLARINET, WHISTLE = 45, 46, 70, 71, 78
# percussion keys; a hand drum's open and muted strokes stand in for the frame drum
CRASH, TAMBOURINE, TRIANGLE, FRAME_DRUM, FRAME_DRUM_MUTED = 49, 54, 81, 64, 62

PICKUP = [('A3', 1)]
BAR1 = [('D4', 2), ('D4', 1), ('F#4', 2), ('A4', 1)]
BAR2 = [('D5', 2), ('C#5', 1), ('B4', 2), ('A4', 1)]
BAR3 = [('B4', 2), ('G4', 1), ('A4', 2), ('F#4', 1)]
BAR4 = [('E4', 2), ('C#4', 1), ('D4', 3)]
PHRASE = PICKUP + BAR1 + [('D5', 3)]      # the opening phrase, landing on the octave
OPENING = PICKUP + BAR1 + BAR2 + [('D5', 3)]  # the opening two bars, landing on the octave
TUNE = PICKUP + BAR1 + BAR2 + BAR3 + BAR4
# one chord per half bar (three eighths), from the first downbeat
TUNE_CHORDS = ['D', 'D', 'D', 'G', 'G', 'D', 'A', 'D']
ROOTS = {'D': ('D2', 'A2'), 'G': ('G2', 'D3'), 'A': ('A2', 'E2')}
TRIADS = {'D': ('F#3', 'A3', 'D4'), 'G': ('G3', 'B3', 'D4'), 'A': ('G3', 'C#4', 'E4')}


def octave(name, k=1):
    return name[:-1] + str(int(name[-1]) + k)


def up(seq, octaves=1):
    """The same notes some octaves higher (or lower, for a negative count)."""
    return [(octave(n, octaves) if n else None, d) for n, d in seq]


def boom_chuck(song, start, chords, bass_program=TUBA, chuck_program=PIZZICATO, level=88):
    """The jig's accompaniment: a bass note on each dotted quarter, a chord on its last eighth."""
    bass, chuck = song.part(bass_program, volume=64), song.part(chuck_program, volume=62)
    for i, c in enumerate(chords):
        t = start + 3 * i
        bass.note(t, 1.8, ROOTS[c][i % 2], level)
        for n in TRIADS[c]:
            chuck.note(t + 2, 0.8, n, level - 16)


def frame_drum(song, start, bars, level=84):
    """A jig's frame drum: the open stroke on each dotted quarter, muted strokes between."""
    drums = song.drums()
    for bar in range(bars):
        for e, key, v in ((0, FRAME_DRUM, level), (2, FRAME_DRUM_MUTED, level - 24), (3, FRAME_DRUM, level - 12),
                          (5, FRAME_DRUM_MUTED, level - 24)):
            drums.note(start + 6 * bar + e, 0.5, key, v)


def timpani_roll(song, start, length, note='A2', land='D2'):
    """Sixteenth-of-an-eighth strokes swelling into one stroke on the landing note."""
    timp = song.part(TIMPANI, volume=90)
    steps = int(length * 4)
    for i in range(steps):
        timp.note(start + i / 4, 0.25, note, 50 + (i * 30) // max(1, steps))
    timp.note(start + length, 3, land, 92)


def komb1():
    s = Song(EIGHTH)
    end = s.part(ACCORDION).notes(0, PHRASE, 100)
    boom_chuck(s, 1, ['D', 'D'])
    s.part(TUBA, volume=72).note(end - 3, 2.5, 'D2', 90)
    s.part(GLOCKENSPIEL, volume=80).note(end - 3, 3, 'D6', 96)
    return s, end + 3


def rbyes():
    s = Song(EIGHTH)
    s.part(ACCORDION).notes(0, [('A4', 1), ('D5', 3)], 104)
    glock = s.part(GLOCKENSPIEL, volume=96)
    glock.note(0, 1, 'A5', 80).note(1, 3, 'D6', 88)
    return s, 5.5


def take_win():
    s = Song(EIGHTH)
    s.part(ACCORDION).notes(0, up(BAR4), 100)
    s.part(TUBA, volume=72).note(3, 3, 'D2', 90)
    s.part(BELLS, volume=90).note(3, 3, 'D5', 90)
    s.part(GLOCKENSPIEL, volume=96).note(3, 3, 'F#6', 90)
    return s, 8


def komb2():
    s = Song(FANFARE_EIGHTH)
    end = s.part(FIDDLE).notes(0, OPENING, 104)
    s.part(ACCORDION, volume=90).notes(0, up(OPENING, -1), 92)
    boom_chuck(s, 1, ['D', 'D', 'D', 'G'])
    drums = s.drums()
    for t in (1, 4, 7, 10):
        drums.note(t, 0.5, TAMBOURINE, 64)
    frame_drum(s, 1, 2, 80)
    drums.note(end - 3, 1, TRIANGLE, 80)
    return s, end + 3.5


def add():
    s = Song(EIGHTH)
    end = s.part(WHISTLE).notes(0, up(PHRASE), 100)
    s.part(CONCERTINA, volume=90).notes(0, PHRASE, 96)
    s.part(CONCERTINA, volume=90).notes(end - 3, [(['F#4', 'A4', 'D5'], 3)], 90)
    drums = s.drums()
    for t in range(1, 8):
        drums.note(t, 0.5, TAMBOURINE, 50 + 14 * (t % 3 == 1))
    frame_drum(s, 1, 1, 84)
    s.part(TUBA, volume=72).note(1, 2, 'D2', 84).note(4, 2, 'A2', 80).note(7, 3, 'D2', 90)
    return s, end + 3


def barron():
    s = Song(EIGHTH)
    arp = [('F#4', 0.7), ('A4', 0.7), ('D5', 0.7), ('F#5', 3)]
    s.part(CONCERTINA).notes(1.5, arp, 104)
    s.part(WHISTLE, volume=80).notes(1.5, up(arp), 84)
    s.part(GLOCKENSPIEL, volume=90).note(3.6, 3, 'D6', 90)
    return s, 8


def sunfull_open():
    s = Song(EIGHTH)
    start = 2.2  # after the lid's creak
    arp = [('D5', 0.6), ('F#5', 0.6), ('A5', 0.6), ('D6', 1), ('A5', 1), ('D6', 3)]
    s.part(CELESTA).notes(start, arp, 110)
    s.part(GLOCKENSPIEL, volume=110).notes(start + 2.8, [('A6', 1), ('D7', 3)], 100)
    s.part(HARP, volume=84).notes(start, [(['D3', 'A3', 'F#4'], 5)], 90)
    s.drums().note(start + 2.8, 3, TRIANGLE, 90)
    return s, start + 9


def bonbar():
    s = Song(EIGHTH)
    end = s.part(WHISTLE).notes(0, up(PICKUP + BAR1 + BAR2), 100)
    s.part(CONCERTINA, volume=90).notes(0, PICKUP + BAR1 + BAR2, 90)
    s.part(CONCERTINA).notes(end, [(['D4', 'F#4', 'D5'], 3)], 96)
    boom_chuck(s, 1, ['D', 'D', 'D', 'G'])
    frame_drum(s, 1, 2, 76)
    return s, end + 5


def brass_fanfare(s, melody, start=0, timp=True, velocity=110):
    """Trumpets with the tune, horns in harmony below, a timpani roll into the last note."""
    end = s.part(TRUMPET).notes(start, melody, velocity)
    below = {'A3': 'C#3', 'C#4': 'E3', 'D4': 'F#3', 'E4': 'G3', 'F#4': 'A3', 'G4': 'B3', 'A4': 'D4', 'B4': 'D4',
             'C#5': 'E4', 'D5': 'F#4', 'F#5': 'A4', 'A5': 'D5', 'D6': 'F#5'}
    s.part(HORN, volume=80).notes(start, [(below.get(n, n), d) for n, d in melody], 100)
    if timp:
        timpani_roll(s, end - 6, 3)
    s.part(TROMBONE, volume=76).note(end - 3, 3, 'D3', 96).note(end - 3, 3, 'A3', 90)
    s.drums().note(end - 3, 4, CRASH, 80)
    return end


def komb3():
    s = Song(FANFARE_EIGHTH)
    end = brass_fanfare(s, OPENING)
    return s, end + 3.5


def addgam():
    s = Song(EIGHTH)
    end = brass_fanfare(s, PHRASE, timp=False)
    s.part(WHISTLE, volume=90).notes(0, up(PHRASE), 92)
    s.part(CONCERTINA).notes(end - 3, [(['D4', 'F#4', 'A4'], 3.5)], 90)
    return s, end + 3.5


def sbon_win():
    s = Song(EIGHTH)
    end = brass_fanfare(s, up(PICKUP + BAR1) + [('D6', 3)])
    s.part(BELLS, volume=84).note(end - 3, 3, 'D5', 100)
    return s, end + 3.5


def jpot():
    """The tune's first, second and last bars, quicker: the last chord lands by 1.6 s, before the game moves on."""
    s = Song(JACKPOT_EIGHTH)
    first, second = PICKUP + BAR1, BAR2 + BAR4  # fiddle and accordion, then the brass takes over
    t = s.part(FIDDLE).notes(0, first, 104)
    s.part(ACCORDION, volume=92).notes(0, up(first, -1), 92)
    end = brass_fanfare(s, second, start=t, timp=True, velocity=98)  # the fiddle sharpens their attack
    s.part(FIDDLE).notes(t, up(second), 96)
    s.part(GLOCKENSPIEL, volume=64).notes(t + 6, up(BAR4, 2), 84)
    s.part(BELLS, volume=72).note(end - 3, 3, 'D5', 90).note(end - 1.5, 3, 'D5', 80)
    boom_chuck(s, 1, ['D', 'D', 'D', 'G', 'A'])
    frame_drum(s, 1, 1, 64)  # under the fiddle; then the brass carries the beat
    s.part(TUBA, volume=72).note(end - 3, 4, 'D2', 90)
    s.part(ACCORDION, volume=84).notes(end - 3, [(['D4', 'F#4', 'A4', 'D5'], 4)], 90)
    return s, end + 5


def sbon():
    s = Song(EIGHTH)
    bell = s.part(BELLS, volume=96)
    bell.note(0, 2, 'D5', 108).note(2.5, 3, 'D5', 96)
    start = 4.5
    end = s.part(WHISTLE).notes(start, up(PHRASE), 96)
    s.part(ACCORDION, volume=80).notes(start, [(['D3', 'A3'], end - start)], 80)
    s.part(HARP, volume=80).notes(start + 1, [(n, 1) for n in ('D3', 'A3', 'D4', 'F#4', 'A4', 'D5')], 84)
    return s, end + 3.5


def sbon_dead():
    s = Song(EIGHTH)
    fall = [('D4', 2), ('A3', 1), ('F3', 2), ('E3', 1), ('D3', 5)]
    end = s.part(TROMBONE).notes(0, fall, 104)
    s.part(TUBA).notes(0, up(fall, -1), 100)
    s.part(BASSOON, volume=84).notes(0, fall, 86)
    timpani_roll(s, end - 7, 2, note='D2', land='D2')
    return s, end + 3


def rbno():
    s = Song(EIGHTH)
    fall = [('A3', 1), ('F3', 1), ('D3', 3)]
    s.part(BASSOON).notes(0, fall, 104)
    s.part(PIZZICATO, volume=90).notes(0, up(fall, -1), 100)
    return s, 6.5


def sunnul_open():
    s = Song(EIGHTH)
    s.part(CLARINET).notes(2.2, [('F3', 2), ('D3', 4)], 104)
    s.part(PIZZICATO, volume=80).note(4.2, 2, 'D2', 90)
    return s, 8.5


def rb():
    s = Song(EIGHTH)
    end = s.part(ACCORDION).notes(0, BAR2 + BAR3, 100)
    boom_chuck(s, 0, ['D', 'G', 'G', 'D'])
    return s, end + 3


def exit_bell():
    s = Song(EIGHTH)
    s.part(BELLS).note(0, 2, 'D5', 110).note(2.5, 4, 'D5', 100)
    return s, 11


def nocred():
    """Two plucked notes falling a fifth, doubled by a short concertina so a small speaker keeps them."""
    s = Song(EIGHTH)
    s.part(PIZZICATO).note(0, 1, 'A4', 110).note(1.2, 2, 'D4', 110)
    s.part(CONCERTINA, volume=84).note(0, 0.8, 'A4', 100).note(1.2, 1.4, 'D4', 100)
    s.part(PIZZICATO, volume=70).note(1.2, 2, 'D3', 96)
    return s, 3.8


LOOP_SECONDS = 4.0  # the chest loop: four bars
LOOP_EIGHTH = LOOP_SECONDS / 24


def sun_fon():
    """One period of the chest-screen loop; its last eighth is the pickup into its own first bar."""
    s = Song(LOOP_EIGHTH)
    box = s.part(MUSIC_BOX, volume=100)
    melody = [('D5', 2), ('D5', 1), ('F#5', 2), ('A5', 1), ('D6', 3), (None, 3),
              ('B5', 2), ('G5', 1), ('A5', 2), ('F#5', 1), ('E5', 2), ('C#5', 1), ('D5', 2), ('A4', 1)]
    box.notes(0, melody, 84, legato=0.9)
    harp = s.part(HARP, volume=90)
    for i, c in enumerate(TUNE_CHORDS):
        root, fifth = ROOTS[c]
        harp.notes(3 * i, [(octave(root), 1), (octave(fifth), 1), (TRIADS[c][2], 1)], 70)
    return s, 24


CUES = {'komb1': komb1, 'rbyes': rbyes, 'take_win': take_win, 'komb2': komb2, 'add': add, 'barron': barron,
        'sunfull_open': sunfull_open, 'bonbar': bonbar, 'komb3': komb3, 'addgam': addgam, 'sbon_win': sbon_win,
        'jpot': jpot, 'sbon': sbon, 'sbon_dead': sbon_dead, 'rbno': rbno, 'sunnul_open': sunnul_open, 'rb': rb,
        'exit': exit_bell, 'nocred': nocred, 'sun_fon': sun_fon}
