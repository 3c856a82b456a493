#!/usr/bin/env python3
"""Random cubic graphs built around a dominating cycle, as dominating-cycle records.

  random_cycle_graphs.py SEED CHORDS FORKS COUNT > records.c

Each graph is a cycle of L = 2*CHORDS + 3*FORKS vertices whose positions are dealt at
random into CHORDS pairs (joined by a chord; never two neighbours on the cycle) and
FORKS triples (joined to a new fork centre off the cycle), so the search has
CHORDS + FORKS items. Vertices are then relabelled and neighbour slots shuffled. Every
record is a simple cubic graph (triangles and 4-cycles allowed) with its dominating
cycle.
"""
import random
import sys


def graph(rng, chords, forks):
    L = 2 * chords + 3 * forks
    while True:
        positions = list(range(L))
        rng.shuffle(positions)
        triples = [positions[3 * i:3 * i + 3] for i in range(forks)]
        rest = positions[3 * forks:]
        pairs = [rest[2 * i:2 * i + 2] for i in range(chords)]
        if all((a - b) % L not in (1, L - 1) for a, b in pairs):
            break
    n = L + forks
    adj = [[] for _ in range(n)]

    def join(a, b):
        adj[a].append(b)
        adj[b].append(a)

    for i in range(L):
        join(i, (i + 1) % L)
    for a, b in pairs:
        join(a, b)
    for j, triple in enumerate(triples):
        for x in triple:
            join(L + j, x)
    label = list(range(n))
    rng.shuffle(label)
    relabelled = [None] * n
    for v in range(n):
        relabelled[label[v]] = [label[w] for w in adj[v]]
    for v in range(n):
        rng.shuffle(relabelled[v])
    return relabelled, [label[i] for i in range(L)]


def main():
    seed, chords, forks, count = (int(x) for x in sys.argv[1:5])
    rng = random.Random(seed)
    lines = []
    for number in range(1, count + 1):
        adj, cycle = graph(rng, chords, forks)
        n = len(adj)
        lines += [str(number), str(n)]
        lines += ["".join("%3d" % (adj[v][k] + 1) for v in range(n)) for k in range(3)]
        lines += [str(len(cycle)), " ".join(str(v + 1) for v in cycle)]
    sys.stdout.buffer.write(("\r\n".join(lines) + "\r\n").encode())


if __name__ == "__main__":
    main()
