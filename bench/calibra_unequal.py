#!/usr/bin/env python3
"""Measures the difficulty names against Debian's sgt-unequal (Tatham's Unequal).

For each size and Unequal level it draws fresh game IDs with `sgt-unequal --generate`, converts
them with da_unequal.py into a scratch folder, and prints per size and level:
  - how many need a trial with `risolvi --tecniche 3` and with `--tecniche 7`;
  - how many get each name on the `difficolta:` line of `verifica`;
then per size the Spearman rank correlation between the name (Facile..Diabolico as 1..5) and
Unequal's level (Trivial..Recursive as 1..5), and the share of schemas whose transpose (rows and
columns swapped) gets the same name.

Usage: calibra_unequal.py CLI [--numero K] [--dimensioni 5,7,9] [--livelli tekxr] [--seme S]
                          [--cartella DIR] [--limite SECONDI]
sgt-unequal comes from Debian's sgt-puzzles (apt-get install sgt-puzzles); it is only needed here.
Nothing is written into the source tree: the scratch folder is a temporary one unless given.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import da_unequal  # noqa: E402

LIVELLI = "tekxr"
NOMI_LIVELLI = {"t": "Trivial", "e": "Easy", "k": "Tricky", "x": "Extreme", "r": "Recursive"}
NOMI = ["Facile", "Medio", "Difficile", "Esperto", "Diabolico"]


def trova_unequal():
    for p in ("/usr/games/sgt-unequal", "/usr/bin/sgt-unequal", shutil.which("sgt-unequal") or ""):
        if p and os.path.exists(p):
            return p
    sys.exit("sgt-unequal non trovato: apt-get install sgt-puzzles")


def genera_id(unequal, n, livello, numero, seme, limite):
    """Game IDs, one sgt-unequal run each (seeds SEME-1, SEME-2, ...): a run past the time limit
    (a 9 x 9 Recursive can take minutes) is skipped, and the others are kept."""
    ids = []
    for k in range(1, numero + 1):
        try:
            out = subprocess.run([unequal, "--generate", "1", "%dd%s#%s-%d" % (n, livello, seme, k)],
                                 capture_output=True, text=True, timeout=limite).stdout
        except subprocess.TimeoutExpired:
            continue
        # Only inequality puzzles: digits and the four sign letters (adjacency marks are another
        # game).
        ids += [r for r in out.splitlines() if re.fullmatch(r"\d+:[0-9URDL,]+", r)
                and len([v for v in r.split(":", 1)[1].split(",") if v]) == n * n]
    return ids


def trasposto(testo):
    n = int(re.search(r'SIZE="(\d+)"', testo).group(1))
    dati = re.search(r"<SCHEMA>(\d*)</SCHEMA>", testo).group(1)
    vincoli = re.search(r"<CONSTRAINT>([^<]*)</CONSTRAINT>", testo).group(1)
    nuovi_dati = "".join(dati[c * n + r] for r in range(n) for c in range(n))
    nuovi_vincoli = "|".join(v[1] + v[0] + v[3] + v[2] for v in filter(None, vincoli.split("|")))
    testo = testo.replace("<SCHEMA>%s</SCHEMA>" % dati, "<SCHEMA>%s</SCHEMA>" % nuovi_dati)
    return testo.replace("<CONSTRAINT>%s</CONSTRAINT>" % vincoli, "<CONSTRAINT>%s</CONSTRAINT>" % nuovi_vincoli)


def serve_prova(cli, percorso, tecniche):
    out = subprocess.run([cli, "risolvi", "--tecniche", str(tecniche), percorso],
                         capture_output=True, text=True).stdout
    return any(r.startswith("Provo ") for r in out.splitlines())


def difficolta(cli, percorsi):
    out = subprocess.run([cli, "verifica"] + percorsi, capture_output=True, text=True).stdout
    return [r.split(": ", 1)[1] for r in out.splitlines() if r.startswith("difficolta: ")]


def ranghi(valori):
    """Ranks 1..n, ties getting the mean of their places."""
    ordine = sorted(range(len(valori)), key=lambda i: valori[i])
    r = [0.0] * len(valori)
    i = 0
    while i < len(ordine):
        j = i
        while j + 1 < len(ordine) and valori[ordine[j + 1]] == valori[ordine[i]]:
            j += 1
        for k in range(i, j + 1):
            r[ordine[k]] = (i + j) / 2 + 1
        i = j + 1
    return r


def spearman(x, y):
    rx, ry = ranghi(x), ranghi(y)
    mx, my = sum(rx) / len(rx), sum(ry) / len(ry)
    sxy = sum((a - mx) * (b - my) for a, b in zip(rx, ry))
    sxx = sum((a - mx) ** 2 for a in rx)
    syy = sum((b - my) ** 2 for b in ry)
    return sxy / (sxx * syy) ** 0.5 if sxx and syy else float("nan")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("--numero", type=int, default=30)
    ap.add_argument("--dimensioni", default="5,7,9")
    ap.add_argument("--livelli", default=LIVELLI)
    ap.add_argument("--seme", default="calibra")
    ap.add_argument("--cartella")
    ap.add_argument("--limite", type=int, default=60, help="seconds per sgt-unequal run (one schema)")
    a = ap.parse_args()
    unequal = trova_unequal()
    cartella = a.cartella or tempfile.mkdtemp(prefix="calibra_unequal_")
    os.makedirs(cartella, exist_ok=True)

    print("size level      n  trial@3 trial@7  " + " ".join("%9s" % x for x in NOMI))
    for n in (int(x) for x in a.dimensioni.split(",")):
        livelli, nomi, uguali, totale = [], [], 0, 0
        for livello in a.livelli:
            ids = genera_id(unequal, n, livello, a.numero, a.seme, a.limite)
            percorsi, trasposti = [], []
            for k, riga in enumerate(ids, 1):
                testo = da_unequal.converti(riga)
                p = os.path.join(cartella, "%d%s_%d.txt" % (n, livello, k))
                pt = os.path.join(cartella, "%d%s_%d_t.txt" % (n, livello, k))
                for percorso, contenuto in ((p, testo), (pt, trasposto(testo))):
                    with open(percorso, "w", newline="") as f:
                        f.write(contenuto)
                percorsi.append(p)
                trasposti.append(pt)
            if not percorsi:
                print("%4d %-9s  0  (nessuno schema generato)" % (n, NOMI_LIVELLI[livello]))
                continue
            prove3 = sum(serve_prova(a.cli, p, 3) for p in percorsi)
            prove7 = sum(serve_prova(a.cli, p, 7) for p in percorsi)
            d = difficolta(a.cli, percorsi)
            dt = difficolta(a.cli, trasposti)
            uguali += sum(x == y for x, y in zip(d, dt))
            totale += len(d)
            livelli += [LIVELLI.index(livello) + 1] * len(d)
            nomi += [NOMI.index(x) + 1 for x in d]
            print("%4d %-9s %3d  %7d %7d  " % (n, NOMI_LIVELLI[livello], len(percorsi), prove3, prove7)
                  + " ".join("%9d" % d.count(x) for x in NOMI))
        if totale:
            print("%4d spearman %.3f   same name when transposed: %d/%d (%.1f%%)"
                  % (n, spearman(livelli, nomi), uguali, totale, 100.0 * uguali / totale))
        sys.stdout.flush()
    if not a.cartella:
        shutil.rmtree(cartella)


if __name__ == "__main__":
    main()
