#!/usr/bin/env python3
"""An anchor engine that goes wrong at its first move, as STRENGTH_FAKE says:
illegal (a move no position allows), malformed (not a coordinate move),
crash (ends) or hang (never answers)."""
import os
import sys
import time

fault = os.environ.get("STRENGTH_FAKE", "")
for line in sys.stdin:
    word = line.split()[:1]
    if word == ["uci"]:
        for option in ("Threads", "Hash", "UCI_LimitStrength", "UCI_Elo"):
            print("option name %s type string default x" % option)
        print("uciok", flush=True)
    elif word == ["isready"]:
        print("readyok", flush=True)
    elif word == ["go"]:
        if fault == "crash":
            sys.exit(3)
        if fault == "hang":
            time.sleep(3600)
        print("bestmove " + ("e2e5" if fault == "illegal" else "Nf3"), flush=True)
    elif word == ["quit"]:
        break
