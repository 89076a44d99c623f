#!/usr/bin/env python3
"""Resident size of a UCI session over many searches along self-played games.

    bench/rss_uci.py [--searches N] [--go "movetime 100"] [--wine] CLI

Starts `CLI uci` (under Wine with --wine), plays one game after another by
asking for a move and appending it, and prints the process's resident size
after the first search, after each tenfold count, at the end and after a
"ucinewgame", and its highest resident size, reached during a search. A game ends after 200 plies or when no move comes.
"""
import argparse
import os
import subprocess
import sys
import time

START_FEN_POSITION = "position startpos"
LONGEST_GAME = 200
NULL_MOVE = "0000"


def status_kib(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def wine_process(name, timeout=20.0):
    """The Windows program's own process: Wine starts it beside the launcher."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/cmdline", "rb") as f:
                    args = f.read().split(b"\0")
            except OSError:
                continue
            if args and args[0].decode(errors="replace").lower().endswith(name.lower()):
                return int(entry)
        time.sleep(0.1)
    sys.exit(f"no process {name} found")


class Session:
    def __init__(self, cli, wine):
        command = (["wine", cli] if wine else [cli]) + ["uci"]
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        self.say("uci")
        self.wait_for("uciok")
        self.pid = wine_process(os.path.basename(cli)) if wine else self.process.pid

    def say(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def wait_for(self, word):
        for line in self.process.stdout:
            if line.startswith(word):
                return line.split()
        sys.exit(f"the session ended before '{word}'")

    def sync(self):
        self.say("isready")
        self.wait_for("readyok")

    def mib(self, field="VmRSS"):
        return status_kib(self.pid, field) / 1024.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--searches", type=int, default=1000)
    parser.add_argument("--go", default="movetime 100")
    parser.add_argument("--wine", action="store_true")
    args = parser.parse_args()

    session = Session(args.cli, args.wine)
    session.sync()
    print(f"start: {session.mib():.1f} MB")
    moves = []
    checkpoints = {1}
    n = 10
    while n < args.searches:
        checkpoints.add(n)
        n *= 10
    checkpoints.add(args.searches)
    peak = 0.0
    for search in range(1, args.searches + 1):
        session.say(f"{START_FEN_POSITION} moves {' '.join(moves)}" if moves else START_FEN_POSITION)
        session.say(f"go {args.go}")
        reply = session.wait_for("bestmove")
        move = reply[1] if len(reply) > 1 else NULL_MOVE
        if move == NULL_MOVE or len(moves) + 1 >= LONGEST_GAME:
            moves = []
            session.say("ucinewgame")
        else:
            moves.append(move)
        session.sync()
        peak = max(peak, session.mib())
        if search in checkpoints:
            print(f"after {search} searches: {session.mib():.1f} MB (highest between searches {peak:.1f} MB)",
                  flush=True)
    session.say("ucinewgame")
    session.sync()
    print(f"after ucinewgame: {session.mib():.1f} MB")
    print(f"highest ever, during a search too (VmHWM): {session.mib('VmHWM'):.1f} MB")
    session.say("quit")
    session.process.wait(timeout=30)


if __name__ == "__main__":
    main()
