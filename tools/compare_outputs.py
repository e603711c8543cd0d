#!/usr/bin/env python3
"""Runs two quorvane-calc binaries on the same random designs and compares what they print.

A refactoring must not change a byte of any field, Reference line, report line, netlist, message
or saved design file. Each design is a random script of typed inputs (good and bad texts), clicks
on the option buttons and spin-button presses; both binaries run it and then print --fields,
--reference, --report and the three netlists, and save the design.

    tools/compare_outputs.py OLD_BINARY NEW_BINARY [--designs N] [--seed S]

Exits 0 when every design gives identical output, 1 at the first difference (which it shows).
"""

import argparse
import difflib
import os
import random
import subprocess
import sys
import tempfile

INPUT_FIELDS = [
    "TCEdit1", "TCEdit2", "TCEdit3", "TCEdit6", "TCEdit7", "TOCEdit1", "TOCEdit2", "PREdit1",
    "PREdit2", "PREdit3", "PREdit4", "PREdit12", "SEEdit1", "SEEdit2", "SEEdit14", "SGEdit1",
]
OPTIONS = [
    "FlatPrimary", "VerticalPrimary", "ConicalPrimary", "TopLoadCheck", "ToroidSelect",
    "SphereSelect", "BertPoolButton", "PhysicsButton", "NoCap", "RadioButton1", "RadioButton2",
]
SPIN_BUTTONS = [
    "TCSpinButton1", "TCSpinButton2", "TCSpinButton3", "TCSpinButton4", "TCSpinButton5",
    "TOCSpinButton1", "TOCSpinButton2", "PRSpinButton1", "PRSpinButton2", "PRSpinButton3",
    "PRSpinButton4", "SESpinButton1", "SESpinButton2", "SESpinButton3", "SESpinButton4",
    "SGSpinButton2", "SGSpinButton3", "SGSpinButton4", "SGSpinButton5", "SGSpinButton7",
]
USAGE_STATUS = 2  # the front end refused the arguments; such a run compares nothing

# Texts the acceptance step must refuse, or take at an edge of a rule.
ODD_TEXTS = ["abc", "", "0", "-1", "1,5", "12 ", " 12", "1e1", ".5", "5.", "-0", "1e400", "90", "91",
             "100", "101", "0.5", "1e-300", "+3"]


def random_number_text(rng):
    """A plausible typed number over several decades, in one of the forms people type."""
    value = 10 ** rng.uniform(-3, 5)
    style = rng.randrange(4)
    if style == 0:
        return f"{value:.{rng.randrange(0, 6)}f}"
    if style == 1:
        return f"{value:e}"
    if style == 2:
        return str(int(value))
    return repr(round(value, rng.randrange(0, 4)))


def random_actions(rng):
    actions = []
    for _ in range(rng.randrange(1, 12)):
        kind = rng.random()
        if kind < 0.5:
            text = rng.choice(ODD_TEXTS) if rng.random() < 0.2 else random_number_text(rng)
            actions += ["--set", f"{rng.choice(INPUT_FIELDS)}={text}"]
        elif kind < 0.7:
            actions += ["--click", rng.choice(OPTIONS)]
        elif kind < 0.95:
            arrow = rng.choice(["up", "down"])
            actions += ["--step", f"{rng.choice(SPIN_BUTTONS)}:{arrow}:{rng.randrange(1, 60)}"]
        else:
            actions += ["--passes", str(rng.randrange(0, 4))]
    return actions


def run(binary, arguments, save_path):
    outputs = ["--fields", "--reference", "--report",
               "--netlist", "1", "--netlist", "2", "--netlist", "3", "--save", save_path]
    if os.path.exists(save_path):
        os.remove(save_path)
    done = subprocess.run([binary] + arguments + outputs, capture_output=True, timeout=60, check=False)
    saved = b""
    if os.path.exists(save_path):
        with open(save_path, "rb") as f:
            saved = f.read()
    return done.returncode, done.stdout, done.stderr, saved


def show_difference(name, old, new):
    old_lines = old.decode("latin-1").splitlines()
    new_lines = new.decode("latin-1").splitlines()
    for line in list(difflib.unified_diff(old_lines, new_lines, "old", "new", lineterm=""))[:40]:
        print(f"  {name}: {line}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--designs", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    refused = 0
    with tempfile.TemporaryDirectory(prefix="quorvane-compare-") as scratch:
        save_path = os.path.join(scratch, "design.qvd")
        for index in range(args.designs):
            # The start design first, then random ones.
            actions = [] if index == 0 else random_actions(rng)
            old = run(args.old, actions, save_path)
            new = run(args.new, actions, save_path)
            # A script that presses a control a person could not reach (a hidden rotary button)
            # is refused; the new binary must refuse it in the same words. The usage line after
            # the reason lists the actions, which new ones lengthen.
            if old[0] == USAGE_STATUS:
                refused += 1
                old, new = [(r[0], r[1], r[2].split(b"\n")[0], r[3]) for r in (old, new)]
            if old != new:
                print(f"design {index} differs: {' '.join(actions)}")
                for name, a, b in zip(["status", "stdout", "stderr", "saved file"], old, new):
                    if a != b:
                        if isinstance(a, int):
                            print(f"  status: {a} != {b}")
                        else:
                            show_difference(name, a, b)
                return 1
    print(f"{args.designs} designs identical ({refused} of them refused alike by both)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
