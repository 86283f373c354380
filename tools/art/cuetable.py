"""sounds.tsv: the loudness families and, for every cue, its family, flags and the words for the docs."""
import os
from collections import namedtuple

Cue = namedtuple('Cue', 'name family target loop percussive when what')


def read(path=os.path.join(os.path.dirname(os.path.abspath(__file__)), 'sounds.tsv')):
    targets, cues = {}, []
    with open(path, encoding='utf-8') as f:
        rows = [line.rstrip('\n').split('\t') for line in f if line.strip() and not line.startswith('#')]
    for row in rows:
        if row[0] == 'family':
            targets[row[1]] = float(row[2])
    for row in rows:
        if row[0] == 'cue':
            _, name, family, flags, when, what = row
            cues.append(Cue(name, family, targets[family], 'loop' in flags, 'percussive' in flags, when, what))
    return cues
