#!/usr/bin/env python3
"""Reference generator for tst_Vapro: computes the complete results record (Glaser step and the
moisture-dependent method) of a few constructions from the formulas alone, with plain Python floats
and its own Gaussian elimination, independently of the C++ code under test.

Usage:  python3 vapro_reference.py            prints every case as C++ initialisers for tst_Vapro.cpp
        python3 vapro_reference.py --summary  prints a readable summary of every case

To regenerate the reference values in tst_Vapro.cpp, run the script and paste its output over the
block between the "reference values" markers. Only non-air materials are used, so a layer's
conductivity and diffusion resistance factor are the material values.
"""
import math
import sys

# ---------------------------------------------------------------- physical properties


def p_sat(theta):
    """Saturation vapour pressure, power form, Pa."""
    if theta >= 0:
        return 288.68 * (1.098 + theta / 100) ** 8.02
    return 4.689 * (1.486 + theta / 100) ** 12.3


def p_sat_magnus(theta):
    if theta >= 0:
        return 610.5 * math.exp(17.269 * theta / (237.3 + theta))
    return 610.5 * math.exp(21.875 * theta / (265.5 + theta))


def temperature_field(R, R_si, R_se, T_i, T_e):
    n = len(R)
    R_sum = 0.0
    for r in R:
        R_sum += r
    R_tot = R_si + R_sum + R_se
    q = (T_i - T_e) / R_tot
    T = [0.0] * (n + 1)
    T[0] = T_i - R_si * q
    acc = 0.0
    for k in range(1, n):
        acc += R[k - 1]
        T[k] = T_i - (R_si + acc) * q
    T[n] = T_i - (R_si + R_sum) * q
    return T


def vapor_field(Z, T_i, rh_i, T_e, rh_e):
    R_vap = sum(Z)
    p_i = p_sat(T_i) * rh_i / 100
    p_e = p_sat(T_e) * rh_e / 100
    g = (p_i - p_e) / R_vap
    n = len(Z)
    p = [0.0] * (n + 1)
    acc = 0.0
    for k in range(n):
        p[k] = p_i - g * acc
        acc += Z[k]
    p[n] = p_e
    return p


def gauss_solve(A, b):
    """Gaussian elimination with partial pivoting; None for a singular matrix."""
    m = len(b)
    M = [list(A[i]) + [b[i]] for i in range(m)]
    for col in range(m):
        piv = max(range(col, m), key=lambda r: abs(M[r][col]))
        if M[piv][col] == 0:
            return None
        M[col], M[piv] = M[piv], M[col]
        for r in range(col + 1, m):
            f = M[r][col] / M[col][col]
            for c in range(col, m + 1):
                M[r][c] -= f * M[col][c]
    x = [0.0] * m
    for r in range(m - 1, -1, -1):
        s = M[r][m]
        for c in range(r + 1, m):
            s -= M[r][c] * x[c]
        x[r] = s / M[r][r]
    return x


# ---------------------------------------------------------------- Glaser step


def glaser(layers, cl, res):
    n = len(layers)
    Z = [l['mu'] * l['d'] / 2e-10 for l in layers]
    R = [l['d'] / l['lam'] for l in layers]
    res['Z'] = Z
    res['R'] = R
    R_layers = 0.0
    for r in R:
        R_layers += r
    res['R_layers'] = R_layers
    res['R_total'] = R_layers + cl['R_se'] + cl['R_si']
    res['U'] = 1 / res['R_total']
    T = temperature_field(R, cl['R_si'], cl['R_se'], cl['T_i'], cl['T_e'])
    res['T'] = T
    p_i = p_sat_magnus(cl['T_i']) * cl['rh_i'] / 100
    p_e = p_sat_magnus(cl['T_e']) * cl['rh_e'] / 100
    ps = [p_sat_magnus(t) for t in T]
    res['p_sat'] = ps
    g = (p_i - p_e) / sum(Z)
    p = [0.0] * (n + 1)
    acc = 0.0
    for k in range(n):
        p[k] = p_i - g * acc
        acc += Z[k]
    p[n] = p_e
    res['p'] = p
    cond = [k for k in range(n + 1) if p[k] >= ps[k]]
    zones = []
    for k in cond:
        if zones and zones[-1][1] == k - 1:
            zones[-1] = (zones[-1][0], k)
        else:
            zones.append((k, k))
    res['glaserZones'] = zones
    res['glaserFirstPlane'] = -1
    res['glaserLastPlane'] = -1
    for key in ('glaserMc', 'glaserDryingMass', 'glaserDryingTime'):
        res[key] = 0.0
    if not cond:
        return 7
    if cond[0] == 0:
        return 4
    if cond[-1] == n:
        return 5
    if n == 1:
        return 6
    res['glaserFirstPlane'] = cond[0]
    res['glaserLastPlane'] = cond[-1]
    code = 9 if len(cond) == 1 else (10 if len(zones) == 1 else 11)
    t_c = cl['tT'] * 24 * 3600
    t_ev = cl['tT_summer'] * 24 * 3600

    def Z_L(a):
        return sum(Z[:a])

    def Z_R(b):
        return sum(Z[b:])

    p_es = p_sat(cl['T_e_summer']) * cl['rh_e_summer'] / 100
    p_is = p_sat(cl['T_i_summer']) * cl['rh_i_summer'] / 100
    p_c = p_sat(cl['T_i_summer'])
    d_i = p_c - p_is
    d_e = p_c - p_es
    if code == 9:
        k = cond[0]
        Mc = t_c * ((p_i - ps[k]) / Z_L(k) - (ps[k] - p_e) / Z_R(k))
        g_ev = d_e / Z_R(k) + d_i / Z_L(k)
    elif code == 10:
        a, b = zones[0]
        Mc = t_c * ((p_i - ps[a]) / Z_L(a) - (ps[b] - p_e) / Z_R(b))
        Zz = sum(Z[a:b])
        g_ev = d_e / (Zz / 2 + Z_R(b)) + d_i / (Zz / 2 + Z_L(a))
    else:
        if len(cond) != 2:
            return 3
        a, b = cond
        Z_M = sum(Z[a:b])
        m_a = t_c * ((p_i - ps[a]) / Z_L(a) - (ps[a] - ps[b]) / Z_M)
        m_b = t_c * ((ps[a] - ps[b]) / Z_M - (ps[b] - p_e) / Z_R(b))
        res['glaserMc'] = m_a + m_b
        g_i = d_i / Z_L(a)
        g_e = d_e / Z_R(b)
        t_a = m_a / g_i
        t_b = m_b / g_e
        if t_b > t_a:
            g_both = g_e + d_i / (Z_M + Z_L(a))
            res['glaserDryingMass'] = g_both * (t_ev - t_a) + (g_e + g_i) * t_a
            res['glaserDryingTime'] = t_a + (m_b - t_a * g_e) / g_both
        else:
            g_both = g_i + d_e / (Z_M + Z_R(b))
            res['glaserDryingMass'] = g_both * (t_ev - t_b) + (g_e + g_i) * t_b
            res['glaserDryingTime'] = t_b + (m_a - t_b * g_i) / g_both
        return code
    res['glaserMc'] = Mc
    res['glaserDryingMass'] = t_ev * g_ev
    res['glaserDryingTime'] = Mc / g_ev
    return code


# ---------------------------------------------------------------- moisture-dependent method


class Vapro:
    def __init__(self, layers, cl, res):
        self.L = layers
        self.cl = cl
        self.r = res
        self.n = len(layers)

    def prepare(self):
        n = self.n
        self.w95 = [l['w80'] * 95 / 80 for l in self.L]
        self.dw = [self.L[j]['wsat'] - self.w95[j] for j in range(n)]
        for j in range(n):
            if self.dw[j] <= 0:
                return False
        K = [self.L[j]['Aw'] * self.L[j]['Aw'] * 5e-8 / (self.dw[j] ** 3) for j in range(n)]
        self.kappa = [0.0] + [self.dw[k - 1] / self.dw[k] for k in range(1, n)] + [0.0]
        self.Z = [l['mu'] * l['d'] * 5.4e9 for l in self.L]
        self.Rl = [self.L[j]['d'] / K[j] / 1000 if K[j] != 0 else math.inf for j in range(n)]
        self.p_i = p_sat(self.cl['T_i']) * self.cl['rh_i'] / 100
        self.p_e = p_sat(self.cl['T_e']) * self.cl['rh_e'] / 100
        self.last = -1
        self.sk = [0.0] * n
        self.mc = [0.0] * n
        self.wl = [0.0] * n
        self.wr = [0.0] * n
        self.zones = []
        return True

    def thermal(self):
        n, cl = self.n, self.cl
        Rm = []
        for j in range(n):
            d, lam, s = self.L[j]['d'], self.L[j]['lam'], self.sk[j]
            if s == 0:
                Rm.append(d / lam)
            elif s == d:
                Rm.append(d / (lam + 0.55 * (self.wl[j] + self.wr[j]) / 2))
            else:
                ws = self.wl[j] if self.wl[j] > self.w95[j] else self.wr[j]
                Rm.append((d - s) / lam + s / (lam + 0.55 * (self.w95[j] + ws) / 2))
        self.Rm = Rm
        self.R_layers = sum(Rm)
        self.R_total = cl['R_si'] + self.R_layers + cl['R_se']
        self.U = 1 / self.R_total
        self.T = temperature_field(Rm, cl['R_si'], cl['R_se'], cl['T_i'], cl['T_e'])
        self.ps = [p_sat(t) for t in self.T]

    def contents(self):
        for j in range(self.n):
            self.wl[j] = self.p[j] / self.ps[j] * self.w95[j]
            self.wr[j] = self.p[j + 1] / self.ps[j + 1] * self.w95[j]

    def planes_of(self, c):
        return [False] + [bool((c >> (i - 1)) & 1) for i in range(1, self.n)] + [False]

    def try_comb(self, c):
        """'ok', 'reject' or 'fatal'."""
        n = self.n
        B = self.planes_of(c)
        planes = [k for k in range(n + 1) if B[k]]
        m = len(planes) + 1
        # equation of plane q (row q-1) and of the cold surface (row m-1), written directly:
        # p_i - p(k) = sum_{j<k} Z_j * (g + x_right(j)/(2 Rl_j) - x_left(j)/(2 Rl_j kappa_j^2))
        A = [[0.0] * m for _ in range(m)]
        b = [0.0] * m
        ends = planes + [n]
        for row, k in enumerate(ends):
            A[row][0] = sum(self.Z[:k])
            b[row] = self.p_i - (self.ps[k] if k < n else self.p_e)
            for j in range(k):
                if B[j + 1]:
                    A[row][planes.index(j + 1) + 1] += self.Z[j] / (2 * self.Rl[j])
                if B[j]:
                    A[row][planes.index(j) + 1] -= self.Z[j] / (2 * self.Rl[j] * self.kappa[j] ** 2)
        x = gauss_solve(A, b)
        if x is None or any(math.isnan(v) for v in x):
            return 'fatal' if c == (1 << (n - 1)) - 1 else 'reject'
        if any(v < 0 for v in x[1:]):
            return 'reject'
        P = [self.p[0]]
        for k in range(1, n + 1):
            j = k - 1
            v = P[-1] - self.Z[j] * x[0]
            if B[j]:
                v += self.Z[j] * x[planes.index(j) + 1] / (2 * self.Rl[j] * self.kappa[j] ** 2)
            if B[k]:
                v -= self.Z[j] * x[planes.index(k) + 1] / (2 * self.Rl[j])
            P.append(v)
        if not abs(P[n] - self.p[n]) <= 0.001:
            return 'reject'
        for k in range(1, n):
            if not B[k] and self.ps[k] - P[k] < -1e-8:
                return 'reject'
        self.B, self.x, self.P, self.planes = B, x, P, planes
        return 'ok'

    def search(self):
        n = self.n
        end = 1 << (n - 1)
        c = self.last if self.last != -1 else 1
        while True:
            out = self.try_comb(c)
            if out == 'ok':
                self.last = c
                return True
            if out == 'fatal':
                return False
            c += 1
            if c == end:
                return False
            if self.last != -1:
                c, self.last = 1, -1

    def zones_eval(self):
        n, Z, ps = self.n, self.Z, self.ps
        self.p = list(self.P)
        self.contents()
        zones = []
        for k in range(1, n):
            if self.B[k]:
                if self.B[k - 1]:
                    zones[-1] = (zones[-1][0], k)
                else:
                    zones.append((k - 1, k))
        self.zones = zones
        self.sk = [0.0] * n
        self.mc = [0.0] * n
        g = self.x[0]
        c = 1
        for f, s in zones:
            den_f = g - (ps[f] - ps[f + 1]) / Z[f]
            assert den_f != 0
            self.sk[f] = 0.0 if self.Rl[f] == math.inf else \
                self.L[f]['d'] * (g - (self.p[f] - ps[f + 1]) / Z[f]) / den_f
            den_s = Z[s] * g - (ps[s] - ps[s + 1])
            assert den_s != 0
            if self.Rl[s] == math.inf:
                self.sk[s] = 0.0
            else:
                self.sk[s] = self.L[s]['d'] * (Z[s] * g - (ps[s] - self.p[s + 1])) / den_s
                assert self.sk[s] > 0
            for Lx in range(f, s):
                X = math.sqrt(self.x[c])
                self.wr[Lx] = self.w95[Lx] + X
                self.wl[Lx + 1] = self.w95[Lx + 1] + X / self.kappa[Lx + 1]
                if Lx > f:
                    self.sk[Lx] = self.L[Lx]['d']
                    a = self.wr[Lx] - self.w95[Lx]
                    bb = self.wl[Lx] - self.w95[Lx]
                    self.mc[Lx] = 666.6666666666666 * self.sk[Lx] * (a ** 3 - bb ** 3) / (a ** 2 - bb ** 2)
                c += 1
            self.mc[f] = 666.6666666666666 * (self.wr[f] - self.w95[f]) * self.sk[f]
            self.mc[s] = 666.6666666666666 * (self.wl[s] - self.w95[s]) * self.sk[s]
        self.Mc_stat = sum(self.mc)

    def fluxes(self, a, b):
        Z_L = sum(self.Z[:a + 1])
        Z_R = sum(self.Z[b:])
        g_in = (self.p[0] - self.ps[a + 1]) / Z_L
        g_out = (self.ps[b] - self.p[self.n]) / Z_R
        return Z_L, Z_R, g_in, g_out

    def t_hyg_of(self, a, b):
        n = self.n
        Z_L, Z_R, g_in, g_out = self.fluxes(a, b)
        phi = [0.0] * (n + 1)
        for k in range(1, a + 1):
            phi[k] = sum(self.Z[:k]) / Z_L * self.ps[a + 1] / self.ps[k]
        for k in range(a + 1, b + 1):
            phi[k] = 1.0
        for k in range(b + 1, n):
            phi[k] = (Z_R - sum(self.Z[b + 1:k + 1])) / Z_R * self.ps[b] / self.ps[k]
        d, w = [l['d'] for l in self.L], self.w95
        S1 = sum(d[j] * (phi[j] + phi[j + 1]) * w[j] for j in range(0, a + 1))
        S2 = sum(2 * d[j] * w[j] for j in range(a + 1, b))
        S3 = sum(d[j] * (phi[j] + phi[j + 1]) * w[j] for j in range(b, n))
        return (S1 + S2 + S3) * 1000 * 0.02 * 0.5 / (g_in - g_out)

    def time_scaling(self):
        cl = self.cl
        f0, s1 = self.zones[0][0], self.zones[-1][1]
        self.t_hyg = self.t_hyg_of(f0, s1)
        _, _, g_in, g_out = self.fluxes(f0, s1)
        self.tau = 3 * self.Mc_stat / (g_in - g_out)
        e = -3 * (cl['tT'] * 24 * 3600 - self.t_hyg) / self.tau
        if e > 700:
            beta = 1e-17
        else:
            beta = 1 - math.exp(e)
            if beta <= 0:
                beta = 1e-17
        self.beta = beta
        sb = math.sqrt(beta)
        for f, s in self.zones:
            A1 = sum(self.mc[f + 1:s])
            A2 = sum(self.mc[f:s + 1])
            F = sb if A1 == 0 else beta * A2 / ((self.mc[f] + self.mc[s]) * sb + A1)
            self.sk[f] *= sb
            self.sk[s] *= sb
            wr_old = list(self.wr)
            for Lx in range(f + 1, s + 1):
                self.wl[Lx] = self.w95[Lx] + F * (wr_old[Lx - 1] - self.w95[Lx - 1]) / self.kappa[Lx]
            for Lx in range(f, s):
                self.wr[Lx] = self.w95[Lx] + F * (self.wr[Lx] - self.w95[Lx])
            self.mc[f] *= sb * F
            self.mc[s] *= sb * F
            for Lx in range(f + 1, s):
                self.mc[Lx] *= F
        self.Mc = sum(self.mc)
        f = self.zones[0][0]
        k = f + 1
        Z_L, Z_R = sum(self.Z[:k]), sum(self.Z[k:])
        p_is = p_sat(cl['T_i_summer']) * cl['rh_i_summer'] / 100
        p_es = p_sat(cl['T_e_summer']) * cl['rh_e_summer'] / 100
        Ts = temperature_field(self.Rm, cl['R_si'], cl['R_se'], cl['T_i_summer'], cl['T_e_summer'])
        p_c = p_sat(Ts[k])
        g_ev = (p_c - p_es) / Z_R + (p_c - p_is) / Z_L
        self.dryingMass = cl['tT_summer'] * 24 * 3600 * g_ev
        self.dryingTime = self.Mc / g_ev

    def run(self):
        """Returns the result code; the state holds the last pass."""
        if not self.prepare():
            return 1
        n = self.n
        for pass_no in (1, 2, 3):
            self.thermal()
            self.p = vapor_field(self.Z, self.cl['T_i'], self.cl['rh_i'], self.cl['T_e'], self.cl['rh_e'])
            if self.p[0] > self.ps[0]:
                return 4
            if self.p[n] > self.ps[n]:
                return 5
            self.contents()
            if n == 1:
                if pass_no == 1:
                    continue
                return 6
            if not any(self.p[k] > self.ps[k] for k in range(n + 1)):
                if pass_no == 1:
                    continue
                return 7
            if not self.search():
                return 2
            self.zones_eval()
            self.time_scaling()
        if len(self.zones) > 1:
            return 11
        f, s = self.zones[0]
        return 9 if s == f + 1 else 10


def calculate(layers, cl):
    res = {}
    res['thickness'] = sum(l['d'] for l in layers)
    res['glaserResultCode'] = glaser(layers, cl, res)
    v = Vapro(layers, cl, res)
    code = v.run()
    assert code in (9, 10, 11), code
    res['resultCode'] = code
    res.update({
        'U_moist': v.U, 'R_total_moist': v.R_total, 'R_layers_moist': v.R_layers,
        'Mc_stationary': v.Mc_stat, 'Mc': v.Mc, 'tau': v.tau, 't_hyg': v.t_hyg,
        'dryingTime': v.dryingTime, 'dryingMass': v.dryingMass,
        'R_moist': v.Rm, 'Z_moist': v.Z, 'R_liquid': v.Rl, 'T_moist': v.T, 'p_sat_moist': v.ps,
        'p_moist': v.p, 'w_left': v.wl, 'w_right': v.wr, 'sk_Cond': v.sk, 'mc': v.mc,
        'condensationZones': v.zones, 'beta': v.beta,
    })
    return res


# ---------------------------------------------------------------- cases

DIN_2014 = dict(T_i=20.0, rh_i=50.0, R_si=0.25, T_e=-5.0, rh_e=80.0, R_se=0.04,
                T_i_summer=49.342 * 1700 ** 0.12468827930174564 - 109.8, rh_i_summer=100 * 1200 / 1700,
                T_e_summer=49.342 * 1700 ** 0.12468827930174564 - 109.8, rh_e_summer=100 * 1200 / 1700,
                tT=90.0, tT_summer=90.0)


def layer(d, lam, mu, w80, wsat, Aw):
    return dict(d=d, lam=lam, mu=mu, w80=w80, wsat=wsat, Aw=Aw)


CASES = {
    # interior plaster, mineral wool, OSB: one plane in front of the board
    'plasterWoolOsb': [layer(0.015, 0.7, 10, 0.01, 0.3, 0.1),
                       layer(0.16, 0.04, 1, 0.001, 0.9, 0.001),
                       layer(0.018, 0.13, 200, 0.1, 0.5, 0.002)],
    # gypsum board, wood fibre insulation, fibre cement board with a tight coating: zone into the board
    'boardFibreCement': [layer(0.0125, 0.25, 8, 0.01, 0.6, 0.05),
                         layer(0.1, 0.045, 3, 0.02, 0.8, 0.05),
                         layer(0.01, 0.5, 100, 0.03, 0.4, 0.01),
                         layer(0.002, 0.2, 2000, 0.001, 0.1, 0.0)],
    # insulation, board, insulation, tighter board: two separate zones
    'twoZones': [layer(0.12, 0.04, 1, 0.001, 0.9, 0.001),
                 layer(0.015, 0.13, 50, 0.1, 0.5, 0.002),
                 layer(0.1, 0.04, 1, 0.001, 0.9, 0.001),
                 layer(0.015, 0.13, 100, 0.1, 0.5, 0.002)],
}

FIELDS_SCALAR = ['resultCode', 'glaserResultCode', 'thickness', 'glaserMc', 'glaserDryingMass',
                 'glaserDryingTime', 'glaserFirstPlane', 'glaserLastPlane', 'U', 'U_moist', 'R_total',
                 'R_total_moist', 'R_layers', 'R_layers_moist', 'Mc_stationary', 'Mc', 'tau', 't_hyg',
                 'dryingTime', 'dryingMass']
FIELDS_VECTOR = ['T', 'p', 'p_sat', 'R', 'Z', 'R_moist', 'Z_moist', 'R_liquid', 'T_moist', 'p_sat_moist',
                 'p_moist', 'w_left', 'w_right', 'sk_Cond', 'mc']


def fmt(v):
    if isinstance(v, int):
        return str(v)
    if v == math.inf:
        return 'INF'
    return repr(float(v))


def main():
    summary = '--summary' in sys.argv
    for name, layers in CASES.items():
        res = calculate(layers, DIN_2014)
        if summary:
            print(name, 'code', res['resultCode'], 'glaser', res['glaserResultCode'], 'zones',
                  res['condensationZones'], 'beta', res['beta'], 'Mc_stat', res['Mc_stationary'], 'Mc', res['Mc'],
                  't_hyg', res['t_hyg'], 'tau', res['tau'], 'sk', res['sk_Cond'])
            continue
        print('    // ---- %s' % name)
        print('    {')
        print('        ReferenceCase c;')
        print('        c.name = "%s";' % name)
        print('        c.layers = {%s};' % ', '.join(
            '{%s}' % ', '.join(fmt(l[k]) for k in ('d', 'lam', 'mu', 'w80', 'wsat', 'Aw')) for l in layers))
        print('        c.scalars = {')
        for f in FIELDS_SCALAR:
            print('            {"%s", %s},' % (f, fmt(res[f])))
        print('        };')
        print('        c.vectors = {')
        for f in FIELDS_VECTOR:
            print('            {"%s", {%s}},' % (f, ', '.join(fmt(v) for v in res[f])))
        print('        };')
        for f in ('condensationZones', 'glaserZones'):
            print('        c.%s = {%s};' % (f, ', '.join('{%d, %d}' % z for z in res[f])))
        print('        cases.push_back(c);')
        print('    }')

if __name__ == '__main__':
    main()
