#!/usr/bin/env python3
"""Independent implementation of the monthly method (DIN EN ISO 13788) for the reference values of
tst_MonthlyMethod.cpp and for comparing the batch tool's JSON on random constructions.

The vapour pressure line is found by gift wrapping (from each fixed point the candidate of the smallest slope,
the farthest one on a tie) instead of the monotone chain of the program.

Usage: monthly_reference.py              prints the reference values of the test constructions
       monthly_reference.py check FILE.json LAYERS.json   compares the tool's "monthly" object with this one
"""
import json
import math
import sys

DAYS = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
POTSDAM_T = [0.7, 1.6, 4.9, 10.2, 14.2, 18.1, 19.7, 19.1, 15.1, 9.8, 5.5, 2.4]
POTSDAM_P = [596, 584, 661, 791, 1074, 1361, 1546, 1519, 1292, 1059, 834, 674]
DELTA0 = 2e-10


def psat(t):
    if t >= 0:
        return 610.5 * math.exp(17.269 * t / (237.3 + t))
    return 610.5 * math.exp(21.875 * t / (265.5 + t))


def tsat(p):
    L = math.log(p / 610.5)
    return 237.3 * L / (17.269 - L) if p >= 610.5 else 265.5 * L / (21.875 - L)


def interior_p(ti, te, pe, interior):
    kind, value = interior
    if kind == "rh":
        return psat(ti) * value / 100
    dv = value if te <= 0 else (0 if te >= 20 else value * (20 - te) / 20)
    tm = ((ti + 273.15) + (te + 273.15)) / 2
    return pe + 1.10 * dv * 461.5 * tm


def line(sd, ps, pi, pe, M):
    n = len(sd) - 1
    P = lambda k: pi if k == 0 else (pe if k == n else ps[k])
    forced = [0] + [k for k in range(1, n) if M[k] > 0] + [n]
    fixed = [0]
    for a, b in zip(forced, forced[1:]):
        cands = []
        for k in range(a + 1, b):
            if not (sd[a] < sd[k] < sd[b]):
                continue
            if cands and sd[cands[-1]] == sd[k]:
                if P(k) < P(cands[-1]):
                    cands[-1] = k
                continue
            cands.append(k)
        cur = a
        while cur != b:
            best, bs = b, (P(b) - P(cur)) / (sd[b] - sd[cur])
            for k in cands:
                if sd[k] <= sd[cur]:
                    continue
                s = (P(k) - P(cur)) / (sd[k] - sd[cur])
                if s < bs:
                    best, bs = k, s
            fixed.append(best)
            cur = best
    g = [0.0] * (n + 1)
    for i in range(1, len(fixed) - 1):
        a, k, b = fixed[i - 1], fixed[i], fixed[i + 1]
        g[k] = DELTA0 * ((P(a) - P(k)) / (sd[k] - sd[a]) - (P(k) - P(b)) / (sd[b] - sd[k]))
    return g


def temperatures(R, rsi, ti, te):
    rt = rsi + sum(R) + 0.04
    q = (ti - te) / rt
    T = [ti - rsi * q]
    acc = 0
    for r in R:
        acc += r
        T.append(ti - (rsi + acc) * q)
    return T


def monthly(layers, rsi=0.13, ti=20.0, interior=("rh", 50.0), climate=(POTSDAM_T, POTSDAM_P)):
    """layers: list of (d m, lambda, mu)."""
    R = [d / l for d, l, mu in layers]
    sd = [0.0]
    for d, l, mu in layers:
        sd.append(sd[-1] + mu * d)
    n = len(layers)
    te_all, pe_all = climate
    clim = []
    for m in range(12):
        te, pe = te_all[m], pe_all[m]
        T = temperatures(R, rsi, ti, te)
        clim.append((te, pe, ti, interior_p(ti, te, pe, interior), [psat(t) for t in T]))
    cond = [any(x > 0 for x in line(sd, c[4], c[3], c[1], [0] * (n + 1))) for c in clim]
    start = None
    if any(cond):
        start = 1
        for m in range(12):
            if cond[m] and not cond[m - 1]:
                start = m + 1
                break
    M = [0.0] * (n + 1)
    months = []
    for i in range(12):
        m = ((start or 1) - 1 + i) % 12 + 1
        te, pe, ti_, pi, ps = clim[m - 1]
        g = line(sd, ps, pi, pe, M)
        t = DAYS[m - 1] * 86400
        condensed = [x * t for x in g]
        M = [max(0.0, a + c) for a, c in zip(M, condensed)]
        months.append(dict(month=m, thetaE=te, pE=pe, thetaI=ti_, pI=pi, condensed=condensed, accumulated=M[:],
                           total=sum(M)))
    listed = [k for k in range(n + 1) if any(mo["accumulated"][k] > 0 for mo in months)]
    maxacc, maxmonth = 0.0, None
    for mo in months:
        if mo["total"] > maxacc:
            maxacc, maxmonth = mo["total"], mo["month"]
    U = 1 / (0.25 + sum(R) + 0.04)
    frsimin = []
    for te, pe, ti_, pi, ps in clim:
        frsimin.append(None if ti_ <= te else (tsat(pi / 0.8) - te) / (ti_ - te))
    design, dmonth = None, None
    for m, f in enumerate(frsimin):
        if f is not None and (design is None or f > design):
            design, dmonth = f, m + 1
    return dict(startMonth=start, months=[dict(month=mo["month"], thetaE=mo["thetaE"], pE=mo["pE"],
                                               thetaI=mo["thetaI"], pI=mo["pI"],
                                               interfaces=[dict(index=k, condensed=mo["condensed"][k],
                                                                accumulated=mo["accumulated"][k]) for k in listed],
                                               total=mo["total"]) for mo in months],
                maxAccumulated=maxacc, maxMonth=maxmonth, driesOut=months[-1]["total"] == 0,
                surface=dict(fRsi=1 - U * 0.25, fRsiMin=frsimin, designFRsiMin=design, designMonth=dmonth))


def compare(a, b, path=""):
    if isinstance(b, dict):
        for key in b:
            compare(a[key], b[key], path + "." + key)
    elif isinstance(b, list):
        assert len(a) == len(b), path
        for i, (x, y) in enumerate(zip(a, b)):
            compare(x, y, "%s[%d]" % (path, i))
    elif isinstance(b, float) and not isinstance(b, bool):
        assert a is not None and abs(a - b) <= 1e-7 * abs(b) + 1e-12, "%s: %r != %r" % (path, a, b)
    else:
        assert a == b, "%s: %r != %r" % (path, a, b)


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "check":
        tool = json.load(open(sys.argv[2]))["monthly"]
        case = json.load(open(sys.argv[3]))
        ref = monthly([tuple(x) for x in case["layers"]], case.get("rsi", 0.13), case.get("ti", 20.0),
                      tuple(case.get("interior", ["rh", 50.0])))
        compare(tool, ref)
        print("equal")
    else:
        cases = {
            "never": [(0.0125, 0.25, 1000), (0.16, 0.04, 1)],
            "dries in summer": [(0.0125, 0.25, 8), (0.16, 0.04, 1), (0.015, 0.13, 100)],
            "all year": [(0.16, 0.04, 1), (0.001, 0.2, 100000)],
        }
        for name, layers in cases.items():
            r = monthly(layers, ti=30 if name == "all year" else 20.0,
                        interior=("rh", 80.0) if name == "all year" else ("rh", 50.0))
            print(name, r["startMonth"], r["maxMonth"], repr(r["maxAccumulated"]), r["driesOut"],
                  [round(mo["total"], 4) for mo in r["months"]], repr(r["surface"]["designFRsiMin"]),
                  r["surface"]["designMonth"], repr(r["surface"]["fRsi"]))
