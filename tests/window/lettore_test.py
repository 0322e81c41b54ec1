#!/usr/bin/python3
"""The real program as a screen reader meets it: under Xvfb, with a D-Bus
session and the accessibility bus, read by an AT-SPI client that keeps what it
reads (as readers do) and driven with real keys.

Checks the 44 slots (role, name, row and column, press action), one focus
event per arrow with the new slot's name and place already in the client's
cache, a card pressed through the Action interface moving by the rule, and the
move's announcement.

usage: lettore_test.py PROGRAM    (exits 77, skipped, when a tool is missing)
"""
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SALTA = 77
CARTA = re.compile(r"^(Asso|[2-9]|10) di (Bastoni|Coppe|Denari|Spade)$")
RIGHE, COLONNE = 4, 11
LIBERO = "Free space"


def salta_se_manca():
    mancano = [p for p in ("Xvfb", "xdotool", "dbus-daemon") if shutil.which(p) is None]
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        mancano.append("at-spi2-core")
    # Only looked for: the client must be loaded after the display and the buses are set.
    if importlib.util.find_spec("pyatspi") is None:
        mancano.append("python3-pyatspi")
    if mancano:
        print("SKIPPED: missing " + ", ".join(mancano))
        sys.exit(SALTA)


class Ambiente:
    """Xvfb, a D-Bus session, the accessibility bus and the program, stopped in reverse order."""

    def __init__(self):
        self.processi = []
        self.casa = tempfile.mkdtemp(prefix="belvane-lettore-")
        self.avvia_x()
        os.environ["HOME"] = self.casa
        os.environ["XDG_RUNTIME_DIR"] = self.casa
        os.environ.pop("QT_QPA_PLATFORM", None)  # the program needs the X server
        bus = self.avvia(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.avvia(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        time.sleep(1)

    def avvia_programma(self, programma):
        self.programma = self.avvia([programma], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                                           QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy"))

    def avvia_x(self):
        # A display of its own, past those people and other tests use.
        for numero in range(140, 240):
            if os.path.exists("/tmp/.X%d-lock" % numero) or os.path.exists("/tmp/.X11-unix/X%d" % numero):
                continue
            x = subprocess.Popen(["Xvfb", ":%d" % numero, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                 stderr=subprocess.DEVNULL)
            for _ in range(100):
                if x.poll() is not None:
                    break
                if subprocess.run(["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=":%d" % numero),
                                  capture_output=True).returncode == 0:
                    self.processi.append(x)
                    os.environ["DISPLAY"] = ":%d" % numero
                    return
                time.sleep(0.05)
            if x.poll() is None:
                x.kill()
                x.wait()
        raise RuntimeError("no display could be started")

    def avvia(self, argomenti, **opzioni):
        processo = subprocess.Popen(argomenti, **opzioni)
        self.processi.append(processo)
        return processo

    def ferma(self):
        for processo in reversed(self.processi):
            if processo.poll() is None:
                processo.terminate()
                try:
                    processo.wait(5)
                except subprocess.TimeoutExpired:
                    processo.kill()
        shutil.rmtree(self.casa, ignore_errors=True)


def main():
    salta_se_manca()
    ambiente = Ambiente()
    try:
        # The client listens before the program starts, as a reader does:
        # the program then tells it every change from the first.
        lettore = Lettore(ambiente)
        ambiente.avvia_programma(sys.argv[1])
        errori = lettore.esegui()
    finally:
        ambiente.ferma()
    for e in errori:
        print("FAIL:", e)
    print("%d passed, %d failed" % (0 if errori else 1, 1 if errori else 0))
    return 1 if errori else 0


class Lettore:
    def __init__(self, ambiente):
        import pyatspi
        from gi.repository import GLib

        self.pyatspi, self.GLib = pyatspi, GLib
        self.ambiente = ambiente
        self.errori = []
        self.fuochi = []  # (name as cached when the event came, role, row, column, description, focused)
        self.annunci = []  # names of the notification as cached when it showed
        pyatspi.Registry.registerEventListener(self.su_fuoco, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.su_mostra, "object:state-changed:showing")
        # As readers do: the client then drops a name it keeps when told it changed.
        pyatspi.Registry.registerEventListener(lambda evento: None, "object:property-change:accessible-name")

    def verifica(self, condizione, messaggio):
        if not condizione:
            self.errori.append(messaggio)
        return condizione

    # Events: read at once, through the client's cache, as a reader does.
    def su_fuoco(self, evento):
        if evento.detail1 != 1:
            return
        s = evento.source
        try:
            riga = colonna = -1
            if s.parent is not None and "Table" in self.pyatspi.utils.listInterfaces(s.parent):
                tavola = s.parent.queryTable()
                i = s.getIndexInParent()
                riga, colonna = tavola.getRowAtIndex(i), tavola.getColumnAtIndex(i)
            fuoco = s.getState().contains(self.pyatspi.STATE_FOCUSED)
            self.fuochi.append((s.name, s.getRoleName(), riga, colonna, s.description, fuoco))
        except Exception as e:  # noqa: BLE001 - a listener's exception would be swallowed
            self.errori.append("reading a focus event: %s" % e)

    def su_mostra(self, evento):
        if evento.detail1 == 1 and evento.source.getRoleName() == "notification":
            self.annunci.append(evento.source.name)

    def esegui(self):
        pyatspi = self.pyatspi
        passi = self.passi()
        attesa = {"pred": None}

        def avanza():
            try:
                valore = None
                if attesa["pred"] is not None:
                    pred, scadenza = attesa["pred"]
                    if pred():
                        valore = True
                    elif time.monotonic() > scadenza:
                        valore = False
                    else:
                        return True
                pred, secondi = passi.send(valore)
                attesa["pred"] = (pred, time.monotonic() + secondi)
                return True
            except StopIteration:
                pass
            except Exception as e:  # noqa: BLE001 - reported as a failure, the loop must stop
                self.errori.append("%s: %s" % (type(e).__name__, e))
            pyatspi.Registry.stop()
            return False

        self.GLib.timeout_add(20, avanza)
        self.GLib.timeout_add_seconds(90, lambda: self.errori.append("timed out") or pyatspi.Registry.stop())
        pyatspi.Registry.start()
        return self.errori

    # Waits: yield (predicate, seconds); the answer is whether it held in time.
    def pausa(self, secondi):
        return (lambda: False, secondi)

    def applicazione(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Belvane":
                return app
        return None

    def trova_tavolo(self):
        app = self.applicazione()
        if app is None:
            return None
        trovati = self.pyatspi.utils.findAllDescendants(
            app, lambda a: a.name == "Cards" and "Table" in self.pyatspi.utils.listInterfaces(a))
        return trovati[0] if trovati else None

    def celle(self):
        return [self.tavolo.getChildAtIndex(i) for i in range(RIGHE * COLONNE)]

    def passi(self):
        self.tavolo = None

        def distribuito():
            self.tavolo = self.tavolo or self.trova_tavolo()
            if self.tavolo is None:
                return False
            for i in range(self.tavolo.childCount):
                c = self.tavolo.getChildAtIndex(i)
                c.clear_cache()
                if CARTA.match(c.name or ""):
                    return True
            return False

        if not self.verifica((yield (distribuito, 30)), "the program's table of cards never came on the bus"):
            return
        yield self.pausa(0.5)

        # Every slot: a cell with its place, named after its card or free, pressable only with a card.
        tavola = self.tavolo.queryTable()
        self.verifica((tavola.nRows, tavola.nColumns) == (RIGHE, COLONNE),
                      "a 4 x 11 table, not %d x %d" % (tavola.nRows, tavola.nColumns))
        nomi = {}
        for i, cella in enumerate(self.celle()):
            r, c = i // COLONNE + 1, i % COLONNE + 1
            nomi[(r, c)] = cella.name
            self.verifica(cella.getRoleName() == "table cell", "slot %d,%d is a %s" % (r, c, cella.getRoleName()))
            self.verifica((tavola.getRowAtIndex(i), tavola.getColumnAtIndex(i)) == (r - 1, c - 1),
                          "slot %d,%d: table says row/column %s" % (r, c, (tavola.getRowAtIndex(i),
                                                                            tavola.getColumnAtIndex(i))))
            self.verifica(cella.description == "row %d, column %d" % (r, c),
                          "slot %d,%d described %r" % (r, c, cella.description))
            azioni = [cella.queryAction().getName(k) for k in range(cella.queryAction().nActions)]
            if CARTA.match(cella.name):
                self.verifica("Press" in azioni, "card %r has no press action: %s" % (cella.name, azioni))
            else:
                self.verifica(cella.name == LIBERO, "slot %d,%d is named %r" % (r, c, cella.name))
                self.verifica("Press" not in azioni, "free space %d,%d takes a press" % (r, c))
        carte = [n for n in nomi.values() if n != LIBERO]
        self.verifica(len(set(carte)) == 40 and len(carte) == 40, "40 different cards: %d" % len(set(carte)))
        # A first deal leaves column 2 free in every row.
        self.verifica(all(nomi[(r, 2)] == LIBERO for r in range(1, RIGHE + 1)), "column 2 free after the deal")

        # The window takes the keyboard: the table, then the focused slot 1,1.
        finestra = subprocess.run(["xdotool", "search", "--name", "^Quintavox - Belvane$"], capture_output=True,
                                  text=True).stdout.split()
        if not self.verifica(finestra, "no window to give the keys to"):
            return
        subprocess.run(["xdotool", "windowfocus", finestra[-1]], check=False)
        if not self.verifica((yield (lambda: any(f[2:4] == (0, 0) for f in self.fuochi), 10)),
                             "no focus on slot 1,1 when the window took the keyboard: %s" % self.fuochi):
            return
        yield self.pausa(0.5)

        # A walk over cards and free spaces, down column 2 from one free space
        # to the next; one focus event per move, none at the edge.
        cammino = ["Right", "Down", "Down", "Right", "Up", "Left", "Left", "Left", "Up", "Right", "Right"]
        dove = (1, 1)
        for tasto in cammino:
            dr, dc = {"Right": (0, 1), "Left": (0, -1), "Up": (-1, 0), "Down": (1, 0)}[tasto]
            nuovo = (min(max(dove[0] + dr, 1), RIGHE), min(max(dove[1] + dc, 1), COLONNE))
            prima = len(self.fuochi)
            subprocess.run(["xdotool", "key", tasto], check=False)
            if nuovo == dove:
                yield self.pausa(0.6)
                self.verifica(len(self.fuochi) == prima, "%s at the edge told a focus: %s" % (tasto, self.fuochi[prima:]))
                continue
            arrivato = yield (lambda: len(self.fuochi) > prima, 3)
            yield self.pausa(0.3)
            dove = nuovo
            atteso = (nomi[dove], "table cell", dove[0] - 1, dove[1] - 1, "row %d, column %d" % dove, True)
            if self.verifica(arrivato, "%s to %s told no focus" % (tasto, dove)):
                self.verifica(len(self.fuochi) == prima + 1, "%s to %s: %d focus events" % (
                    tasto, dove, len(self.fuochi) - prima))
                self.verifica(self.fuochi[prima] == atteso, "%s to %s: heard %s, not %s" % (
                    tasto, dove, self.fuochi[prima], atteso))

        # A card pressed through the reader's action moves by the rule: the
        # successor of a row's first card into the free space beside it.
        mossa = None
        for r in range(1, RIGHE + 1):
            m = CARTA.match(nomi[(r, 1)])
            if m and m.group(1) != "10":
                rango = 2 if m.group(1) == "Asso" else int(m.group(1)) + 1
                mossa = ("%d di %s" % (rango, m.group(2)), (r, 2))
                break
        if not self.verifica(mossa is not None, "no card can move on this deal: %s" % nomi):
            return
        carta, destinazione = mossa
        origine = next(s for s, n in nomi.items() if n == carta)
        celle = self.celle()
        cella = celle[(origine[0] - 1) * COLONNE + origine[1] - 1]
        azione = cella.queryAction()
        nomi_azioni = [azione.getName(k) for k in range(azione.nActions)]
        if not self.verifica("Press" in nomi_azioni, "%s has no press action" % carta):
            return
        annunci = len(self.annunci)
        azione.doAction(nomi_azioni.index("Press"))
        detto = "%s, row %d, column %d" % ((carta,) + destinazione)
        self.verifica((yield (lambda: detto in self.annunci[annunci:], 5)),
                      "the move was not told as %r: %s" % (detto, self.annunci[annunci:]))
        yield self.pausa(0.3)
        # Read through the cache: the moved-from and moved-to slots are named anew.
        dopo = celle[(destinazione[0] - 1) * COLONNE + destinazione[1] - 1]
        self.verifica(dopo.name == carta, "slot %s after the press reads %r" % (destinazione, dopo.name))
        self.verifica(cella.name == LIBERO, "slot %s after the press reads %r" % (origine, cella.name))
        self.verifica("Press" not in [cella.queryAction().getName(k) for k in range(cella.queryAction().nActions)],
                      "the slot the card left still takes a press")

        # Game, Exit through the reader: the program ends cleanly, its reader's side and all.
        esci = self.pyatspi.utils.findDescendant(self.applicazione(), lambda a: a.name == "Exit" and
                                                 a.getRoleName() == "menu item")
        if not self.verifica(esci is not None, "no Exit menu item"):
            return
        esci.queryAction().doAction(0)
        programma = self.ambiente.programma
        finito = yield (lambda: programma.poll() is not None, 20)
        self.verifica(finito and programma.returncode == 0, "the program did not end cleanly on Exit: %s" % (
            programma.returncode,))


if __name__ == "__main__":
    sys.exit(main())
