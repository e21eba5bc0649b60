#!/usr/bin/env python3
"""Writes known_values.csv: input vectors for every export with the results
that the Linux plug-ins give for them.

Made once and kept: the Linux and the Windows test suites both evaluate the
file and compare with the stored results, which makes the two platforms
agree with each other. It is also shipped to users as the known values that
check an installation.

    make_corpus.py PLUGIN_DIR > known_values.csv

The vectors are the reference mixes of the models' worked examples, with
inputs scaled at random (a factor between about 1/3 and 3) and now and then
set to a value that a model treats specially: zero, negative zero, a
negative, NaN, an infinity, a tiny or huge value, a humidity above 100.
"""
import ctypes
import math
import random
import sys

CHLORIDE = [30, 50, 3, 10, 0.6, 2.03e-9, 175, 350, 600, 650, 650, 3150, 2600, 2650, 2700, 1]
CARBONATION = [0.03, 50, 0.035, 65, 350, 175, 700, 500, 0, 3150, 2650, 2650, 2650, 1]
EXPORTS = ["Mirkast_xCl", "Mirkast_ti", "dorvela_xc", "dorvela_ti", "dorvelb_xc", "dorvelb_ti"]
ROWS_PER_EXPORT = 300
SPECIALS = [0.0, -0.0, -1.0, float("nan"), float("inf"), float("-inf"), 1e-300, 1e300, 120.0, 100.0, 6.26]


def vector_for(name, rng):
    base = CHLORIDE if name.startswith("Mirkast") else CARBONATION
    v = [float(x) for x in base]
    for i in range(len(v)):
        roll = rng.random()
        if roll < 0.04:
            v[i] = rng.choice(SPECIALS)
        elif roll < 0.06:
            v[i] = -v[i]
        elif roll < 0.6:
            v[i] *= math.exp(rng.uniform(-1.1, 1.1))
    if not name.startswith("Mirkast") and rng.random() < 0.5:
        v[3] = rng.uniform(0.0, 105.0)  # sweep the humidity curve
    return v


def text(x):
    if math.isnan(x):
        return "nan"
    return repr(x)


def main():
    directory = sys.argv[1]
    libraries = {}
    rng = random.Random(20261211)
    print("export,expected," + ",".join("p%d" % i for i in range(1, 17)))
    for name in EXPORTS:
        base = name.split("_")[0]
        if base not in libraries:
            libraries[base] = ctypes.CDLL("%s/%s.so" % (directory, base))
        f = getattr(libraries[base], name)
        f.restype = ctypes.c_double
        f.argtypes = [ctypes.c_int32, ctypes.POINTER(ctypes.c_double)]
        for _ in range(ROWS_PER_EXPORT):
            v = vector_for(name, rng)
            arr = (ctypes.c_double * len(v))(*v)
            result = f(0, arr)
            print(",".join([name, text(result)] + [text(x) for x in v]))


if __name__ == "__main__":
    main()
