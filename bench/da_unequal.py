#!/usr/bin/env python3
"""Turns Unequal puzzle IDs ("N:cell,cell,...", one per line on stdin) into schema files.

Each cell is its given digit (0 = empty) followed by any of U, R, D, L: this cell is greater
than its neighbour above / to the right / below / to the left.
Usage: da_unequal.py PREFISSO < ids.txt   writes PREFISSO_1.txt, PREFISSO_2.txt, ...
       da_unequal.py --id FILE...           prints the Unequal ID of each schema file (the other
                                            way), e.g. to time sgt-unequal's solver on it
The solution is left empty: the files are for solving and timing, not for the CHECK.
"""
import re
import sys

MOSSE = {"U": (-1, 0), "R": (0, 1), "D": (1, 0), "L": (0, -1)}


def converti(riga):
    dim, celle = riga.strip().split(":", 1)
    n = int(dim)
    voci = [v for v in celle.split(",") if v != ""]
    if len(voci) != n * n:
        raise ValueError("celle attese %d, trovate %d" % (n * n, len(voci)))
    dati, vincoli = [], []
    for i, v in enumerate(voci):
        r, c = divmod(i, n)
        cifre = "".join(ch for ch in v if ch.isdigit())
        dati.append(cifre or "0")
        for ch in v:
            if ch in MOSSE:
                dr, dc = MOSSE[ch]
                vincoli.append("%d%d%d%d" % (r + 1, c + 1, r + 1 + dr, c + 1 + dc))
    return (
        '<?xml version="1.0" ?>\r\n<FUTOSHIKI SIZE="%d">\r\n<SCHEMA>%s</SCHEMA>\r\n'
        "<SOLUTION></SOLUTION>\r\n<CONSTRAINT>%s</CONSTRAINT>\r\n<CHECK>000000</CHECK>\r\n"
        "</FUTOSHIKI>\r\n" % (n, "".join(dati), "|".join(vincoli))
    )


def identificativo(testo):
    n = int(re.search(r'SIZE="(\d+)"', testo).group(1))
    dati = re.search(r"<SCHEMA>(\d*)</SCHEMA>", testo).group(1)
    vincoli = re.search(r"<CONSTRAINT>([^<]*)</CONSTRAINT>", testo).group(1)
    celle = [d for d in dati]
    for v in filter(None, vincoli.split("|")):
        r1, c1, r2, c2 = (int(ch) - 1 for ch in v)
        for lettera, (dr, dc) in MOSSE.items():
            if (r2 - r1, c2 - c1) == (dr, dc):
                celle[r1 * n + c1] += lettera
    return "%d:%s," % (n, ",".join(celle))


def main():
    if sys.argv[1] == "--id":
        for nome in sys.argv[2:]:
            with open(nome, newline="") as f:
                print(identificativo(f.read()))
        return
    prefisso = sys.argv[1]
    k = 0
    for riga in sys.stdin:
        if ":" not in riga:
            continue
        k += 1
        with open("%s_%d.txt" % (prefisso, k), "w", newline="") as f:
            f.write(converti(riga))


if __name__ == "__main__":
    main()
