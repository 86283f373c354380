#!/usr/bin/env python3
"""Reconciles every money record of one home after a session of the game: the journal
(games.jsonl), the statistics log (stat.log), the settings (vortala.ini), the session record, the
folders' temporary files and the journal's proof. One function per reconciliation; each returns
findings: (kind, text, records). Exits 1 when it finds anything not reported before (--state),
printing each finding with the records that disagree."""
import argparse
import collections
import json
import os
import re
import subprocess
import sys

CAP = 1 << 60  # money is capped here; a line whose sums reach it may lose what the cap removed
STORES = ("jackpot", "banks", "helms", "pile", "rounds")
TEMPORARY = re.compile(r"^(vortala\.ini|stat\.log|stat\.session|games\.jsonl)\.[A-Za-z0-9]{6}$")
UNCLOSED_NOTE = re.compile(r"^the last session ended without closing: its credit of \d+ was never taken off$")


def finding(kind, text, *records):
    return (kind, text, [r for r in records if r])


# ---- Reading the records ---------------------------------------------------------------

def read_journal(path):
    """The lines in file order, each a dict with its line number in "_line" and text in "_raw";
    a line that is no JSON is {"_damaged": reason}."""
    entries = []
    if not os.path.isfile(path):
        return entries
    with open(path, encoding="utf-8", errors="replace") as f:
        for number, raw in enumerate(f, 1):
            raw = raw.rstrip("\n")
            if not raw:
                continue
            try:
                entry = json.loads(raw)
            except ValueError as e:
                entry = {"_damaged": str(e)}
            entry["_line"], entry["_raw"] = number, raw
            entries.append(entry)
    return entries


def is_close(e):
    return "close" in e


def read_log(path):
    """The log's blocks in order: {"number", "closing", "lines"} for each run or new game, where
    closing holds inserted, taken, won, lost and interrupted once the block is closed; and the
    notes the game wrote ("Game journal: ...")."""
    blocks, notes = [], []
    if not os.path.isfile(path):
        return blocks, notes
    with open(path, encoding="latin-1") as f:
        lines = f.read().replace("\r\n", "\n").split("\n")
    money = {}
    for line in lines:
        m = re.match(r"^game's number  (\d+)$", line)
        if m:
            blocks.append({"number": int(m.group(1)), "closing": None, "lines": [line]})
            continue
        m = re.match(r"^(Set on stake|Taken off|You won|You lost) (-?\d+)$", line)
        if m:
            money[m.group(1)] = int(m.group(2))
        elif line.startswith("Zevirezid *Vortala* OFF - "):
            closing = {"inserted": money.get("Set on stake"), "taken": money.get("Taken off"),
                       "won": money.get("You won"), "lost": money.get("You lost"),
                       "interrupted": line.endswith("(interrupted)")}
            if not blocks or blocks[-1]["closing"] is not None:  # a closing without its opening
                blocks.append({"number": None, "closing": None, "lines": []})
            blocks[-1]["closing"] = closing
            blocks[-1]["lines"] += [f"{k} {v}" for k, v in money.items()] + [line]
            money = {}
        elif line.startswith("Game journal: "):
            notes.append(line[len("Game journal: "):])
    return blocks, notes


def unscramble(text, constant=173):
    key, out = constant, bytearray()
    for byte in text.encode("latin-1"):
        out.append(byte ^ (key >> 8))
        key = ((key + byte) * constant + constant) & 0xFFFF
    return out.decode("latin-1")


def read_ini(path):
    """{section (lower case): {name (lower case): text}}, with the %XX escapes undone."""
    data, section = {}, None
    if not os.path.isfile(path):
        return data
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if line.startswith("["):
                section = data.setdefault(line.strip("[]").lower(), {})
            elif "=" in line and section is not None:
                name, text = line.split("=", 1)
                section[name.strip().lower()] = re.sub(r"%([0-9A-Fa-f]{2})", lambda m: chr(int(m.group(1), 16)), text)
    return data


def stored_stores(ini):
    """The stores as the next start will read them (missing values give the starting ones)."""
    values = ini.get("software\\orvexa\\vortala\\vortala3", {})
    stores = {"jackpot": 0, "banks": [0, 0, 0], "helms": [1, 1, 1], "pile": 0, "rounds": 0}
    try:
        stores["jackpot"] = int(unscramble(values.get("val", "0")) or 0)
        if values.get("valb", "0") != "0":
            fields = [int(x) for x in unscramble(values["valb"]).split(";")]
            stores["banks"], stores["helms"] = fields[0::2], fields[1::2]
        stores["pile"] = int(values.get("coins", "0"))
        stores["rounds"] = int(values.get("coinvol", "0"))
    except ValueError as e:
        stores["unreadable"] = str(e)
    return stores


def stored_number(ini):
    text = ini.get("software\\orvex\\vortala3", {}).get("num")
    return int(text) if text and text.lstrip("-").isdigit() else None


# ---- What the journal says --------------------------------------------------------------

def games(journal):
    return [e for e in journal if "seq" in e]


def mid_game_closes(journal):
    """Closes that came while a game was in play (a new game from the exit question): they are
    written before that game's own line, at a time within it. {game's seq: [closes]}."""
    during = collections.defaultdict(list)
    for i, e in enumerate(journal):
        if "seq" not in e:
            continue
        j = i - 1
        while j >= 0 and is_close(journal[j]) and e["start"] <= journal[j]["time"] <= e["end"]:
            during[e["seq"]].append(journal[j])
            j -= 1
    return during


def capped(game):
    """What the line says the money cap removed (any field of its own named for the cap)."""
    return sum(v for k, v in game.items() if "cap" in k.lower() and isinstance(v, int))


def session_inserted(journal):
    total = collections.Counter()
    for e in journal:
        if "seq" in e:
            total[e["session"]] += e["insertedBefore"] + e["insertedDuring"] - e.get("bookedInserted", 0)
        elif is_close(e):
            total[e["session"]] += e["inserted"]
    return total


# ---- The reconciliations ----------------------------------------------------------------

def check_damaged_lines(journal):
    return [finding("damaged journal line", f"line {e['_line']}: {e['_damaged']}", e["_raw"])
            for e in journal if "_damaged" in e]


def check_line_money(journal):
    """Each game's own money: credit before - stake + returned + inserted = credit after, less the
    credit a close took off during it and whatever the line says the cap removed."""
    out, during = [], mid_game_closes(journal)
    for g in games(journal):
        taken = sum(c["taken"] for c in during.get(g["seq"], []))
        expected = g["before"]["credit"] - g["stake"] + g["returned"] + g["insertedDuring"] - taken - capped(g)
        if expected != g["after"]["credit"] and CAP not in (expected, g["after"]["credit"]):
            out.append(finding("a game's own money does not add up",
                               f"game {g['seq']}: {g['before']['credit']} - stake {g['stake']} + returned "
                               f"{g['returned']} + inserted {g['insertedDuring']} - taken off during it {taken}"
                               f" = {expected}, but the credit after is {g['after']['credit']}", g["_raw"]))
    return out


def add_game(m, g):
    m = dict(m)
    m["games"] += 1
    m["free"] += 1 if g["free"] else 0
    m["hits"] += sum(1 for ev in g["events"] if ev[0] == "S" and len(ev) > 3 and ev[3])
    # What a close booked of a game that went on past a new game counts there, not twice.
    m["staked"] += g["stake"] - g.get("bookedStake", 0)
    m["returned"] += g["returned"] - g.get("bookedReturned", 0)
    m["inserted"] += g["insertedBefore"] + g["insertedDuring"] - g.get("bookedInserted", 0)
    m["largest"] = max(m["largest"], g["returned"])
    return m


def add_close(m, c):
    m = dict(m)
    m["inserted"] += c["inserted"]
    m["staked"] += c["abandoned"] + c.get("playing", 0)
    m["returned"] += c.get("returned", 0)
    m["taken"] += c["taken"]
    m["unclosed"] += c["unclosed"]
    return m


def balance(m):
    return m["inserted"] - m["staked"] + m["returned"] - m["taken"] - m["unclosed"]


def check_meters_chain(journal):
    """Each line's meters are the line before's plus what the line adds; each game starts with the
    credit the last line left plus what was put in; the meters give the running credit; an
    unclosed close books exactly the credit the killed session left. A close while a game is in
    play (a new game) books what that game took so far, so the meters balance there too; the game
    itself starts with the credit the line before the close left."""
    out, during = [], mid_game_closes(journal)
    mid = {id(c) for closes in during.values() for c in closes}
    last, credit, start_credit, seq, offset = None, 0, 0, None, 0
    for e in journal:
        if "_damaged" in e:
            continue
        meters = {k: v for k, v in e["meters"].items() if k != "bonuses"}
        if is_close(e):
            if seq is not None and e["close"] != seq:
                out.append(finding("journal out of order", f"close at line {e['_line']} follows game {seq}", e["_raw"]))
            if e["unclosed"] and e["unclosed"] != credit:
                out.append(finding("an unclosed close books another credit",
                                   f"close at line {e['_line']} books {e['unclosed']} unclosed, the session left "
                                   f"{credit}", e["_raw"]))
            expected = add_close(last, e) if last else None
            credit = 0
            if id(e) not in mid:
                start_credit = 0
            where = f"the close at line {e['_line']}"
        else:
            if seq is not None and e["seq"] != seq + 1:
                out.append(finding("journal out of order", f"game {e['seq']} follows game {seq}", e["_raw"]))
            if last and e["before"]["credit"] != start_credit + e["insertedBefore"]:
                out.append(finding("a game starts with another credit than the last line left",
                                   f"game {e['seq']} starts with {e['before']['credit']}, the last line left "
                                   f"{start_credit} and {e['insertedBefore']} was put in since", e["_raw"]))
            expected = add_game(last, e) if last else None
            seq, credit = e["seq"], e["after"]["credit"]
            start_credit = credit
            where = f"game {e['seq']}"
        if expected is not None and expected != meters:
            diff = {k: (meters[k], expected[k]) for k in meters if meters[k] != expected[k]}
            out.append(finding("meters do not follow", f"{where}: meters (found, expected) {diff}", e["_raw"]))
        # Reported where the meters stop balancing (or balance differently), not at every line after.
        if balance(meters) - credit != offset:
            offset = balance(meters) - credit
            out.append(finding("meters do not balance",
                               f"{where}: inserted - staked + returned - taken - unclosed = {balance(meters)}, "
                               f"the running credit is {credit}", e["_raw"]))
        last = meters
    return out


def check_store_chain(journal):
    """Each game starts with the stores the last game left, across sessions, closes and kills."""
    out, last = [], None
    for g in games(journal):
        if last:
            diff = {k: (last["after"][k], g["before"][k]) for k in STORES if last["after"][k] != g["before"][k]}
            if diff:
                out.append(finding("a game starts with other stores than the last game left",
                                   f"game {g['seq']} after game {last['seq']}: (left, found) {diff}",
                                   last["_raw"], g["_raw"]))
        last = g
    return out


def check_stores(journal, ini, ending):
    """The stored jackpot, helm banks and positions and coin pile are the journal's last game's."""
    played = games(journal)
    if not played:
        return []
    last, stored = played[-1], stored_stores(ini)
    diff = {k: (last["after"][k], stored.get(k)) for k in STORES if last["after"][k] != stored.get(k)}
    if not diff:
        return []
    closes = [e for e in journal if is_close(e) and e["close"] == last["seq"]]
    abandoned = any(c["abandoned"] for c in closes)
    kind = ("stores hold changes of a game the close gave up" if abandoned else
            "stores are not the last game's")
    return [finding(kind, f"game {last['seq']} left, stored (journal, stored) {diff}", f"ended by {ending}",
                    last["_raw"], *[c["_raw"] for c in closes])]


def check_log_against_journal(journal, blocks, ending):
    """Each log block's closing against the journal: money put in (the games' and the close's),
    taken off (the close line, or for an interrupted block the unclosed credit booked at the next
    start), and its won and lost. A game that went on past a new game is split by what the close
    booked of it."""
    out = []
    played = games(journal)
    trimmed = bool(played) and played[0]["seq"] > 1
    first = played[0]["session"] if played else None
    inserted, closes, unclosed = session_inserted(journal), collections.defaultdict(list), {}
    owner = None
    for e in journal:
        if "seq" in e:
            owner = e["session"]
        elif is_close(e) and e["unclosed"]:
            unclosed[owner] = e
        elif is_close(e):
            closes[e["session"]].append(e)
            owner = e["session"]
    log_inserted, log_seen, still_open = collections.Counter(), set(), set()
    for i, b in enumerate(blocks):
        n, c = b["number"], b["closing"]
        if c is None:
            if i + 1 < len(blocks) or ending != "kill":
                out.append(finding("a log block never closed", f"session {n}: opened, never closed", "\n".join(b["lines"])))
            elif n is not None:
                # The killed session's block: the next start closes it with its money.
                still_open.add(n)
            continue
        if n is None:
            out.append(finding("a log closing without its opening", str(c), "\n".join(b["lines"])))
            continue
        if trimmed and n <= first:
            continue
        log_inserted[n] += c["inserted"] or 0
        log_seen.add(n)
        records = ["\n".join(b["lines"])]
        if c["taken"] is None or c["inserted"] is None or c["won"] != max(c["taken"] - c["inserted"], 0) or \
                c["lost"] != max(c["inserted"] - c["taken"], 0):
            out.append(finding("a log block's money does not add up", f"session {n}: {c}", *records))
        if c["interrupted"]:
            booked = unclosed.get(n)
            expected = booked["unclosed"] if booked else 0
            if closes.get(n):
                out.append(finding("an interrupted session has a close line", f"session {n}", *records,
                                   *[x["_raw"] for x in closes[n]]))
            if c["taken"] != expected:
                out.append(finding("an interrupted block's credit is not the unclosed credit",
                                   f"session {n}: the log says {c['taken']} was left, the journal books "
                                   f"{expected} unclosed", *records, booked and booked["_raw"]))
        elif len(closes.get(n, [])) != 1:
            out.append(finding("a closed session has not one close line",
                               f"session {n}: {len(closes.get(n, []))} close lines", *records,
                               *[x["_raw"] for x in closes.get(n, [])]))
        elif c["taken"] != closes[n][0]["taken"]:
            out.append(finding("taken off differs between the log and the journal",
                               f"session {n}: the log says taken off {c['taken']}, the journal's close "
                               f"{closes[n][0]['taken']}", *records, closes[n][0]["_raw"]))
    journal_inserted = inserted
    for n in sorted(log_seen - still_open):
        if log_inserted[n] != journal_inserted[n]:
            lines = [e["_raw"] for e in journal if not is_close(e) and e.get("session") == n] + \
                    [e["_raw"] for e in journal if is_close(e) and e["session"] == n]
            out.append(finding("money put in differs between the log and the journal",
                               f"session {n}: the log says {log_inserted[n]} was put in, the journal's "
                               f"lines {journal_inserted[n]}",
                               *["\n".join(b["lines"]) for b in blocks if b["number"] == n],
                               *[line[:300] + " ..." for line in lines]))
    return out


def check_game_numbers(journal, blocks, ini):
    """Each game number is used by one run only: once in the log, in one stretch of the journal,
    and the stored number is the last one used."""
    out = []
    numbers = [b["number"] for b in blocks if b["lines"] and b["lines"][0].startswith("game's number")]
    for n, count in collections.Counter(numbers).items():
        if count > 1:
            out.append(finding("a game number is used twice in the log", f"number {n}: {count} blocks"))
    stored = stored_number(ini)
    if numbers and stored != numbers[-1]:
        out.append(finding("the stored game number is not the last one used",
                           f"stored {stored}, the log's last block {numbers[-1]}"))
    seen, previous = set(), None
    for e in journal:
        n = e.get("session")
        if "_damaged" in e or (is_close(e) and e["unclosed"]) or n is None:
            continue
        if n != previous and n in seen:
            out.append(finding("a game number is used again in the journal",
                               f"line {e['_line']} has session {n}, which ended before", e["_raw"]))
        if numbers and n >= min(numbers) and n not in numbers:
            out.append(finding("a journal session has no block in the log", f"session {n}", e["_raw"]))
        if stored is not None and n > stored:
            out.append(finding("the journal uses a number beyond the stored one", f"session {n}, stored {stored}"))
        seen.add(n)
        previous = n
    return out


def check_leftovers(home, ending, state):
    """No temporary file outlives the next start, none is left by a session that ended without a
    kill, and the session record goes with its session's close."""
    out, found = [], []
    for folder, _, files in os.walk(home):
        found += [os.path.join(folder, f) for f in files if TEMPORARY.match(f)]
    outlived = sorted(set(found) & set(state.get("temporaries", [])))
    if outlived:
        out.append(finding("a temporary file outlived the next start", ", ".join(outlived)))
    if ending != "kill" and set(found) - set(outlived):
        out.append(finding("a temporary file was left by a session that ended without a kill",
                           ", ".join(sorted(set(found) - set(outlived)))))
    record = os.path.join(home, "data", "Orvexa", "Vortala", "stat.session")
    if ending != "kill" and os.path.exists(record):
        out.append(finding("the session record outlived a closed session", record))
    state["temporaries"] = found
    return out


def check_verify(sim, path, scratch):
    """The journal's proof: every game re-played through the rules gives its record again. verify
    stops at the first difference, so each game it rejects is left out of a copy and the rest
    verified again, to report them all."""
    if not os.path.isfile(path):
        return []
    out, lines = [], open(path, encoding="utf-8", errors="replace").read().splitlines()
    for _ in range(20):
        with open(scratch, "w", encoding="utf-8") as f:
            f.write("".join(line + "\n" for line in lines))
        run = subprocess.run([sim, "journal", "verify", scratch], capture_output=True, text=True, timeout=1200)
        if run.returncode == 0:
            break
        text = (run.stdout + run.stderr).strip()
        where = re.search(r"^game \d+ \(line (\d+)\): ([^:]+):.*$", text, re.M)
        if not where:
            out.append(finding(f"journal verify fails (exit {run.returncode})", text))
            break
        line = lines.pop(int(where.group(1)) - 1)
        out.append(finding(f"journal verify fails at {where.group(2)}",
                           re.sub(r" \(line \d+\)", "", where.group(0)), line))
    os.remove(scratch)
    return out


def check_game_reports(notes, errors, status, ending, hung):
    """What the game itself reports: its start-up check of the journal (only a killed session's
    unclosed credit is expected), sanitizer reports, its exit status, an end signal it ignored."""
    out = [finding("the game's journal check: " + re.sub(r"\d+", "N", n), n)
           for n in notes if not UNCLOSED_NOTE.match(n)]
    if errors and os.path.isfile(errors):
        text = open(errors, encoding="utf-8", errors="replace").read()
        if "Sanitizer" in text or "runtime error" in text:
            out.append(finding("a sanitizer report", text[-3000:]))
    expected = {"kill": 137}.get(ending, 0)
    if status is not None and status != expected:
        out.append(finding("an unexpected exit status", f"ended by {ending}, exit status {status}"))
    if hung and os.path.exists(hung):
        out.append(finding("the game did not end on SIGTERM", open(hung).read().strip()))
    return out


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--home", required=True)
    p.add_argument("--sim", required=True)
    p.add_argument("--ending", default="close", choices=["close", "exit", "term", "kill"])
    p.add_argument("--status", type=int)
    p.add_argument("--errors")
    p.add_argument("--hung")
    p.add_argument("--state", help="a file that keeps what was reported and seen between sessions")
    a = p.parse_args()
    data = os.path.join(a.home, "data", "Orvexa", "Vortala")
    state = {}
    if a.state and os.path.isfile(a.state):
        with open(a.state) as f:
            state = json.load(f)
    journal = read_journal(os.path.join(data, "games.jsonl"))
    blocks, notes = read_log(os.path.join(data, "stat.log"))
    ini = read_ini(os.path.join(a.home, "config", "orvexa", "vortala.ini"))
    good = [e for e in journal if "_damaged" not in e]
    found = (check_damaged_lines(journal) + check_line_money(good) + check_meters_chain(journal) +
             check_store_chain(good) + check_stores(good, ini, a.ending) +
             check_log_against_journal(good, blocks, a.ending) + check_game_numbers(good, blocks, ini) +
             check_leftovers(a.home, a.ending, state) + check_verify(a.sim, os.path.join(data, "games.jsonl"), os.path.join(a.home, "..", "verify.jsonl")) +
             check_game_reports(notes, a.errors, a.status, a.ending, a.hung))
    reported = set(state.get("reported", []))
    new = [f for f in found if f[1] not in reported]
    for kind, text, records in new:
        print(f"* {kind}: {text}")
        for r in records:
            print("    " + r.replace("\n", "\n    "))
    state["reported"] = sorted(reported | {f[1] for f in new})
    state.setdefault("kinds", [])
    state["kinds"] = sorted(set(state["kinds"]) | {f[0] for f in new})
    if a.state:
        with open(a.state, "w") as f:
            json.dump(state, f)
    return 1 if new else 0


if __name__ == "__main__":
    sys.exit(main())
