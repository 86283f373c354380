#!/usr/bin/env python3
"""The monkey's actions for one session: a pure function of the seed and the session's index, so a
run's actions are reproduced by its seed (what the game does with them still depends on timing).

One action a line: `PAUSE_MS VERB ARGS...`, which monkey.sh performs after the pause:
  key NAME              an X key (xdotool's names)
  click field X Y [B]   a click at field coordinates (0..666 by 0..500, origin bottom left); B 3 is
                        the right button
  click centre DX DY    a click DX, DY pixels from the window's centre, where the dialogs stand
  click frac FX FY      a click anywhere: fractions of the window
  close                 the window's close button (the window manager's Alt+F4)
  term, kill            SIGTERM, SIGKILL
The last actions end the session: a close or the exit question's Yes (each then dismisses the
statistics box), a SIGTERM or a kill -9.
"""
import random
import sys

# Keys by weight: mostly play (spin and stop, notes, stakes, the risk cards, bonus picks), then the
# dialogs (F2 options, F3 about, F4 statistics, F6 recall) and the keys that answer them.
KEYS = (["space"] * 30 + ["Insert"] * 6 + ["Page_Up"] * 5 + ["Page_Down"] + ["Left", "Right", "Down"] * 2 +
        ["Up", "1", "2", "3", "4", "5", "6", "KP_1", "KP_5"] + ["F2", "F3", "F4", "F6"] +
        ["Escape", "Return", "Tab", "y", "n", "plus", "minus", "KP_Add", "KP_Subtract"])

# Field zones (centres): coin slot, stake, maximum, all lines, reels, risk red / take / black,
# chests, free-games items, coin throw, voyage spin, barrels, line and bet buttons, the exit,
# statistics and options buttons, the help link (the browser is a stub).
FIELD = [(247, 452), (415, 470), (624, 111), (36, 111), (325, 255), (242, 160), (325, 160),
         (406, 160), (133, 175), (336, 170), (522, 180), (249, 235), (431, 251), (157, 205),
         (415, 170), (317, 252), (497, 286), (227, 307), (368, 339), (301, 267), (445, 167),
         (200, 250), (330, 250), (455, 250), (12, 154), (37, 253), (652, 154), (624, 253),
         (650, 482), (551, 487), (574, 487), (581, 56)]

# The dialogs' controls, in pixels from the centre of an 800 x 600 window: the exit question's
# Yes, No, Cancel; the statistics box's bill, number and recall button; the recall window's tabs,
# pages and Close; the options' tabs, delay, speed, Normal, switches, history, fortune bars, All
# 0%, Ok and the maker's link; the about box and its link.
DIALOG = [(-114, 24), (-26, 24), (63, 24), (0, 40), (38, -85), (138, -138), (-286, -186),
          (-227, -186), (-280, -161), (-210, -161), (268, 201), (-323, -248), (-253, -248),
          (-236, -192), (-211, -192), (-250, -144), (-170, -144), (-318, -119), (-335, -90),
          (-335, -65), (-335, -40), (-335, -15), (-335, 10), (-335, 35), (-335, 60), (-319, 89),
          (60, -173), (200, -125), (140, -77), (17, -48), (-295, 257), (218, 257), (-13, 85),
          (100, -40)]

DISMISS = ["key space", "key Return", "key Escape", "key y", "key n", "click centre 0 40",
           "click centre 138 -138", "click frac 0.5 0.5"]


def action(rng):
    """One random action of play."""
    roll = rng.random()
    if roll < 0.66:
        return "key " + rng.choice(KEYS)
    if roll < 0.83:
        x, y = rng.choice(FIELD)
        button = " 3" if rng.random() < 0.15 else ""
        return f"click field {x + rng.randint(-4, 4)} {y + rng.randint(-4, 4)}{button}"
    if roll < 0.93:
        x, y = rng.choice(DIALOG)
        return f"click centre {x} {y}"
    if roll < 0.975:
        return f"click frac {rng.random():.3f} {rng.random():.3f}"
    # The exit question answered: No starts a new game, Cancel goes on.
    return "click field 650 482\n" + f"{rng.randint(200, 1500)} " + rng.choice(
        ["key n", "click centre -26 24", "key Escape", "click centre 63 24"])


def pause(rng):
    # Mostly quick, now and then long enough for a bonus screen to open (2 s after a win).
    return rng.randint(2000, 6000) if rng.random() < 0.06 else rng.randint(20, 450)


def ending(kind, rng):
    # Two Escapes close the dialogs a close would otherwise wait behind (a stack holds two).
    if kind == "close":
        return ["key Escape", "key Escape", "close", rng.choice(DISMISS)]
    if kind == "exit":
        return ["key Escape", "key Escape", "click field 650 482", rng.choice(["key y", "click centre -114 24"]),
                rng.choice(DISMISS)]
    return [kind]


def plan(seed, session, actions):
    rng = random.Random(f"{seed}/{session}")
    kind = rng.choice(["close", "close", "exit", "term", "term", "kill", "kill"])
    lines = [f"# ending {kind}"] + [f"{pause(rng)} {action(rng)}" for _ in range(actions)]
    # Time for each dialog of the ending to open (a dialog takes no click in its first frames).
    lines += [f"{rng.randint(1500, 3000)} {a}" for a in ending(kind, rng)]
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    seed, session, actions = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    sys.stdout.write(plan(seed, session, actions))
