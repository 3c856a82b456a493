"""Makes the fixtures of tests/data/import (run from the repository root; needs
nauty-geng). graph6/sparse6 here are written straight from the format's
definition, apart from the tools under test. The 2DBP file s26_first3_2dbp.c is what
pairsearch writes for s26_first3_dom.c; it was checked against the definition of a
bipartizing matching by a separate script."""
import subprocess
def N(n):
    if n<=62: return chr(n+63)
    return '~'+''.join(chr(((n>>s)&63)+63) for s in (12,6,0))
def pack(bits):
    bits=bits+[0]*(-len(bits)%6)
    return ''.join(chr(int(''.join(map(str,bits[i:i+6])),2)+63) for i in range(0,len(bits),6))
def graph6(n,E):
    S={frozenset(e) for e in E}
    return N(n)+pack([1 if frozenset((i,j)) in S else 0 for j in range(1,n) for i in range(j)])
def sparse6(n,E):
    k=(n-1).bit_length()
    es=sorted((max(e),min(e)) for e in E)
    bits=[]; v=0
    def put(b,x): bits.extend([b]+[int(c) for c in format(x,'0%db'%k)])
    for hi,lo in es:
        if hi==v: put(0,lo)
        elif hi==v+1: v=hi; put(1,lo)
        else: v=hi; put(1,hi); put(0,lo)
    pad=-len(bits)%6
    if k<6 and n==(1<<k) and v==n-2 and pad>=k: bits.append(0); pad=-len(bits)%6
    bits+= [1]*pad
    return ':'+N(n)+''.join(chr(int(''.join(map(str,bits[i:i+6])),2)+63) for i in range(0,len(bits),6))
def prism(m):  # C_m x K2: outer 0..m-1, inner m..2m-1
    return 2*m,[(i,(i+1)%m) for i in range(m)]+[(m+i,m+(i+1)%m) for i in range(m)]+[(i,m+i) for i in range(m)]
def record(num,n,E):
    adj={v:sorted([b for a,b in E if a==v]+[a for a,b in E if b==v]) for v in range(n)}
    return '\r\n'.join([str(num)]+[' '.join(str(adj[v][k]+1) for v in range(n)) for k in range(3)])+'\r\n'
K4=(4,[(0,1),(0,2),(0,3),(1,2),(1,3),(2,3)])
PET=(10,[(i,(i+1)%5) for i in range(5)]+[(i,i+5) for i in range(5)]+[(5+i,5+(i+2)%5) for i in range(5)])
CUBE=(8,[(a,b) for a in range(8) for b in range(a+1,8) if bin(a^b).count('1')==1])

D = 'tests/data/import/'
def w(name, text): open(D + name, 'wb').write(text.encode())

# Prisms C49 x K2 (98 vertices, the largest cubic graph a record holds) and C50 x K2.
n, E = prism(49)
w('prism98.g6', graph6(n, E) + '\n'); w('prism98.s6', sparse6(n, E) + '\n'); w('prism98.c', record(1, n, E))
n, E = prism(50)
w('prism100.g6', graph6(n, E) + '\n')
for args, name in [(['-c', '-d3', '-D3', '12'], 'geng_cubic_12'), (['-c', '-d3', '-D3', '-tf', '14'], 'geng_cubic_g5_14')]:
    w(name + '.g6', subprocess.run(['nauty-geng', '-q'] + args, capture_output=True, text=True).stdout)
    w(name + '.s6', subprocess.run(['nauty-geng', '-q', '-s'] + args, capture_output=True, text=True).stdout)

def read_collection(f):
    L = open(f, 'rb').read().decode().split('\r\n')
    return [(int(L[r]), [list(map(int, L[r + k].split())) for k in (1, 2, 3)]) for r in range(0, len(L) - 1, 4)]

def hamiltonian(adj, verts):
    s = min(verts); path = [s]; used = {s}
    def dfs():
        u = path[-1]
        if len(path) == len(verts): return s in adj[u]
        for x in adj[u]:
            if x in verts and x not in used:
                used.add(x); path.append(x)
                if dfs(): return True
                used.discard(x); path.pop()
        return False
    return path if dfs() else None

def cycle_record(num, rows):
    """A dominating-cycle record: a Hamiltonian cycle of the graph less one vertex."""
    n = len(rows[2]); adj = {v: [rows[k][v - 1] for k in range(3)] for v in range(1, n + 1)}
    for c in range(1, n + 1):
        cyc = hamiltonian(adj, set(adj) - {c})
        if cyc: break
    return [str(num), str(n)] + [''.join('%3d' % x for x in r) for r in rows] + [str(len(cyc)), ' '.join(map(str, cyc))]

def lines(recs): return '\r\n'.join(l for r in recs for l in r) + '\r\n'
pet = cycle_record(*read_collection('tests/data/graphs/cubic_g5_10.c')[0])
s26 = [cycle_record(*r) for r in read_collection('tests/data/graphs/snarks_26.c')[:3]]
w('petersen_dom.c', lines([pet])); w('s26_first3_dom.c', lines(s26))
# cycles.c: graph 1 twice (the second time with its cycle run the other way round from its
# second vertex), the Petersen graph as graph 7 without a cycle, graphs 2 and 3.
c = s26[0][6].split()
again = s26[0][:6] + [' '.join([c[1], c[0]] + c[2:][::-1])]
nocycle = ['7'] + pet[1:5] + ['0', '0']
w('cycles.c', lines([s26[0], again, nocycle, s26[1], s26[2]]))
def g6_of(r):
    n = int(r[1]); rows = [[int(r[2 + k][3 * v:3 * v + 3]) for v in range(n)] for k in range(3)]
    return graph6(n, [(v, rows[k][v] - 1) for v in range(n) for k in range(3) if v < rows[k][v] - 1])
w('cycles_export.g6', ''.join(g6_of(r) + '\n' for r in [s26[0], nocycle, s26[1], s26[2]]))
w('cycles_without_cycle.g6', g6_of(nocycle) + '\n')

# The strings of the known-graph table of graphimport_test.cpp.
for name, g in [('K4', K4), ('Petersen', PET), ('cube', CUBE)]:
    print(name, graph6(*g), sparse6(*g))
