#!/usr/bin/python3
"""Plays a whole session of the game through the accessibility bus alone, as
a screen reader would: it finds every control by the name a player hears,
presses it with its accessibility action, reads the counters as text and
learns each game's outcome from the lines the game says (text added to the
status line of the window with the keys, or a notification). Bets 3,
starts, stops the three reels and repeats until a win has been counted up,
then saves under a typed name, plays on, and loads the save again. Should
the coins run out first, it loads a save made at the start and plays on.

Run it on a desktop with an accessibility bus, for example
    bash tools/private_desktop.sh :95 /usr/bin/python3 tools/atspi_session.py [build/kararion]
Needs python3-pyatspi. Prints what it did and heard; ends with status 0 when
the whole session went through.
"""
import os
import random
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

GAME = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kararion")
MAX_GAMES = 150
# How long to wait for what the session needs (a window, a control coming
# alive, the game's words) before calling the game stuck: a busy machine is
# slow, never this slow.
PATIENCE = 120.0
heard = []


def say(*words):
    print("atspi:", *words, flush=True)


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, seconds=PATIENCE):
    end = time.time() + seconds
    while time.time() < end:
        found = what()
        if found:
            return found
        pump(0.05)
    return None


def on_showing(event):
    try:
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            heard.append(event.source.name)
    except Exception:  # the source may be gone already
        pass


def on_inserted(event):
    """A line the game put in the status line of the window with the keys."""
    try:
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            heard.append(str(event.any_data).strip())
    except Exception:
        pass


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kararion":
            return app
    return None


def find(root, name, role=None):
    """The first control under root with this accessible name (and role)."""
    try:
        if root.name == name and (role is None or root.getRole() == role):
            return root
        for child in root:
            if child is not None:
                found = find(child, name, role)
                if found is not None:
                    return found
    except Exception:
        pass
    return None


def window(name):
    app = application()
    if app is None:
        return None
    for win in app:
        if win is not None and win.name == name and win.getState().contains(pyatspi.STATE_SHOWING):
            return win
    return None


def press(control):
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))
    pump(0.05)


def enabled(control):
    return control.getState().contains(pyatspi.STATE_SENSITIVE)


def text(control):
    return control.queryText().getText(0, -1)


class Session:
    def __init__(self):
        self.main = wait_for(lambda: window("カラリオン"))
        if self.main is None:
            raise SystemExit("atspi: the game's main window is not on the bus")
        self.info = window("じょうほう")
        self.menu = window("メニュー")
        self.bet_up = find(self.info, "ベットをあげる", pyatspi.ROLE_PUSH_BUTTON)
        self.start = find(self.menu, "スタート", pyatspi.ROLE_PUSH_BUTTON)
        self.stops = [find(self.main, "リール%d ていし" % n, pyatspi.ROLE_PUSH_BUTTON) for n in (1, 2, 3)]

    def counter(self, name):
        return int(text(find(self.info, name, pyatspi.ROLE_TEXT)))

    def counters(self):
        names = ["コインすう", "しようまいすう", "ベット", "かいてんすう", "はいとうまいすう", "アタリすう", "ハズレすう"]
        return {name: self.counter(name) for name in names}

    def bet_three(self):
        end = time.time() + PATIENCE
        while self.counter("ベット") < 3 and self.counter("コインすう") > 0:
            if time.time() > end:
                raise SystemExit("atspi: the bet stuck at %d" % self.counter("ベット"))
            press(self.bet_up)

    def stop_all(self):
        """Stops the spinning reels and waits for what the game says of the result."""
        for stop in self.stops:
            if not wait_for(lambda: enabled(stop)):
                raise SystemExit("atspi: a stop button never came alive")
            pump(random.uniform(0.1, 0.6))  # stops at varied moments, as a player's would
            before = len(heard)
            press(stop)
        # The first and second reels' words may come late on a busy machine:
        # the result is the first words after the last stop that are not a reel's.
        result = wait_for(lambda: next((w for w in heard[before:] if not w.startswith("リール")), None))
        if result is None:
            raise SystemExit("atspi: the game said nothing of the result after the last stop")
        return result

    def play(self):
        """One game from the bet; a replay is played on. Returns the last outcome."""
        self.bet_three()
        press(self.start)
        while True:
            words = self.stop_all()
            if not words.startswith("リプレイ "):
                return words
            say("  heard", words, "- the replay spins, stopping it too")

    def dialog(self, entry, title):
        press(find(self.menu, entry, pyatspi.ROLE_PUSH_BUTTON))
        found = wait_for(lambda: window(title))
        if found is None:
            raise SystemExit("atspi: no window %r" % title)
        return found

    def acknowledge(self):
        """Reads the message box the last action opened and presses its OK."""
        app = application()
        box = wait_for(lambda: next((w for w in app if w is not None and w.name in ("完了", "エラー")
                                     and w.getState().contains(pyatspi.STATE_SHOWING)), None))
        if box is None:
            raise SystemExit("atspi: no message after the action")
        title = box.name
        labels = [c.name for c in box if c is not None and c.getRole() == pyatspi.ROLE_LABEL and c.name]
        say("  message box", repr(title), labels)
        press(find(box, "OK", pyatspi.ROLE_PUSH_BUTTON))
        wait_for(lambda: window(title) is None)
        return title

    def file_action(self, entry, title, action, name):
        dialog = self.dialog(entry, title)
        field = find(dialog, "ファイルめい", pyatspi.ROLE_TEXT)
        field.queryEditableText().setTextContents(name)
        pump(0.1)
        say("  %s: name field %r, list %s" % (title.strip(), text(field),
                                              [c.name for c in find(dialog, "セーブデータ")]))
        press(find(dialog, action, pyatspi.ROLE_PUSH_BUTTON))
        outcome = self.acknowledge()
        press(find(dialog, "キャンセル", pyatspi.ROLE_PUSH_BUTTON))
        wait_for(lambda: window(title) is None)
        return outcome


def main():
    folder = tempfile.mkdtemp(prefix="kararion-atspi.")
    os.mkdir(os.path.join(folder, "data"))
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    game = subprocess.Popen([GAME], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(on_inserted, "object:text-changed:insert")
        s = Session()
        say("found", s.main.name, "/", s.info.name, "/", s.menu.name, "- counters", s.counters())
        # A save to come back to should the coins run out before a win.
        if s.file_action("セーブ", "セーブ", "セーブ", "start") != "完了":
            raise SystemExit("atspi: the save failed")
        for n in range(1, MAX_GAMES + 1):
            start = len(heard)
            words = s.play()
            say("game %d: heard %r" % (n, words))
            result = words.split("。")[0]  # the result first, then the last reel's symbols
            if "まい" in result:  # "ベル 25まい ちゅうだん、コイン 122"
                coins = int(result.split()[1].rstrip("まい"))
                if not wait_for(lambda: s.counter("ベット") == 0):
                    raise SystemExit("atspi: the win was never counted up")
                say("  counted up: +%d coins -> %s" % (coins, s.counters()))
                break
            # Out of coins: the game says so once the game is over.
            if wait_for(lambda: s.counter("ベット") == 0) and s.counter("コインすう") == 0:
                if not wait_for(lambda: any("コインがありません" in w for w in heard[start:])):
                    raise SystemExit("atspi: the coins ran out and the game did not say so")
                s.file_action("ロード", "ロード", "ロード", "start")
                say("  loaded the start again:", s.counters())
        else:
            raise SystemExit("atspi: no win in %d games" % MAX_GAMES)

        saved = s.counters()
        if s.file_action("セーブ", "セーブ", "セーブ", "atspi") != "完了":
            raise SystemExit("atspi: the save failed")
        words = s.play()
        say("one more game: heard %r -> %s" % (words, s.counters()))
        if not wait_for(lambda: s.counter("ベット") == 0):
            raise SystemExit("atspi: the last game never ended")
        if s.file_action("ロード", "ロード", "ロード", "atspi") != "完了":
            raise SystemExit("atspi: the load failed")
        loaded = s.counters()
        say("loaded:", loaded)
        if {k: v for k, v in loaded.items() if k != "ベット"} != {k: v for k, v in saved.items() if k != "ベット"}:
            raise SystemExit("atspi: the load did not bring back the saved counters %s" % saved)
        press(find(s.menu, "しゅうりょう", pyatspi.ROLE_PUSH_BUTTON))
        game.wait(timeout=PATIENCE)
        say("the game ended through 終了; everything heard:", heard)
        return 0
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


if __name__ == "__main__":
    sys.exit(main())
