#!/usr/bin/env python3
"""How strong each of Torvo's levels plays, in Elo.

Plays Torvo's levels through `torvo-cli uci` against anchors of a known
rating (Debian's stockfish with UCI_LimitStrength and UCI_Elo) and, in a
direct match, against each other; every game starts from one of a fixed set
of balanced openings, played once with either colour. torvo-cli judges every
move and the end of every game (`torvo-cli play`), so the rules are the
program's own. Each game is appended to a PGN file as soon as it ends; the
games already there count, so a measurement can be spread over several runs.

Standard library only.
"""

import argparse
import concurrent.futures
import datetime
import math
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_OPENINGS = os.path.join(HERE, "openings.txt")
DEFAULT_PGN = os.path.join(HERE, "results", "games.pgn")

# The anchor build's UCI_Elo range.
ANCHOR_LOWEST_ELO = 1350
ANCHOR_HIGHEST_ELO = 2850
# The anchor turns its UCI_Elo into a skill level and picks its move when
# iteration 1 + skill level ends; "go depth" skill level + 2 plays as it was
# rated, whatever the machine's load. A deeper search plays stronger: against
# Level 2, UCI_Elo 1500 scored 50 % at depth 3 and 80 % at depth 10. Which
# iteration picks is read from the anchor itself (probe_pick_iteration).
PROBE_LINES = 4
PROBE_DEPTHS = (12, 21)  # the highest skill level, 19, picks after iteration 20
# The picking iteration must stand out: in every probe position the move
# played is among its lines, and in at least this many not among another's.
PROBE_MARGIN = 3
# What the plan without arguments measures: each level against anchors near
# its expected strength, and the direct match of Levels 4 and 3.
DEFAULT_PLAN = {
    "levels": [(1, ["1350"], 200), (2, ["1350", "1500"], 200),
               (3, ["1800", "2000"], 100), (4, ["1800", "2000"], 100)],
    "direct": [((4, 3), 60)],
}
PLY_CAP = 400
MOVE_TIMEOUT_SECONDS = 30.0
START_TIMEOUT_SECONDS = 30.0
# The levels that think by time: the machine's load changes how they play.
TIMED_LEVELS = (3, 4)
Z95 = 1.959964
MOVE_PATTERN = re.compile(r"^[a-h][1-8][a-h][1-8][qrbn]?$")
RESULT_PATTERN = re.compile(r"^(1-0|0-1|1/2-1/2)\s*\{(.*)\}$")
TAG_PATTERN = re.compile(r'^\[(\w+) "(.*)"\]\s*$')
SAN_NUMBER = re.compile(r"^\d+\.")


class EngineFault(Exception):
    """An engine answered wrongly, crashed or hung; kind is one word."""

    def __init__(self, kind, detail):
        super().__init__(detail)
        self.kind = kind
        self.detail = detail


# --- Players -----------------------------------------------------------------

class Player:
    """One side of a pairing: a Torvo level or an anchor."""

    def __init__(self, code):
        self.code = code
        if re.fullmatch(r"L[1-4]", code):
            self.level = int(code[1])
            self.elo = None
            self.depth = None
        else:
            m = re.fullmatch(r"A(\d+)d(\d+)", code)
            if not m:
                raise ValueError("no player '%s'" % code)
            self.level = None
            self.elo, self.depth = int(m.group(1)), int(m.group(2))

    @staticmethod
    def anchor(text):
        """An anchor from ELO or ELO/DEPTH; without DEPTH it is read from the
        anchor when the games start (depth 0 here)."""
        m = re.fullmatch(r"(\d+)(?:/(\d+))?", text)
        if not m:
            raise argparse.ArgumentTypeError("anchor '%s' is not ELO or ELO/DEPTH" % text)
        elo = int(m.group(1))
        depth = int(m.group(2)) if m.group(2) else 0
        if not ANCHOR_LOWEST_ELO <= elo <= ANCHOR_HIGHEST_ELO:
            raise argparse.ArgumentTypeError(
                "anchor Elo %d is outside %d to %d" % (elo, ANCHOR_LOWEST_ELO, ANCHOR_HIGHEST_ELO))
        if m.group(2) and depth < 1:
            raise argparse.ArgumentTypeError("anchor depth must be at least 1")
        return Player("A%dd%d" % (elo, depth))

    def name(self, anchor_name):
        if self.level:
            return "Torvo Level %d" % self.level
        return "%s UCI_Elo %d depth %d" % (anchor_name, self.elo, self.depth)

    def command(self, config):
        return [config.cli, "uci"] if self.level else [config.stockfish]

    def setup(self):
        if self.level:
            return ["setoption name Level value %d" % self.level]
        return ["setoption name Threads value 1", "setoption name Hash value 16",
                "setoption name UCI_LimitStrength value true",
                "setoption name UCI_Elo value %d" % self.elo]

    def go(self):
        # A Torvo level thinks with its own limits; the anchor to its depth.
        return "go" if self.level else "go depth %d" % self.depth


class Engine:
    """A UCI engine in a process of its own, read with a deadline."""

    def __init__(self, player, config):
        self.player = player
        self.config = config
        self.buffer = b""
        self.depths = []
        self.hung = False
        try:
            self.process = subprocess.Popen(player.command(config), stdin=subprocess.PIPE,
                                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                            start_new_session=True)
        except OSError as error:
            raise EngineFault("crash", "could not start: %s" % error)
        self.id_name = None
        options = []
        self.send("uci")
        for line in self.lines_until("uciok", START_TIMEOUT_SECONDS):
            if line.startswith("id name "):
                self.id_name = line[len("id name "):]
            elif line.startswith("option name "):
                options.append(line.split()[2])
        for command in player.setup():
            if command.split()[2] not in options:
                raise EngineFault("malformed", "has no option " + command.split()[2])
            self.send(command)
        self.send("isready")
        for line in self.lines_until("readyok", START_TIMEOUT_SECONDS):
            # Torvo says why it did not take an option in an info string.
            if player.level and line.startswith("info string"):
                raise EngineFault("malformed", "refused '%s': %s" % (player.setup()[0], line))

    def send(self, line):
        try:
            self.process.stdin.write((line + "\n").encode())
            self.process.stdin.flush()
        except (BrokenPipeError, OSError):
            raise EngineFault("crash", "ended (exit status %s)" % self.process.poll())

    def read_line(self, deadline, seconds):
        while b"\n" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0:
                self.hung = True
                raise EngineFault("hang", "no answer within %g s" % seconds)
            ready, _, _ = select.select([self.process.stdout], [], [], left)
            if not ready:
                continue
            chunk = os.read(self.process.stdout.fileno(), 65536)
            if not chunk:
                status = self.process.wait()
                raise EngineFault("crash", "ended (exit status %s)" % status)
            self.buffer += chunk
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line.decode("utf-8", "replace").rstrip("\r")

    def lines_until(self, first_word, seconds):
        deadline = time.monotonic() + seconds
        while True:
            line = self.read_line(deadline, seconds)
            yield line
            if line.split()[:1] == [first_word]:
                return

    def new_game(self):
        self.send("ucinewgame")
        self.send("isready")
        for _ in self.lines_until("readyok", START_TIMEOUT_SECONDS):
            pass

    def search(self, moves, go, seconds):
        """The lines of one search, up to its bestmove."""
        self.send("position startpos" + (" moves " + " ".join(moves) if moves else ""))
        self.send(go)
        return list(self.lines_until("bestmove", seconds))

    def best_move(self, moves):
        depth = None
        answer = None
        for line in self.search(moves, self.player.go(), self.config.move_timeout):
            words = line.split()
            if words[:2] == ["info", "depth"] and len(words) > 2 and words[2].isdigit():
                depth = int(words[2])
            if words[:1] == ["bestmove"]:
                answer = words[1] if len(words) > 1 else ""
        if depth is not None:
            self.depths.append(depth)
        return answer

    def close(self):
        if self.process.poll() is None:
            try:
                # One that hung is not asked to quit.
                if self.hung:
                    raise EngineFault("hang", "")
                self.send("quit")
                self.process.wait(timeout=2)
            except (EngineFault, subprocess.TimeoutExpired):
                try:
                    os.killpg(self.process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                self.process.wait()


# --- The judge -----------------------------------------------------------------

def judge(config, moves):
    """torvo-cli's verdict on the moves from the initial position: the SAN
    texts, the end-of-game text ("" while the game goes on) and the legal
    moves of the last position."""
    run = subprocess.run([config.cli, "play"], input=" ".join(moves) + "\n", capture_output=True,
                         text=True, timeout=START_TIMEOUT_SECONDS)
    if run.returncode != 0:
        raise RuntimeError("torvo-cli play failed (%d): %s" % (run.returncode, run.stderr.strip()))
    sans, gameover, legal = [], None, None
    for line in run.stdout.splitlines():
        token, _, rest = line.partition("\t")
        if rest.startswith("ok "):
            sans.append(SAN_NUMBER.sub("", rest[3:]))
        elif rest.startswith("refused "):
            raise RuntimeError("torvo-cli play refused '%s': %s" % (token, rest[8:]))
        elif line.startswith("gameover"):
            gameover = line[len("gameover"):].strip()
        elif line.startswith("legal"):
            legal = line[len("legal"):].split()
    if gameover is None or legal is None or len(sans) != len(moves):
        raise RuntimeError("torvo-cli play answered what it should not:\n" + run.stdout)
    return sans, gameover, legal


def read_openings(config):
    openings = []
    with open(config.openings, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            moves = line.split()
            _, gameover, _ = judge(config, moves)
            if gameover:
                raise SystemExit("opening '%s' ends the game: %s" % (line, gameover))
            openings.append(moves)
    if not openings:
        raise SystemExit("no openings in " + config.openings)
    return openings


def probe_pick_iteration(config, elo, openings):
    """The iteration after which the anchor at this UCI_Elo picks its move:
    asked for several lines, the move it plays is among the lines of that
    iteration in every opening position, and not among those of the others
    in several. None when no iteration stands out."""
    for deepest in PROBE_DEPTHS:
        engine = Engine(Player("A%dd%d" % (elo, deepest)), config)
        try:
            engine.send("setoption name MultiPV value %d" % PROBE_LINES)
            misses = [0] * (deepest + 1)
            for moves in openings:
                engine.new_game()
                lines = [line.split() for line in engine.search(moves, "go depth %d" % deepest, 600)]
                played = lines[-1][1]
                first = {}
                for words in lines:
                    if words[:2] == ["info", "depth"] and "multipv" in words and "pv" in words:
                        first.setdefault(int(words[2]), set()).add(words[words.index("pv") + 1])
                for depth in range(1, deepest + 1):
                    misses[depth] += played not in first.get(depth, set())
        finally:
            engine.close()
        # A search that ends before the picking iteration plays a move of its
        # last one: that iteration tells nothing.
        clean = [depth for depth in range(1, deepest) if misses[depth] == 0]
        others = [misses[depth] for depth in range(1, deepest) if misses[depth] > 0]
        if len(clean) == 1 and (not others or min(others) >= PROBE_MARGIN):
            return clean[0]
        if clean:
            return None
    return None


def resolve_anchors(config, plan, openings):
    """Gives every anchor without a depth the one it plays as rated at."""
    picks = {}
    for pairing in plan:
        anchor = pairing.players[1]
        if anchor.level or anchor.depth:
            continue
        if anchor.elo not in picks:
            picks[anchor.elo] = probe_pick_iteration(config, anchor.elo, openings)
            if picks[anchor.elo] is None:
                raise SystemExit("the anchor at UCI_Elo %d picks after no one iteration that stands out: "
                                 "give its depth as %d/DEPTH" % (anchor.elo, anchor.elo))
            print("anchor at UCI_Elo %d picks after iteration %d: go depth %d" % (
                anchor.elo, picks[anchor.elo], picks[anchor.elo] + 1))
        resolved = Player("A%dd%d" % (anchor.elo, picks[anchor.elo] + 1))
        pairing.players = (pairing.players[0], resolved)
        pairing.key = "%s-%s" % (pairing.players[0].code, resolved.code)


# --- One game -------------------------------------------------------------------

class Game:
    """What one game came to, as the PGN keeps it."""

    def __init__(self, pairing, round_number, white, black, opening_index):
        self.pairing = pairing
        self.round = round_number
        self.white = white
        self.black = black
        self.opening = opening_index
        self.result = "*"
        self.termination = ""
        self.fault = ""          # the fault's kind, when one ended the game
        self.sans = []
        self.depths = {}
        self.date = datetime.date.today().strftime("%Y.%m.%d")
        self.load = ""
        self.build = ""
        self.anchor_name = ""


def play_game(config, pairing, round_number, opening_index, opening):
    first, second = pairing.players
    # Even rounds give the pairing's first player White.
    white, black = (first, second) if round_number % 2 == 0 else (second, first)
    game = Game(pairing, round_number, white, black, opening_index)
    game.load = load_average()
    game.build = config.build
    moves = list(opening)
    sides = {}
    try:
        for colour, player in (("White", white), ("Black", black)):
            try:
                sides[colour] = Engine(player, config)
            except EngineFault as fault:
                return forfeit(config, game, colour, fault, moves)
            if sides[colour].id_name and not player.level:
                game.anchor_name = sides[colour].id_name
        for colour, engine in sides.items():
            try:
                engine.new_game()
            except EngineFault as fault:
                return forfeit(config, game, colour, fault, moves)
        sans, gameover, legal = judge(config, moves)
        while not gameover:
            if len(moves) >= config.ply_cap:
                game.result, game.termination = "1/2-1/2", "ply cap %d" % config.ply_cap
                break
            colour = "White" if len(moves) % 2 == 0 else "Black"
            try:
                answer = sides[colour].best_move(moves)
            except EngineFault as fault:
                return forfeit(config, game, colour, fault, moves)
            if answer is None or not MOVE_PATTERN.match(answer):
                return forfeit(config, game, colour, EngineFault("malformed", "answered 'bestmove %s'" % answer),
                               moves)
            if answer not in legal:
                return forfeit(config, game, colour, EngineFault("illegal", "played %s" % answer), moves)
            moves.append(answer)
            sans, gameover, legal = judge(config, moves)
        if gameover:
            m = RESULT_PATTERN.match(gameover)
            if not m:
                raise RuntimeError("torvo-cli play gave no result: " + gameover)
            game.result, game.termination = m.group(1), m.group(2)
        game.sans = sans
    finally:
        for colour, engine in sides.items():
            if engine.player.level and engine.depths:
                game.depths[colour] = sum(engine.depths) / len(engine.depths)
            engine.close()
    return game


def forfeit(config, game, colour, fault, moves):
    """The game is lost by the side that answered wrongly, crashed or hung."""
    game.result = "0-1" if colour == "White" else "1-0"
    game.termination = "%s %s: %s" % (colour, fault.kind, fault.detail)
    game.fault = fault.kind
    game.sans, _, _ = judge(config, moves)
    return game


def load_average():
    try:
        return " ".join("%.2f" % x for x in os.getloadavg())
    except OSError:
        return ""


# --- PGN --------------------------------------------------------------------------

def pgn_text(game):
    anchor = game.anchor_name or "Anchor"
    tags = [("Event", "Torvo strength"), ("Site", os.uname().nodename), ("Date", game.date),
            ("Round", str(game.round)), ("White", game.white.name(anchor)), ("Black", game.black.name(anchor)),
            ("Result", game.result), ("Pairing", game.pairing.key), ("WhiteCode", game.white.code),
            ("BlackCode", game.black.code), ("OpeningLine", str(game.opening)), ("PlyCount", str(len(game.sans))),
            ("Termination", game.termination), ("Load", game.load), ("Build", game.build)]
    if game.fault:
        tags.append(("Fault", game.fault))
    for colour in ("White", "Black"):
        if colour in game.depths:
            tags.append((colour + "Depth", "%.1f" % game.depths[colour]))
    lines = ['[%s "%s"]' % (name, value.replace("\\", "\\\\").replace('"', '\\"')) for name, value in tags]
    words = []
    for i, san in enumerate(game.sans):
        words.append(("%d. %s" % (i // 2 + 1, san)) if i % 2 == 0 else san)
    words.append("{%s}" % game.termination.replace("}", ")"))
    words.append(game.result)
    body, line = [], ""
    for word in words:
        if line and len(line) + 1 + len(word) > 79:
            body.append(line)
            line = word
        else:
            line = line + " " + word if line else word
    body.append(line)
    return "\n".join(lines) + "\n\n" + "\n".join(body) + "\n\n"


def read_pgn(path):
    """The games in the PGN file, each as its tags."""
    games = []
    if not os.path.exists(path):
        return games
    tags = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = TAG_PATTERN.match(line)
            if m:
                if tags is None:
                    tags = {}
                    games.append(tags)
                tags[m.group(1)] = m.group(2).replace('\\"', '"').replace("\\\\", "\\")
            elif line.strip():
                tags = None
    return [g for g in games if g.get("Result") in ("1-0", "0-1", "1/2-1/2") and "Pairing" in g]


# --- The plan -----------------------------------------------------------------

class Pairing:
    """A level against one anchor, or two levels against each other; the
    first player is the one whose score is counted."""

    def __init__(self, first, second, games):
        self.players = (first, second)
        self.key = "%s-%s" % (first.code, second.code)
        self.games = games


def make_plan(args):
    pairings = []
    if args.level or args.direct:
        for level in args.level or []:
            for anchor in args.anchor or [Player.anchor(str(ANCHOR_LOWEST_ELO))]:
                pairings.append(Pairing(Player("L%d" % level), anchor, args.games))
        for first, second in args.direct or []:
            pairings.append(Pairing(Player("L%d" % first), Player("L%d" % second), args.games))
    else:
        for level, anchors, games in DEFAULT_PLAN["levels"]:
            # The level's games are shared out among its anchors.
            for i, text in enumerate(anchors):
                share = games // len(anchors) + (1 if i < games % len(anchors) else 0)
                pairings.append(Pairing(Player("L%d" % level), Player.anchor(text), args.games or share))
        for (first, second), games in DEFAULT_PLAN["direct"]:
            pairings.append(Pairing(Player("L%d" % first), Player("L%d" % second), args.games or games))
    return pairings


def direct_pair(text):
    m = re.fullmatch(r"([1-4]):([1-4])", text)
    if not m or m.group(1) == m.group(2):
        raise argparse.ArgumentTypeError("direct match '%s' is not A:B with two levels from 1 to 4" % text)
    return int(m.group(1)), int(m.group(2))


# --- Ratings --------------------------------------------------------------------

def expected(rating, opponent):
    return 1.0 / (1.0 + 10.0 ** ((opponent - rating) / 400.0))


def solve(opponents, total, low=-4000.0, high=8000.0):
    """The rating whose expected total score against the opponents is total."""
    if total <= 0:
        return -math.inf
    if total >= len(opponents):
        return math.inf
    for _ in range(200):
        mid = (low + high) / 2
        if sum(expected(mid, o) for o in opponents) < total:
            low = mid
        else:
            high = mid
    return (low + high) / 2


def estimate(results):
    """Maximum likelihood rating and its 95% interval from (opponent rating,
    score) pairs under the logistic model. The interval is where the expected
    total score lies within 1.96 standard errors of the one scored, the
    error taken from the games' own spread (draws make it smaller); against
    one anchor that is anchor + 400 log10(s / (1 - s)) at s +- 1.96 SE."""
    opponents = [o for o, _ in results]
    total = sum(s for _, s in results)
    rating = solve(opponents, total)
    if math.isinf(rating):
        # No spread to measure at 0 or 100 %: the error of one draw's worth.
        spread = math.sqrt(0.25 * len(results))
    else:
        spread = math.sqrt(sum((s - expected(rating, o)) ** 2 for o, s in results))
    low = solve(opponents, total - Z95 * spread)
    high = solve(opponents, total + Z95 * spread)
    return rating, low, high


def whole(value, signed=False):
    if math.isinf(value):
        return "+inf" if value > 0 else "-inf"
    return ("%+d" if signed else "%d") % round(value)


def summarise(games, out=sys.stdout, markdown=False):
    """For each level against the anchors, and each direct match: the games,
    the score, the Elo and its 95% interval; as a Markdown table for the
    documents, or with the reasons the games ended."""
    levels, direct = {}, {}
    for tags in games:
        first, second = tags["Pairing"].split("-", 1)
        try:
            first_player, second_player = Player(first), Player(second)
        except ValueError:
            continue
        white_first = tags.get("WhiteCode") == first
        score = {"1-0": 1.0, "0-1": 0.0, "1/2-1/2": 0.5}[tags["Result"]]
        if not white_first:
            score = 1.0 - score
        entry = (second_player, score, tags)
        if second_player.level:
            direct.setdefault((first_player.level, second_player.level), []).append(entry)
        else:
            levels.setdefault(first_player.level, []).append(entry)
    rows = []
    for level in sorted(levels):
        entries = levels[level]
        rating, low, high = estimate([(p.elo, s) for p, s, _ in entries])
        anchors = {}
        for p, _, _ in entries:
            anchors[p.code] = anchors.get(p.code, 0) + 1
        rows.append(("Level %d" % level, entries, whole(rating), "%s to %s" % (whole(low), whole(high)),
                     ", ".join("%d/d%d x%d" % (Player(a).elo, Player(a).depth, n) for a, n in sorted(anchors.items()))))
    for (a, b) in sorted(direct, reverse=True):
        entries = direct[(a, b)]
        rating, low, high = estimate([(0, s) for _, s, _ in entries])
        rows.append(("Level %d - Level %d" % (a, b), entries, whole(rating, True),
                     "%s to %s" % (whole(low, True), whole(high, True)), "Level %d" % b))
    if not rows:
        print("no games yet", file=out)
        return
    if markdown:
        print("| level | Elo | 95 % interval | games | + − = | score | against (UCI_Elo/depth x games) |", file=out)
        print("|---|---|---|---|---|---|---|", file=out)
    else:
        print("%-19s %5s %14s %6s %7s %14s  %s" % ("", "games", "+ - =", "score", "Elo", "95% interval", "anchors"),
              file=out)
    for name, entries, rating, interval, anchors in rows:
        wins = sum(1 for _, s, _ in entries if s == 1.0)
        losses = sum(1 for _, s, _ in entries if s == 0.0)
        draws = len(entries) - wins - losses
        score = sum(s for _, s, _ in entries) / len(entries)
        if markdown:
            print("| %s | %s | %s | %d | +%d −%d =%d | %.1f %% | %s |" % (
                name, rating, interval, len(entries), wins, losses, draws, 100 * score, anchors), file=out)
        else:
            print("%-19s %5d %14s %5.1f%% %7s %14s  %s" % (name, len(entries), "+%d -%d =%d" % (wins, losses, draws),
                                                           100 * score, rating, interval, anchors), file=out)
    if markdown:
        return
    for name, entries, _, _, _ in rows:
        reasons, depths = {}, {}
        for _, _, tags in entries:
            reason = re.sub(r" \d+$", "", tags.get("Termination", "?"))
            if tags.get("Fault"):
                reason = tags["Fault"]
            reason = {"White mates": "mate", "Black mates": "mate"}.get(reason, reason)
            reasons[reason] = reasons.get(reason, 0) + 1
            for colour in ("White", "Black"):
                if colour + "Depth" in tags:
                    depths.setdefault(tags[colour + "Code"], []).append(float(tags[colour + "Depth"]))
        faults = sum(1 for _, _, tags in entries if tags.get("Fault"))
        print("%s: ended by %s; faults %d; mean depth %s" % (
            name, ", ".join("%s %d" % (r, n) for r, n in sorted(reasons.items(), key=lambda x: -x[1])), faults,
            ", ".join("%s %.1f" % (code, sum(d) / len(d)) for code, d in sorted(depths.items(), reverse=True))),
            file=out)
        # Each anchor's own reading: where they disagree, the anchors' scale does.
        anchors = sorted({p.code for p, _, _ in entries if not p.level})
        if len(anchors) > 1:
            for code in anchors:
                mine = [(p.elo, s) for p, s, _ in entries if p.code == code]
                rating, low, high = estimate(mine)
                print("  against %d/d%d: %d games, %.1f%%, %s (%s to %s)" % (
                    Player(code).elo, Player(code).depth, len(mine), 100 * sum(s for _, s in mine) / len(mine),
                    whole(rating), whole(low), whole(high)), file=out)


# --- Running ----------------------------------------------------------------------

def git_build():
    try:
        run = subprocess.run(["git", "-C", ROOT, "describe", "--always", "--dirty"], capture_output=True,
                             text=True, timeout=10)
        return run.stdout.strip()
    except (OSError, subprocess.SubprocessError):
        return ""


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Measure Torvo's levels in Elo against anchors and each other. Without --level and "
                    "--direct it plays the default plan: Levels 1 to 4 against anchors near their strength "
                    "and Level 4 against Level 3.")
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "torvo-cli"), help="torvo-cli to play and judge")
    parser.add_argument("--stockfish", default=shutil.which("stockfish") or "/usr/games/stockfish",
                        help="the anchor engine")
    parser.add_argument("--pgn", default=DEFAULT_PGN, help="the games, read to resume and appended to")
    parser.add_argument("--openings", default=DEFAULT_OPENINGS)
    parser.add_argument("--level", type=int, action="append", choices=[1, 2, 3, 4],
                        help="a level to measure against every --anchor (repeatable)")
    parser.add_argument("--anchor", type=Player.anchor, action="append",
                        help="ELO[/DEPTH]: the anchor at that UCI_Elo searching to 'go depth DEPTH'; "
                             "without DEPTH, the one it is rated at, read from the anchor")
    parser.add_argument("--direct", type=direct_pair, action="append", help="A:B: Level A against Level B")
    parser.add_argument("--games", type=int, default=0,
                        help="games each pairing is to have in the PGN, those there counted")
    parser.add_argument("--concurrency", type=int, default=os.cpu_count() or 1, help="games at once")
    parser.add_argument("--ply-cap", type=int, default=PLY_CAP, help="a game this long is a draw")
    parser.add_argument("--move-timeout", type=float, default=MOVE_TIMEOUT_SECONDS,
                        help="seconds an engine has for a move before it has hung")
    parser.add_argument("--stop-after", type=float, default=0,
                        help="minutes after which no further game starts (the rest for a later run)")
    parser.add_argument("--summary", action="store_true", help="only print the table of the games in the PGN")
    parser.add_argument("--markdown", action="store_true", help="with --summary: the table in Markdown")
    config = parser.parse_args(argv)
    if (config.level or config.direct) and config.games <= 0 and not config.summary:
        parser.error("--level and --direct need --games")
    if config.concurrency < 1:
        parser.error("--concurrency must be at least 1")
    config.build = git_build()

    if config.summary:
        summarise(read_pgn(config.pgn), markdown=config.markdown)
        return 0
    if not os.access(config.cli, os.X_OK):
        raise SystemExit("no torvo-cli at %s (build it, or give --cli)" % config.cli)
    plan = make_plan(config)
    if any(not p.players[1].level for p in plan) and not os.access(config.stockfish, os.X_OK):
        raise SystemExit("no anchor engine at %s (apt-get install stockfish, or give --stockfish)" % config.stockfish)
    openings = read_openings(config)
    resolve_anchors(config, plan, openings)
    done = {}
    for tags in read_pgn(config.pgn):
        if tags.get("Round", "").isdigit():
            done.setdefault(tags["Pairing"], set()).add(int(tags["Round"]))
    # Round k plays opening k // 2, the first player White in even rounds;
    # the rounds missing from the PGN are played, the lowest first.
    # The pairings take turns, so that a run cut short leaves each of them
    # about as far as the others.
    work = []
    for index, pairing in enumerate(plan):
        missing = [k for k in range(pairing.games) if k not in done.get(pairing.key, set())]
        work += [(position, index, pairing, k) for position, k in enumerate(missing)]
    work = [(pairing, k) for _, _, pairing, k in sorted(work, key=lambda item: item[:2])]
    cores = os.cpu_count() or 1
    timed = sorted({p.level for pairing, _ in work for p in pairing.players if p.level in TIMED_LEVELS})
    if timed:
        print("note: Level%s %s think%s by time: play %s on a quiet machine with no more games at once "
              "than cores (%d)" % ("s" if len(timed) > 1 else "", " and ".join(map(str, timed)),
                                   "" if len(timed) > 1 else "s", "them" if len(timed) > 1 else "it", cores))
        if config.concurrency > cores:
            print("warning: --concurrency %d is more than the %d cores: the timed levels play weaker"
                  % (config.concurrency, cores))
    print("load average %s; %d games to play, %d at once; games in %s" % (load_average(), len(work),
                                                                         config.concurrency, config.pgn))
    sys.stdout.flush()
    os.makedirs(os.path.dirname(os.path.abspath(config.pgn)), exist_ok=True)
    lock = threading.Lock()
    played = [0]

    stop_at = time.monotonic() + 60 * config.stop_after if config.stop_after > 0 else math.inf

    def run(item):
        pairing, k = item
        # Past the time given, no game starts; those running end as usual.
        if time.monotonic() >= stop_at:
            return
        index = (k // 2) % len(openings)
        game = play_game(config, pairing, k, index, openings[index])
        with lock:
            with open(config.pgn, "a", encoding="utf-8") as f:
                f.write(pgn_text(game))
            played[0] += 1
            print("%d/%d %s round %d: %s %s (%s)" % (played[0], len(work), pairing.key, k, game.result,
                                                     game.termination, game.white.code + "-" + game.black.code))
            sys.stdout.flush()

    with concurrent.futures.ThreadPoolExecutor(max_workers=config.concurrency) as pool:
        futures = [pool.submit(run, item) for item in work]
        try:
            for future in concurrent.futures.as_completed(futures):
                future.result()
        except KeyboardInterrupt:
            for future in futures:
                future.cancel()
            raise
    if played[0] < len(work):
        print("stopped after %g minutes: %d games left for a later run" % (config.stop_after, len(work) - played[0]))
    print("load average %s at the end" % load_average())
    summarise(read_pgn(config.pgn))
    return 0


if __name__ == "__main__":
    sys.exit(main())
