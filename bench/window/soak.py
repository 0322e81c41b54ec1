"""Driver and checker of the window soak; soak.sh starts it."""
import os
import random
import subprocess
import sys
import tempfile
import time

programma, quanti, seme = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
limite = float(sys.argv[4]) if len(sys.argv) > 4 else float("inf")  # seconds; stops early past it
caso = random.Random(seme)
LARGH, ALT = 535, 353  # the table's logical size
RIGHE, COLONNE, CARTE = 4, 11, 40
PASSO_X, PASSO_Y = 47, 74
DOMANDE = ("Peccato", "Ce la puoi", "Complimenti")  # the question box's titles


def x(*argomenti, ok=(0,)):
    r = subprocess.run(["xdotool", *map(str, argomenti)], capture_output=True, text=True)
    return r.stdout if r.returncode in ok else ""


def rss(pid):
    with open(f"/proc/{pid}/status") as f:
        for riga in f:
            if riga.startswith("VmRSS:"):
                return int(riga.split()[1])
    return 0


def leggi(file):
    """Every record of the dump: (event, (w, h), title, engine table, shown slots)."""
    record = []
    with open(file) as f:
        for riga in f:
            if riga.startswith("#"):
                record.append(None)
                continue
            testa, motore, schermo = riga.split("|")
            evento, misura, titolo = testa.split()
            w, h = map(int, misura.split("x"))
            record.append((int(evento), (w, h), int(titolo), list(map(int, motore.split())),
                           [tuple(map(float, s.split(","))) for s in schermo.split()]))
    return record


def guasti(rec):
    """What is wrong with one record; empty when the table is whole."""
    _, (w, h), fase, motore, schermo = rec
    if fase == 1:
        return []  # the title pause: nothing dealt yet
    male = []
    carte = [c for c in motore if c]
    if len(motore) != RIGHE * COLONNE or sorted(carte) != list(range(1, CARTE + 1)):
        male.append(f"engine holds {len(carte)} cards, {len(motore) - len(carte)} free")
    # A card still gliding to its slot is between two slots: the screen is read at rest only.
    if fase == 0 and w > 0 and h > 0:  # a table squeezed to nothing shows no slots
        for k, (r, c) in enumerate(schermo, 1):
            if not (1 <= r <= RIGHE and 1 <= c <= COLONNE):
                male.append(f"card {k} shown off the table at {r},{c}")
            elif motore[int(r - 1) * COLONNE + int(c - 1)] != k:
                male.append(f"card {k} shown at {r},{c} where the engine has {motore[int(r - 1) * COLONNE + int(c - 1)]}")
        if len(set(schermo)) != CARTE:
            male.append("two cards shown in one slot")
    return male


class Partita:
    """One run of the program, from start to its exit."""

    def __init__(self, dump):
        with open(dump, "a") as f:
            f.write("#\n")  # a new run: no table until its first deal
        env = dict(os.environ, BELVANE_DUMP=dump, SDL_AUDIODRIVER="dummy")
        self.proc = subprocess.Popen([programma], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.dump = dump
        self.finestra = None
        for _ in range(100):
            ids = x("search", "--onlyvisible", "--name", "Belvane", ok=(0, 1)).split()
            if ids:
                self.finestra = ids[0]
                break
            time.sleep(0.1)
        if not self.finestra:
            raise SystemExit("the window did not appear")
        time.sleep(4)  # the title pause, then the first deal
        x("windowactivate", "--sync", self.finestra, "windowsize", self.finestra, 800, 600, "sleep", 0.3)
        self.rss_deal = rss(self.proc.pid)
        self.rss_primo = None  # after its first 500 events: the first game, panels and menus made
        self.eventi = 0
        self.serie = []  # RSS in MiB every thousand events

    def vivo(self):
        return self.proc.poll() is None

    def geometria(self):
        out = x("getwindowgeometry", "--shell", self.finestra)
        g = dict(r.split("=") for r in out.split() if "=" in r)
        return int(g.get("WIDTH", 0)), int(g.get("HEIGHT", 0))

    def ultimo(self):
        try:
            with open(self.dump, "rb") as f:
                f.seek(max(0, os.path.getsize(self.dump) - 4096))
                righe = f.read().decode().strip().split("\n")
            return leggi_riga(righe[-1])
        except (OSError, ValueError, IndexError):
            return None


def leggi_riga(riga):
    testa, motore, schermo = riga.split("|")
    evento, misura, titolo = testa.split()
    w, h = map(int, misura.split("x"))
    return (int(evento), (w, h), int(titolo), list(map(int, motore.split())),
            [tuple(map(float, s.split(","))) for s in schermo.split()])


def mobili_ora(motore):
    """The cards the rule lets move on this table (codes 1..40)."""
    mobili = []
    for r in range(RIGHE):
        riga = motore[r * COLONNE:(r + 1) * COLONNE]
        if riga[0] == 0:
            mobili += [1, 11, 21, 31]
        mobili += [riga[c - 1] + 1 for c in range(1, COLONNE) if riga[c] == 0 and riga[c - 1] % 10]
    return mobili


def lotto(p, n):
    """n random events as one xdotool command line; returns it and the kinds."""
    w, h = p.geometria()
    ult = p.ultimo()
    cmd, tipi = [], []
    for _ in range(n):
        t = caso.random()
        if t < 0.35 and ult and ult[1][0] > 0 and w > 0:  # a card, from where it is shown
            tw, th = ult[1]
            mobili = mobili_ora(ult[3])
            k = caso.choice(mobili) - 1 if mobili and caso.random() < 0.5 else caso.randrange(CARTE)
            r, c = ult[4][k]
            cx = ((c - 1) * PASSO_X + 22) * tw / LARGH
            cy = (h - th) + ((r - 1) * PASSO_Y + 36) * th / ALT
            cmd += ["mousemove", "--window", p.finestra, int(cx), int(cy), "click", 1]
            tipi.append("card")
        elif t < 0.55:  # anywhere: table, panels, menu bar
            cmd += ["mousemove", "--window", p.finestra, caso.randrange(max(w, 1)), caso.randrange(max(h, 1)),
                    "click", 1]
            tipi.append("click")
        elif t < 0.70:
            # F2 deals anew: rare enough that games run until they stop and ask.
            cmd += ["key", "F2" if caso.random() < 0.03 else caso.choice(["ctrl+w", "ctrl+r", "ctrl+t"])]
            tipi.append("key")
        elif t < 0.85:  # a menu opened, sometimes walked or an entry taken (a panel), then closed
            menu = caso.choice(["alt+g", "alt+o", "alt+r", "alt+i"])
            cmd += ["key", menu]
            if caso.random() < 0.5:
                cmd += ["key", "Down"] * caso.randrange(1, 4)
            if caso.random() < 0.3 and menu != "alt+g":  # the game menu holds Exit
                cmd += ["key", "Return"]
            cmd += ["sleep", 0.02, "key", "Escape"]
            tipi.append("menu")
        elif t < 0.95:
            cmd += ["windowsize", p.finestra, caso.randint(50, 3000), caso.randint(50, 2000), "sleep", 0.02]
            tipi.append("resize")
        else:
            cmd += ["windowminimize", p.finestra, "sleep", 0.05, "windowactivate", p.finestra, "sleep", 0.05]
            tipi.append("minimize")
    return cmd, tipi


def rispondi(p, conti):
    """Answers an open question, Yes or No at random; true when one was open."""
    for ids in [x("search", "--onlyvisible", "--name", "|".join(DOMANDE), ok=(0, 1)).split()]:
        if ids:
            si = caso.random() < 0.9
            x("windowactivate", ids[0], "sleep", 0.05, "key", "Return" if si else "alt+n",
              "sleep", 0.1)
            conti["yes" if si else "no"] += 1
            return True
    return False


def misura(p):
    """RSS at one fixed window size: the card pictures of the last two sizes
    shown are part of the memory, so readings at random sizes do not compare."""
    x("windowsize", p.finestra, 810, 610, "sleep", 0.3, "windowsize", p.finestra, 800, 600, "sleep", 0.5, ok=(0, 1))
    return rss(p.proc.pid)


def main():
    cartella = tempfile.mkdtemp(prefix="belvane-soak-")
    dump = os.path.join(cartella, "tavolo.txt")
    conti = {k: 0 for k in ("card", "click", "key", "menu", "resize", "minimize", "yes", "no")}
    eventi, uscite, esito = 0, [], 0
    p = Partita(dump)
    rss_fine = None
    inizio = time.time()
    while eventi < quanti and time.time() - inizio < limite:
        if not p.vivo():  # a No, or Exit taken from the menu: a clean end, then a new run
            uscite.append(p.proc.returncode)
            if p.proc.returncode != 0:
                print("exit status", p.proc.returncode, p.proc.stderr.read().decode()[-2000:])
                esito = 1
            p = Partita(dump)
            continue
        if rispondi(p, conti):
            eventi += 1
            continue
        n = min(20, quanti - eventi)
        cmd, tipi = lotto(p, n)
        x(*cmd, ok=(0, 1))
        eventi += n
        p.eventi += n
        for t in tipi:
            conti[t] += 1
        if p.rss_primo is None and p.eventi >= 500 and p.vivo():
            p.rss_primo = misura(p)
        if p.eventi % 1000 < n and p.vivo():
            p.serie.append(misura(p) // 1024)
    durata = time.time() - inizio
    if p.vivo():
        rispondi(p, conti)
        rss_fine = misura(p)
        x("windowactivate", "--sync", p.finestra, "key", "alt+F4")  # openbox asks the window to close
        for _ in range(100):
            if not p.vivo():
                break
            rispondi(p, conti)
            time.sleep(0.1)
        if p.vivo():
            p.proc.kill()
            print("the program did not close")
            esito = 1
        uscite.append(p.proc.returncode)
        if p.proc.returncode != 0:
            esito = 1

    # Each run's records before its first deal show no table yet.
    record, attesa = [], True
    for r in leggi(dump):
        if r is None:
            attesa = True
        elif not (attesa and (r[2] or not any(r[3]))):
            attesa = False
            record.append(r)
    rotti = [(i, g) for i, r in enumerate(record) if (g := guasti(r))]
    print(f"events {eventi} in {durata:.0f} s: " + ", ".join(f"{k} {v}" for k, v in conti.items()))
    print(f"runs {len(uscite)}, exit statuses {sorted(set(uscite))}")
    pausa = sum(r[2] == 1 for r in record)
    volo = sum(r[2] == 2 for r in record)
    print(f"table records {len(record)}: checked {len(record) - pausa}, in a title pause {pausa}, "
          f"{volo} of them with a card gliding (engine only); broken {len(rotti)}")
    for i, g in rotti[:5]:
        print(f"  record {i}: {'; '.join(g[:4])}")
    if p.rss_primo and rss_fine:
        print(f"last run, {p.eventi} events: RSS kB after the first deal {p.rss_deal}, after 500 events "
              f"{p.rss_primo}, at the end {rss_fine} ({100 * (rss_fine - p.rss_primo) / p.rss_primo:+.1f} %)")
        if abs(rss_fine - p.rss_primo) > p.rss_primo / 10:
            esito = 1
    else:
        print("the last run was too short to compare its memory")
    print("RSS MiB every 1000 events of the last run:", p.serie)
    print("dump:", dump)
    sys.exit(1 if rotti else esito)


main()
