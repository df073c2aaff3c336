#!/usr/bin/env python3
"""Designs the 113-tap low-pass of the half-rate decimator (src/dsp/CHalfRateDecimator.cpp).

Linear phase, taps summing to 0.25 (the decimator multiplies by 4.0, so the gain at 0 Hz is 1).
After that gain the response passes exactly through -1 dB at 0.231 and -6 dB at 0.238 of the
input rate and stays below -40 dB from 0.249 of the input rate up to half the rate.

Method: constrained least squares on a frequency grid (passband 0 .. 0.22, stopband
0.249 .. 0.5), with the gain at 0 Hz, 0.231 and 0.238 held exactly by Lagrange multipliers,
and a few Lawson re-weighting passes that push the error towards equal ripple. Only the
standard library is used.

Usage: python3 tools/design_half_rate_lowpass.py
Prints the first 57 taps (h[0] .. h[56], the centre tap last) as a C++ initialiser, then the
measured response on standard error.
"""
import math
import operator
import sys

TAPS = 113
HALF = TAPS // 2  # 56: index of the centre tap
PASS_EDGE = 0.22
STOP_EDGE = 0.249
# (frequency as a fraction of the input rate, required gain after the output gain of 4)
POINTS = [(0.0, 1.0), (0.231, 10 ** (-1 / 20)), (0.238, 10 ** (-6 / 20))]
LAWSON_PASSES = 8
GRID = 1200


def cosine_row(f):
    """Amplitude response basis: A(f) = a0 + sum a_k cos(2 pi f k), k = 1 .. HALF."""
    return [math.cos(2 * math.pi * f * k) for k in range(HALF + 1)]


def solve(matrix, rhs):
    """Gaussian elimination with partial pivoting; matrix is square."""
    n = len(rhs)
    rows = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(rows[r][col]))
        rows[col], rows[pivot] = rows[pivot], rows[col]
        for r in range(n):
            if r != col and rows[r][col] != 0.0:
                factor = rows[r][col] / rows[col][col]
                for j in range(col, n + 1):
                    rows[r][j] -= factor * rows[col][j]
    return [rows[i][n] / rows[i][i] for i in range(n)]


def constrained_fit(grid, basis, weights):
    """Weighted least squares for a, with A(f) fixed at every entry of POINTS."""
    k_count = HALF + 1
    weighted = [[weights[g] * basis[g][k] for g in range(len(grid))] for k in range(k_count)]
    plain = [[basis[g][k] for g in range(len(grid))] for k in range(k_count)]
    size = k_count + len(POINTS)
    matrix = [[0.0] * size for _ in range(size)]
    rhs = [0.0] * size
    for k in range(k_count):
        for col in range(k_count):
            matrix[k][col] = sum(map(operator.mul, weighted[k], plain[col]))
        rhs[k] = sum(weighted[k][g] * grid[g][1] for g in range(len(grid)))
    for j, (f, gain) in enumerate(POINTS):
        row = cosine_row(f)
        for k in range(k_count):
            matrix[k_count + j][k] = row[k]
            matrix[k][k_count + j] = row[k]
        rhs[k_count + j] = gain
    return solve(matrix, rhs)[:k_count]


def amplitude(a, f):
    return sum(map(operator.mul, a, cosine_row(f)))


def design():
    pass_points = GRID // 3
    grid = [(PASS_EDGE * i / pass_points, 1.0) for i in range(pass_points + 1)]
    grid += [(STOP_EDGE + (0.5 - STOP_EDGE) * i / GRID, 0.0) for i in range(GRID + 1)]
    basis = [cosine_row(f) for f, _ in grid]
    weights = [1.0 if want > 0 else 10.0 for _, want in grid]
    best, best_stop = None, float("inf")
    for _ in range(LAWSON_PASSES):
        a = constrained_fit(grid, basis, weights)
        errors = [abs(sum(map(operator.mul, basis[g], a)) - grid[g][1]) for g in range(len(grid))]
        stop = max(e for e, (_, want) in zip(errors, grid) if want == 0.0)
        if stop < best_stop:
            best, best_stop = a, stop
        weights = [w * (e + 1e-12) for w, e in zip(weights, errors)]
        total = sum(weights)
        weights = [w * len(grid) / total for w in weights]
    return best


def to_taps(a):
    """Cosine coefficients to the symmetric impulse response, scaled to sum 0.25."""
    taps = [0.0] * TAPS
    taps[HALF] = a[0]
    for k in range(1, HALF + 1):
        taps[HALF - k] = taps[HALF + k] = a[k] / 2
    scale = 0.25 / sum(taps)
    return [t * scale for t in taps]


def db(taps, f):
    gain = 4.0 * abs(sum(t * math.cos(2 * math.pi * f * (n - HALF)) for n, t in enumerate(taps)))
    return 20 * math.log10(max(gain, 1e-12))


def main():
    taps = to_taps(design())
    # Round as the C++ table stores them, then measure what the program will use.
    taps = [float("%.9g" % t) for t in taps]
    print("  // h[0] .. h[%d]; h[%d - i] == h[%d + i]" % (HALF, HALF, HALF))
    for start in range(0, HALF + 1, 4):
        print("  " + " ".join("%.9gf," % t for t in taps[start:min(start + 4, HALF + 1)]))
    stop = [STOP_EDGE + (0.5 - STOP_EDGE) * i / 5000 for i in range(5001)]
    passband = [0.231 * i / 1000 for i in range(1001)]
    report = [
        "sum of taps: %.9f" % sum(taps),
        "dB at 0.231: %.3f" % db(taps, 0.231),
        "dB at 0.238: %.3f" % db(taps, 0.238),
        "dB at 0.249: %.3f" % db(taps, 0.249),
        "worst stopband (0.249 .. 0.5): %.3f dB" % max(db(taps, f) for f in stop),
        "passband 0 .. 0.231: %.3f .. %.3f dB" % (min(db(taps, f) for f in passband),
                                                max(db(taps, f) for f in passband)),
    ]
    sys.stderr.write("\n".join(report) + "\n")


if __name__ == "__main__":
    main()
