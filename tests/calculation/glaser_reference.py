"""Independent reference values of the Glaser step for tst_Glaser.

Written from the formulas, not from the C++ code:
  R_j = d_j / lambda_j, Z_j = mu_j d_j / 2e-10, R_total = R_layers + R_se + R_si,
  T[k] = T_i - (R_si + sum_{j<k} R_j) (T_i - T_e) / (R_si + sum R + R_se),
  p_i, p_e and p_sat by the Magnus formula, p on the straight line by Z, condensation where p >= p_sat,
  condensate over t_c = tT days for one plane, one zone or two separate planes, drying over tT_summer days
  with the power-form saturation pressure at the interior summer temperature.
Run `python3 glaser_reference.py` and paste the printed numbers into tst_Glaser.cpp when the
constructions there change.
"""
import math
def magnus(t):
    return 610.5*math.exp(17.269*t/(237.3+t)) if t>=0 else 610.5*math.exp(21.875*t/(265.5+t))
def power(t):
    return 288.68*(1.098+t/100)**8.02 if t>=0 else 4.689*(1.486+t/100)**12.3
def dew(p):
    return 49.342*p**(1/8.02)-109.8 if p>=611 else 88.196*p**(1/12.3)-148.6
DAY=86400.0
def run(layers, Ti=20, rhi=50, Rsi=0.25, Te=-5, rhe=80, Rse=0.04, Tis=None, rhis=None, Tes=None, rhes=None, tT=90, tTs=90, verbose=True):
    if Tis is None:
        Tis=Tes=dew(1700); rhis=rhes=100*1200/1700
    n=len(layers)
    R=[d/l for d,l,mu in layers]; Z=[mu*d/2e-10 for d,l,mu in layers]
    Rl=sum(R); Rt=Rl+Rse+Rsi
    q=(Ti-Te)/(Rsi+sum(R)+Rse)
    T=[Ti-(Rsi+sum(R[:k]))*q for k in range(n+1)]
    pi=magnus(Ti)*rhi/100; pe=magnus(Te)*rhe/100
    ps=[magnus(t) for t in T]
    g=(pi-pe)/sum(Z)
    p=[pi-g*sum(Z[:k]) for k in range(n)]+[pe]
    planes=[k for k in range(n+1) if p[k]>=ps[k]]
    res=dict(T=T,p=p,ps=ps,R=R,Z=Z,U=1/Rt,Rt=Rt,Rl=Rl,planes=planes)
    if verbose:
        print("planes",planes)
    ZL=lambda a: sum(Z[:a]); ZR=lambda b: sum(Z[b:])
    tc=tT*DAY; tev=tTs*DAY
    pes=power(Tes)*rhes/100; pis=power(Tis)*rhis/100; pc=power(Tis)
    Di=pc-pis; De=pc-pes
    if len(planes)==1 and 0<planes[0]<n:
        k=planes[0]
        Mc=tc*((pi-ps[k])/ZL(k)-(ps[k]-pe)/ZR(k))
        gev=De/ZR(k)+Di/ZL(k)
        res.update(Mc=Mc, mass=tev*gev, time=Mc/gev)
    elif len(planes)==2 and planes[1]>planes[0]+1 and planes[0]>0 and planes[1]<n:
        a,b=planes
        ZM=sum(Z[a:b])
        ma=tc*((pi-ps[a])/ZL(a)-(ps[a]-ps[b])/ZM)
        mb=tc*((ps[a]-ps[b])/ZM-(ps[b]-pe)/ZR(b))
        gi=Di/ZL(a); ge=De/ZR(b); ta=ma/gi; tb=mb/ge
        if tb>ta:
            gb=ge+Di/(ZM+ZL(a)); mass=gb*(tev-ta)+(ge+gi)*ta; time=ta+(mb-ta*ge)/gb
        else:
            ga=gi+De/(ZM+ZR(b)); mass=ga*(tev-tb)+(ge+gi)*tb; time=tb+(ma-tb*gi)/ga
        res.update(Mc=ma+mb, ma=ma, mb=mb, ta=ta, tb=tb, mass=mass, time=time)
    elif len(planes)>1 and planes[-1]-planes[0]==len(planes)-1 and planes[0]>0 and planes[-1]<n:
        a,b=planes[0],planes[-1]
        Mc=tc*((pi-ps[a])/ZL(a)-(ps[b]-pe)/ZR(b))
        Zz=sum(Z[a:b])
        gev=De/(Zz/2+ZR(b))+Di/(Zz/2+ZL(a))
        res.update(Mc=Mc, mass=tev*gev, time=Mc/gev)
    return res


if __name__ == "__main__":
    def fmt(v): return repr(float(v))
    def vec(v): return "{" + ", ".join(fmt(x) for x in v) + "}"
    B=(0.0125,0.25,8)
    # Inside and outside summer vapour pressures differ, so the two drying fluxes are not interchangeable.
    UNEQUAL=dict(Tis=20,rhis=60,Tes=15,rhes=80)
    cases = {
     "one plane": (["b","ins16","osb200"], [B,(0.16,0.04,1),(0.015,0.13,200)], {}),
     "one zone 2..4": (["b","ins16","steel5","steel5","outer300"], [B,(0.16,0.04,1),(0.01,2.0,5),(0.01,2.0,5),(0.02,0.13,300)], {}),
     "two planes, plane 4 dry first": (["b","ins12","tight1500","ins6","osb1000"], [B,(0.12,0.04,1),(0.01,2.0,1500),(0.06,0.04,1),(0.015,0.13,1000)], {}),
     "two planes, plane 2 dry first": (["b","ins12","tight1500","ins6","osb1000"], [B,(0.12,0.04,1),(0.01,2.0,1500),(0.06,0.04,1),(0.015,0.13,1000)], dict(Tis=15,rhis=70,Tes=15,rhes=95)),
     "one plane, unequal summer": (["b","ins16","osb200"], [B,(0.16,0.04,1),(0.015,0.13,200)], UNEQUAL),
     "one zone 2..4, unequal summer": (["b","ins16","steel5","steel5","outer300"], [B,(0.16,0.04,1),(0.01,2.0,5),(0.01,2.0,5),(0.02,0.13,300)], UNEQUAL),
    }
    for name,(ids,L,kw) in cases.items():
        r=run(L,verbose=False,**kw)
        print("//", name, r['planes'], "ma/mb/ta/tb", r.get('ma'), r.get('mb'), r.get('ta'), r.get('tb'))
        print("T", vec(r['T'])); print("p", vec(r['p'])); print("p_sat", vec(r['ps']))
        print("R", vec(r['R'])); print("Z", vec(r['Z']))
        print("U R_total R_layers", fmt(r['U']), fmt(r['Rt']), fmt(r['Rl']), "thickness", fmt(sum(d for d,_,_ in L)))
        print("Mc mass time", fmt(r['Mc']), fmt(r['mass']), fmt(r['time']))
