#!/usr/bin/env python3
"""Writes dominating-cycle records for cubic graphs given as graph6 lines.

A dominating cycle of a cubic graph is a cycle whose missing vertices form an
independent set (each missing vertex is a fork centre with its three neighbours on the
cycle). For every input graph and every requested number k of fork centres, the first
independent k-set S (in lexicographic order) such that G - S has a Hamiltonian cycle
gives one record; a graph without such a set for that k gives none.

  nauty-geng -c -d3 -D3 -tf 16 | make_cycle_records.py --forks 0 1 2 > out.c

Records are numbered by input position. Neighbour slots are in increasing order; with
--shuffle SEED the vertices are relabelled and the slots shuffled at random (the same
permutation for all records of one graph), so that slot order and labelling vary.
"""
import argparse
import itertools
import random
import sys


def decode_graph6(line):
    data = [ord(c) - 63 for c in line.strip()]
    n = data[0]
    bits = []
    for x in data[1:]:
        bits.extend((x >> (5 - i)) & 1 for i in range(6))
    adj = [[] for _ in range(n)]
    k = 0
    for j in range(1, n):
        for i in range(j):
            if bits[k]:
                adj[i].append(j)
                adj[j].append(i)
            k += 1
    return adj


def hamiltonian_cycle(adj, present):
    """A Hamiltonian cycle of the subgraph induced by `present`, or None."""
    vertices = [v for v in range(len(adj)) if present[v]]
    if len(vertices) < 3:
        return None
    nbrs = {v: [w for w in adj[v] if present[w]] for v in vertices}
    if any(len(nbrs[v]) < 2 for v in vertices):
        return None
    start = vertices[0]
    path = [start]
    on_path = {start}
    total = len(vertices)

    def free_degree_ok(v):
        # A vertex still to visit needs two ways in and out.
        return sum(1 for w in nbrs[v] if w not in on_path or w == path[-1] or w == start) >= 2

    def extend():
        last = path[-1]
        if len(path) == total:
            return start in nbrs[last]
        for w in nbrs[last]:
            if w in on_path:
                continue
            path.append(w)
            on_path.add(w)
            if all(free_degree_ok(u) for u in nbrs[last] if u not in on_path) and extend():
                return True
            path.pop()
            on_path.discard(w)
        return False

    return list(path) if extend() else None


def dominating_cycle(adj, k):
    n = len(adj)
    for centres in itertools.combinations(range(n), k):
        if any(b in adj[a] for a, b in itertools.combinations(centres, 2)):
            continue
        present = [v not in centres for v in range(n)]
        cycle = hamiltonian_cycle(adj, present)
        if cycle is not None:
            return cycle
    return None


def record_lines(number, slots, cycle):
    n = len(slots)
    lines = [str(number), str(n)]
    for k in range(3):
        lines.append("".join("%3d" % (slots[v][k] + 1) for v in range(n)))
    if cycle is None:
        lines += ["0", "0"]
    else:
        lines += [str(len(cycle)), " ".join(str(v + 1) for v in cycle)]
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--forks", type=int, nargs="+", default=[0])
    parser.add_argument("--shuffle", type=int, default=None)
    parser.add_argument("--fewest", action="store_true",
                        help="one record per graph: the first k of --forks that has a cycle")
    args = parser.parse_args()
    rng = random.Random(args.shuffle)
    out = sys.stdout.buffer
    for number, line in enumerate(sys.stdin, start=1):
        if not line.strip():
            continue
        adj = decode_graph6(line)
        n = len(adj)
        if args.shuffle is not None:
            label = list(range(n))
            rng.shuffle(label)
            relabelled = [None] * n
            for v in range(n):
                relabelled[label[v]] = [label[w] for w in adj[v]]
            adj = relabelled
            for v in range(n):
                rng.shuffle(adj[v])
        else:
            adj = [sorted(a) for a in adj]
        for k in args.forks:
            cycle = dominating_cycle(adj, k)
            if cycle is not None:
                out.write(("\r\n".join(record_lines(number, adj, cycle)) + "\r\n").encode())
                if args.fewest:
                    break


if __name__ == "__main__":
    main()
