#!/usr/bin/env python3
"""The Windows program's real window under Wine on Xvfb, driven as a person would.

Usage: real_window.py PROGRAM_FOLDER RUNNER SCREENSHOTS

PROGRAM_FOLDER holds tesmarik.exe as the zip ships it; RUNNER is the scenario runner of
the same build (run under Wine too), which writes the lengths report that the window must
write byte for byte; SCREENSHOTS is where the pictures of the tabs go. Clicks, keys and
the wheel go through the X server (xdotool), the clipboard is read back with xclip.
Exits 0 when every check holds; prints each check as it goes.
"""

import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE.parent.parent
TITLE = '"Тесмарик"-универсальный трубный калькулятор'

# Where the form places its controls, relative to the window's client area: the page
# control stands at (0, 73) and each tab sheet 4 px in and 24 px down from it.
SHEET = (4, 97)


def on_sheet(x, y):
    return SHEET[0] + x, SHEET[1] + y


# The mass tab's controls lie on Panel5, which fills the sheet.
MASS = {
    "ComboBox1": on_sheet(84 + 87, 25 + 10),
    "ComboBox2": on_sheet(84 + 45, 52 + 10),
    "ComboBox3": on_sheet(84 + 45, 79 + 10),
    "RadioGroup2.0": on_sheet(8 + 30, 156 + 22),
    "RadioGroup2.2": on_sheet(8 + 30, 156 + 62),
    "Edit10": on_sheet(266 + 60, 25 + 10),
    "Button1": on_sheet(8 + 125, 243 + 12),
    "rtab.1": on_sheet(266 + 30, 8 + 18 + 9),
    "Button11": on_sheet(266 + 37, 268 + 12),
    "BitBtn4": on_sheet(760 + 12, 274 + 12),
    "Memo4": on_sheet(464 + 160, 8 + 130),
}

# The tab headers, left to right, as Qt lays them out in the window's font.
TABS = [(80, 85), (235, 85), (335, 85), (395, 85)]

# The price grid Tabl stands at (12, 140) on its sheet, a header and rows 16 px high; its
# row 3 is the seller's pipe 89×4 of ГОСТ 8732-78 at 76 500 руб./т.
PRICE_ROW = on_sheet(12 + 180, 140 + 16 * 3 + 8)
# The items of the price grid's context menu: "Стоимость…", "Открыть в расчёте массы",
# "Добавить в предложение…", "Предложение…".
ADD_TO_OFFER_ITEM = 2

# The cost window's controls (Form2), relative to its client area.
COST = {
    "Edit1": (140 + 50, 158 + 10),  # the quantity
    "Button2": (12 + 60, 347 + 12),  # "В предложение"
}

# The offer window's controls (Form3), relative to its client area; Edit4 lies on
# GroupBox1, the grid's quantity is its column 2, after 28 + 340 px of columns.
OFFER = {
    "quantity": (12 + 28 + 340 + 32, 116 + 1 + 20 + 10),
    "Edit4": (12 + 70 + 25, 362 + 56 + 10),
    "Button1": (12 + 46, 576 + 12),  # "Копировать"
    "Button3": (208 + 62, 576 + 12),  # "Сохранить в PDF…"
    "Button4": (338 + 67, 576 + 12),  # "Сохранить в Excel…"
}
OFFER_TITLE = "Коммерческое предложение"


def box_button(box, from_right):
    """Where a message box of the size `box` shows its button `from_right`: the buttons
    stand in its bottom-right corner, the last one ("Отмена", or "OK" alone) 49 px from
    the right, each before it 82 px further left."""
    return box["WIDTH"] - 49 - 82 * from_right, box["HEIGHT"] - 23


# Where windows the program places itself are moved to before they are clicked.
DIALOG_PLACE = (200, 150)
OFFER_PLACE = (10, 40)

failures = []

# The items of a report's context menu: "Копировать", "Выделить всё", "Печать…",
# "Сохранить в PDF…". The menu opens with its corner at the pointer, each item 22 px high.
COPY_ITEM, PRINT_ITEM = 0, 2


def menu_item(at, index):
    """Where the context menu opened at `at` shows its item `index`. Items are clicked,
    not walked with the arrow keys: after a dialog closes, Wine may give the keys to no
    window until the next click, while a click on a menu always lands."""
    return at[0] + 40, at[1] + 16 + 22 * index


def local_app_data(env):
    """Where %LOCALAPPDATA% of the test prefix lies on this machine."""
    return user_folder(env) / "AppData" / "Local"


def documents(env):
    """Where the user's documents of the test prefix lie on this machine."""
    return user_folder(env) / "Documents"


def user_folder(env):
    return pathlib.Path(env["WINEPREFIX"]) / "drive_c" / "users" / env.get(
        "USER", os.environ.get("USER", "root"))


def expected_report(runner, work):
    """The lengths report as the scenario runner writes it for the same input."""
    script = "\n".join(["tab 0", "pick ComboBox1 0", "choose ComboBox2 530",
                        "choose ComboBox3 8", "pick RadioGroup2 2", "typecell rtab 0 1 12",
                        "typecell rtab 0 2 11,5", "click Button1",
                        "saveas expected-lengths", "click Button11", ""])
    subprocess.run([str(HERE / "wine-run.sh"), str(runner)], input=script.encode(),
                   cwd=work, check=True, capture_output=True, timeout=120)
    return (work / "expected-lengths.txt").read_bytes()


def check(what, ok, detail=""):
    print(("ok   " if ok else "FAIL ") + what + (f": {detail}" if detail and not ok else ""),
          flush=True)
    if not ok:
        failures.append(what)


class Desktop:
    """An X server with a window manager (or none, for Wine's own desktop), a stand-in
    seller and the program under Wine."""

    def __init__(self, work, window_manager=True):
        self.work = work
        self.processes = []
        read, write = os.pipe()
        # A common laptop's screen, which the offer window with its loading column fits;
        # Wine's own desktop below is smaller, and the window shrinks to it there.
        self.xvfb = self.start(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                "1366x768x24", "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip())
        if window_manager:
            self.start(["icewm"], env=self.env)
        seller = self.start([sys.executable, str(SOURCE / "tools/seller/seller.py"),
                             "--host", "127.0.0.1", "--port", "0", "--quiet"],
                            stdout=subprocess.PIPE)
        self.seller_port = int(seller.stdout.readline())
        time.sleep(1)

    def start(self, command, **kwargs):
        process = subprocess.Popen(command, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()

    def x(self, *args, check_status=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, text=True,
                                capture_output=True, timeout=30)
        if check_status and result.returncode != 0:
            raise RuntimeError(f"xdotool {args}: {result.stderr}")
        return result.stdout.strip()

    def wait_window(self, name, seconds=60):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            found = self.x("search", "--onlyvisible", "--name", name, check_status=False)
            if found:
                return found.split()[0]
            time.sleep(0.5)
        raise RuntimeError(f"no window named {name!r} within {seconds} s")

    def wait_dialog(self, main, seconds=60):
        """Waits for a window of the program other than the main one (Wine's save dialog
        has no title to search by) and gives it the keys. A dialog that opens as another
        closes is shown now and then with the focus on no window at all; a click on its
        title bar, which the window manager handles, gives it the focus."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            active = self.x("getactivewindow", check_status=False)
            if active and active != main:
                return active
            others = [w for w in self.x("search", "--onlyvisible", "--classname",
                                        "tesmarik.exe", check_status=False).split()
                      if w != main]
            if others:
                dialog = others[-1]
                place = self.x("getwindowgeometry", "--shell", dialog)
                at = dict(line.split("=") for line in place.splitlines())
                self.x("mousemove", int(at["X"]) + 60, int(at["Y"]) - 10)
                self.x("click", 1)
            time.sleep(0.5)
        self.screenshot(self.work.parent / "tesmarik-no-dialog.png")
        raise RuntimeError(f"no dialog over the window within {seconds} s (the screen: "
                           f"{self.work.parent / 'tesmarik-no-dialog.png'})")

    def windows(self):
        return self.x("search", "--onlyvisible", "--classname", "tesmarik.exe",
                      check_status=False).split()

    def new_window(self, known, seconds=60):
        """Waits for a window of the program that is none of `known`."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            others = [w for w in self.windows() if w not in known]
            if others:
                time.sleep(1)  # the window manager frames and places it
                return others[-1]
            time.sleep(0.5)
        self.screenshot(self.work.parent / "tesmarik-no-window.png")
        raise RuntimeError(f"no new window within {seconds} s (the screen: "
                           f"{self.work.parent / 'tesmarik-no-window.png'})")

    def geometry(self, wid):
        """The window's client area on the screen: X, Y, WIDTH, HEIGHT."""
        place = self.x("getwindowgeometry", "--shell", wid)
        return {k: int(v) for k, _, v in (line.partition("=") for line in place.splitlines())
                if k in ("X", "Y", "WIDTH", "HEIGHT")}

    def numbers(self, wid, name):
        out = subprocess.run(["xprop", *(["-id", wid] if wid else ["-root"]), name],
                             env=self.env, capture_output=True, text=True).stdout
        return [int(n) for n in out.partition("=")[2].replace(",", " ").split()]

    def work_area(self):
        """The desktop less the task bar: left, top, right, bottom."""
        left, top, width, height = self.numbers(None, "_NET_WORKAREA")[:4]
        return left, top, left + width, top + height

    def take(self, wid, at):
        """Moves a window the program placed itself to `at` and gives it the keys; returns
        where it is then. Until such a window is moved, Wine takes it for as much lower as
        the window manager moved it up when it framed it, and a click lands that much
        above the pointer; a move through the window manager tells Wine where it is."""
        for _ in range(20):
            self.x("windowmove", wid, *at)
            time.sleep(0.5)
            place = self.geometry(wid)
            if (place["X"], place["Y"]) == tuple(at):
                break
        else:
            raise RuntimeError(f"the window {wid} does not move to {at}")
        self.focus(wid)
        return place

    def focus(self, wid):
        """Gives the window the keys by a click on its title bar, which the window manager
        handles; clicks a second apart, lest two be taken for a double click."""
        for _ in range(20):
            if self.x("getactivewindow", check_status=False) == wid:
                break
            place = self.geometry(wid)
            self.x("mousemove", place["X"] + 60, place["Y"] - 10)
            self.x("click", 1)
            time.sleep(1)
        time.sleep(0.3)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       timeout=30)

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                              capture_output=True, timeout=10).stdout.decode("utf-8", "replace")


class Window:
    def __init__(self, desktop, wid):
        self.d = desktop
        self.wid = wid

    def click(self, at, button=1):
        self.d.x("mousemove", "--window", self.wid, at[0], at[1])
        time.sleep(0.2)
        self.d.x("click", button)
        time.sleep(0.5)

    def keys(self, *keys):
        for key in keys:
            self.d.x("key", "--clearmodifiers", key)
            time.sleep(0.2)

    def type(self, text):
        self.d.x("type", "--delay", "60", text)
        time.sleep(0.3)

    def pick(self, at, text):
        """Opens a drop-down list, types the start of an item and takes it."""
        self.click(at)
        self.type(text)
        self.keys("Return")


def embedded_fonts(pdf):
    """The names of the fonts a PDF embeds, their subset tags left off."""
    out = subprocess.run(["pdffonts", str(pdf)], capture_output=True, text=True).stdout
    return sorted({line.split()[0].partition("+")[2] or line.split()[0]
                   for line in out.splitlines()[2:] if line.split()})


def print_without_printer(desktop, w, wid, work, shots):
    """"Печать…" where no printer is installed says so and offers the PDF, which the save
    dialog writes; the PDF embeds regular faces for regular text, as the Linux one does.
    The message box's texts are read as Windows users copy them, with Ctrl+C (Qt draws
    its widgets itself: Windows sees no controls in its windows)."""
    # The window takes the keys again after the save dialog once it is clicked.
    w.click(MASS["Memo4"])
    w.click(MASS["Memo4"], button=3)
    desktop.screenshot(shots / "wine-print-menu.png")
    w.click(menu_item(MASS["Memo4"], PRINT_ITEM))
    time.sleep(3)
    desktop.screenshot(shots / "wine-no-printer.png")
    desktop.wait_dialog(wid)
    w.keys("ctrl+c")
    time.sleep(0.5)
    box = desktop.clipboard()
    check("\"Печать…\" says that no printer is installed",
          "На этом компьютере не установлен ни один принтер." in box, box)
    check("and offers \"Сохранить в PDF…\" beside \"Отмена\"",
          "Сохранить в PDF…" in box and "Отмена" in box, box)
    # "Сохранить в PDF…" is the default button; the save dialog follows the message box.
    w.keys("Return")
    time.sleep(1.5)
    desktop.wait_dialog(wid)
    time.sleep(1)
    target = work / "log"
    w.type("Z:" + str(target).replace("/", "\\"))
    w.keys("Return")
    pdf = target.with_suffix(".pdf")
    for _ in range(20):
        if pdf.exists():
            break
        time.sleep(0.5)
    check("the log is saved as a PDF in place of printing", pdf.exists())
    if pdf.exists():
        fonts = embedded_fonts(pdf)
        sans = [f for f in fonts if "Mono" not in f and "Courier" not in f]
        check("the PDF embeds a regular and a bold face for the page's sans-serif texts",
              any("Bold" in f for f in sans) and any("Bold" not in f for f in sans), fonts)
    # The window takes the keys and the focus again once it is clicked.
    w.click(MASS["Memo4"])


def windows_place(env, texts, title, wine_desktop=None):
    """Where Windows has the window titled `title`: "frame", "client" and "work" (the
    desktop above the task bar), each left, top, right, bottom. A window on a desktop of
    Wine's own is seen from that desktop alone."""
    command = ["wine", str(texts)]
    if wine_desktop:
        command = ["wine", "explorer", wine_desktop, "Z:" + str(texts).replace("/", "\\")]
    out = subprocess.run(command + ["place", title], capture_output=True, text=True,
                         timeout=60, env=env).stdout
    return {line.split()[0]: tuple(map(int, line.split()[1:])) for line in out.splitlines()
            if len(line.split()) == 5}


def within_work_area(desktop, env, texts, wid, title, what):
    """The window where it is drawn, with the frame Windows gives it, lies on the desktop
    above the task bar. Windows' idea of where the window is can be wrong (Desktop.take),
    its frame's size is not; a window manager may draw borders a pixel wider, which
    Windows cannot know."""
    place = windows_place(env, texts, title)
    at = desktop.geometry(wid)
    area = desktop.work_area()
    frame = None
    if "frame" in place and "client" in place:
        outer, inner = place["frame"], place["client"]
        frame = (at["X"] - (inner[0] - outer[0]), at["Y"] - (inner[1] - outer[1]),
                 at["X"] + at["WIDTH"] + outer[2] - inner[2],
                 at["Y"] + at["HEIGHT"] + outer[3] - inner[3])
    check(f"{what} opens with its frame within the desktop above the task bar",
          frame is not None and area[0] <= frame[0] and area[1] <= frame[1] and
          frame[2] <= area[2] and frame[3] <= area[3],
          f"the frame {frame}, the desktop {area}, Windows' place {place}")


def save_through_dialog(desktop, window, button, known, target, suffix):
    """Clicks a button that saves through the save dialog and saves as `target`, or where
    the dialog proposes when `target` is a folder, which it must be the dialog's; returns
    the file saved, or None."""
    before = set(target.glob("*" + suffix)) if target.is_dir() else set()
    window.click(button)
    dialog = desktop.new_window(known)
    desktop.take(dialog, DIALOG_PLACE)
    if not target.is_dir():
        # The dialog proposes a name of its own: the typed path replaces it.
        window.keys("Home", "shift+End", "BackSpace")
        window.type("Z:" + str(target).replace("/", "\\"))
    window.keys("Return")
    for _ in range(20):
        saved = (sorted(set(target.glob("*" + suffix)) - before) if target.is_dir() else
                 [target.with_suffix(suffix)])
        if saved and saved[0].exists() and dialog not in desktop.windows():
            time.sleep(0.5)
            return saved[0]
        time.sleep(0.5)
    return None


def clear_and_type(window, at, text):
    window.click(at)
    window.keys("End", *["BackSpace"] * 4)
    window.type(text)
    window.keys("Tab")


def offer(desktop, env, w, wid, work, shots, texts, folder=None):
    """A position of the price list through the cost window into the offer window, both
    placed by the program itself, and the offer typed into and saved from its window: each
    window is moved once before it is clicked (Desktop.take). The offer is saved into
    `folder` under the names the save dialog proposes, when one is given."""
    w.click(TABS[2])
    w.click(PRICE_ROW)
    w.click(PRICE_ROW, button=3)
    w.click(menu_item(PRICE_ROW, ADD_TO_OFFER_ITEM))
    cost = desktop.new_window({wid})
    desktop.screenshot(shots / "wine-cost-window.png")
    within_work_area(desktop, env, texts, cost, "Стоимость", "the cost window")
    desktop.take(cost, DIALOG_PLACE)
    c = Window(desktop, cost)
    c.click(COST["Edit1"])
    c.type("1000")
    c.click(COST["Button2"])
    offer_window = desktop.new_window({wid, cost})
    check("\"В предложение\" closes the cost window", cost not in desktop.windows())
    desktop.screenshot(shots / "wine-offer-window.png")
    within_work_area(desktop, env, texts, offer_window, OFFER_TITLE, "the offer window")
    desktop.take(offer_window, OFFER_PLACE)
    o = Window(desktop, offer_window)

    # A quantity typed into the grid over the cost window's one.
    o.click(OFFER["quantity"])
    o.type("1500")
    o.keys("Return")
    # A VAT over 100 % is refused in a message box, which a click on "OK" closes.
    clear_and_type(o, OFFER["Edit4"], "200")
    o.click(OFFER["Button1"])
    box = desktop.new_window({wid, offer_window})
    desktop.screenshot(shots / "wine-offer-vat-box.png")
    within_work_area(desktop, env, texts, box, "Тесмарик", "the message box")
    place = desktop.take(box, DIALOG_PLACE)
    o.keys("ctrl+c")
    time.sleep(0.5)
    said = desktop.clipboard()
    check("a VAT of 200 % is refused in a message box",
          "Ставка НДС должна быть от 0 до 100 %." in said, said)
    Window(desktop, box).click(box_button(place, 0))
    time.sleep(1)
    check("a click on the box's \"OK\" closes it", box not in desktop.windows())
    # After the box the keys may reach no window until the offer window is given them.
    desktop.focus(offer_window)

    clear_and_type(o, OFFER["Edit4"], "20")
    o.click(OFFER["Button1"])
    table = desktop.clipboard()
    check("\"Копировать\" copies the quantity typed in the grid, 1500 м",
          "\t1500\tм\t" in table, table[:400])
    check("and the VAT typed, 20 %", "НДС 20 %" in table, table[:400])
    desktop.screenshot(shots / "wine-offer-typed.png")

    where = f" into {folder.name}" if folder else ""
    pdf = save_through_dialog(desktop, o, OFFER["Button3"], {wid, offer_window},
                              folder or work / "offer", ".pdf")
    check(f"\"Сохранить в PDF…\" saves the offer through the save dialog{where}",
          pdf is not None)
    if pdf is not None:
        fonts = embedded_fonts(pdf)
        sans = [f for f in fonts if "Mono" not in f and "Courier" not in f]
        check("the offer's PDF embeds a regular and a bold face",
              any("Bold" in f for f in sans) and any("Bold" not in f for f in sans), fonts)
        text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True,
                              text=True).stdout
        check("the offer's PDF holds the quantity and the VAT typed",
              "1500" in text and "НДС 20 %" in text, text[:600])
    workbook = save_through_dialog(desktop, o, OFFER["Button4"], {wid, offer_window},
                                   folder or work / "offer", ".xlsx")
    check(f"\"Сохранить в Excel…\" saves the workbook through the save dialog{where}",
          workbook is not None)
    if workbook is not None:
        check("the workbook holds the quantity typed in the grid", "<v>1500</v>" in
              sheet_of(workbook), sheet_of(workbook)[:400])
    desktop.screenshot(shots / "wine-offer-saved.png")
    if folder:
        # The user's folder outlives the test.
        for saved in (pdf, workbook):
            if saved is not None:
                saved.unlink()


def sheet_of(workbook):
    try:
        with zipfile.ZipFile(workbook) as z:
            return z.read("xl/worksheets/sheet1.xml").decode("utf-8", "replace")
    except (zipfile.BadZipFile, KeyError) as error:
        return f"no sheet: {error}"


WINE_DESKTOP = "/desktop=tesmarik,1024x768"


def end_wine(env):
    """Ends every program of the test prefix, and waits until Wine's server has gone."""
    env = dict(env, **wine_environment())
    subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
    subprocess.run(["wineserver", "-w"], env=env, capture_output=True, timeout=60)


def offer_on_wine_desktop(program_folder, work, shots, texts):
    """The offer window on Wine's own desktop, where Wine draws the frames itself and
    knows where each window is, so that clicks land where Windows has the windows: a
    position of the price list downloaded before added through the cost window."""
    desktop = Desktop(work, window_manager=False)
    try:
        env = dict(desktop.env, **wine_environment())

        def place(title):
            for _ in range(60):
                found = windows_place(env, texts, title, WINE_DESKTOP)
                if "client" in found:
                    return found
                time.sleep(0.5)
            raise RuntimeError(f"no window {title!r} on Wine's desktop")

        def click(inside, at, button=1):
            desktop.x("mousemove", inside["client"][0] + at[0], inside["client"][1] + at[1])
            time.sleep(0.2)
            desktop.x("click", button)
            time.sleep(0.5)

        desktop.start(["wine", "explorer", WINE_DESKTOP, "tesmarik.exe"], env=env,
                      cwd=program_folder)
        # Asked before the desktop is up, Wine would make the desktop for the question,
        # and the answer would not end.
        desktop.wait_window(TITLE)
        main = place(TITLE)
        time.sleep(3)
        click(main, TABS[2])
        time.sleep(2)
        click(main, PRICE_ROW)
        click(main, PRICE_ROW, button=3)
        click(main, menu_item(PRICE_ROW, ADD_TO_OFFER_ITEM))
        cost = place("Стоимость")
        click(cost, COST["Edit1"])
        desktop.x("type", "--delay", "60", "1000")
        click(cost, COST["Button2"])
        offer_window = place(OFFER_TITLE)
        time.sleep(1)
        desktop.screenshot(shots / "wine-desktop-offer-window.png")
        frame, area = offer_window["frame"], offer_window["work"]
        check("on Wine's own desktop the offer window opens with its frame within the desktop",
              area[0] <= frame[0] and area[1] <= frame[1] and frame[2] <= area[2] and
              frame[3] <= area[3], f"the frame {frame}, the desktop {area}")
    finally:
        end_wine(desktop.env)
        desktop.close()


def wine_environment():
    """The Wine settings the other scripts here share (wine-env.sh)."""
    out = subprocess.run(["bash", "-c", f"source {HERE / 'wine-env.sh'} && env -0"],
                         capture_output=True, check=True).stdout.decode()
    # A Russian prefix's locale and user go with it.
    russian = (("LOCPATH", "USER", "LANG", "LC_ALL")
               if os.environ.get("TESMARIK_WINE_RUSSIAN") else ())
    return {k: v for k, _, v in (e.partition("=") for e in out.split("\0") if e)
            if k.startswith("WINE") or k in russian}


def download(desktop, env, texts, w, wid, shots):
    """The price tab downloads the list from the stand-in seller."""
    price_file = local_app_data(env) / "tesmarik" / "1.csv"
    if price_file.exists():
        price_file.unlink()
    w.click(TABS[2])
    time.sleep(3)
    desktop.screenshot(shots / "wine-price-prompt.png")
    # The program asks whether to download the missing list: "OK", clicked.
    prompt = desktop.new_window({wid})
    within_work_area(desktop, env, texts, prompt, "Тесмарик",
                     "the question whether to download")
    place = desktop.take(prompt, DIALOG_PLACE)
    Window(desktop, prompt).click(box_button(place, 1))
    for _ in range(40):
        if price_file.exists():
            break
        time.sleep(0.5)
    check("the price file is downloaded into %LOCALAPPDATA%\\tesmarik", price_file.exists())
    if price_file.exists():
        sample = (SOURCE / "tools/seller/sample-price.csv").read_bytes()
        check("the price file is the seller's list byte for byte",
              price_file.read_bytes() == sample)


def main():
    program_folder = pathlib.Path(sys.argv[1]).resolve()
    runner = pathlib.Path(sys.argv[2]).resolve()
    shots = pathlib.Path(sys.argv[3]).resolve()
    shots.mkdir(parents=True, exist_ok=True)
    # With TESMARIK_WINE_RUSSIAN=1, in the prefix as a Russian Windows has it, for a user
    # named "Иван" (wine-env.sh): the download, and the offer saved into the user's
    # documents, where the save dialog first opens.
    russian = bool(os.environ.get("TESMARIK_WINE_RUSSIAN"))
    work = pathlib.Path(tempfile.mkdtemp(prefix="tesmarik-wine-"))
    desktop = Desktop(work)
    program = None
    try:
        env = dict(desktop.env, TESMARIK_SELLER=f"127.0.0.1:{desktop.seller_port}")
        env.update(wine_environment())
        # Wine's services, when earlier runs in the prefix started them without a display,
        # must not serve the window.
        end_wine(env)
        subprocess.run([str(HERE / "wine-prefix.sh")], check=True, capture_output=True, env=env)
        # The windows' places as Windows has them.
        texts = work / "window_texts.exe"
        subprocess.run(["x86_64-w64-mingw32-gcc-posix", "-municode", "-O2", "-o", str(texts),
                        str(HERE / "window_texts.c")], check=True)
        program = desktop.start(["wine", str(program_folder / "tesmarik.exe")], env=env,
                                cwd=work)
        wid = desktop.wait_window(TITLE)
        time.sleep(3)
        w = Window(desktop, wid)
        check("the window opens with its title", bool(wid))
        desktop.focus(wid)
        icon = subprocess.run(["xprop", "-id", wid, "_NET_WM_ICON"], env=desktop.env,
                              capture_output=True, text=True).stdout
        check("the window has an icon", "_NET_WM_ICON(CARDINAL)" in icon, icon[:80])
        desktop.screenshot(shots / "wine-tab1-loading.png")
        if russian:
            download(desktop, env, texts, w, wid, shots)
            offer(desktop, env, w, wid, work, shots, texts, documents(env))
            return finish()

        # The worked example on the mass tab.
        w.click(TABS[0])
        # "Универсальный" is the list's first item (xdotool types no Cyrillic letters).
        w.click(MASS["ComboBox1"])
        w.keys("Home", "Return")
        w.pick(MASS["ComboBox2"], "530")
        w.pick(MASS["ComboBox3"], "8")
        w.click(MASS["RadioGroup2.0"])
        w.click(MASS["Edit10"])
        w.type("1000")
        w.click(MASS["Button1"])
        desktop.screenshot(shots / "wine-tab0-mass.png")
        # The log, copied through its context menu ("Копировать" is its first item).
        w.click(MASS["BitBtn4"])
        w.click(MASS["Memo4"], button=3)
        desktop.screenshot(shots / "wine-log-menu.png")
        w.click(menu_item(MASS["Memo4"], COPY_ITEM))
        log = desktop.clipboard()
        for figure in ("104,01 кг", "104,01 т", "88 шт"):
            check(f"the copied log reads {figure}", figure in log, log[:400])

        # A lengths report of single pipes, saved through the Windows save dialog.
        w.click(MASS["RadioGroup2.2"])
        w.click(MASS["rtab.1"])
        w.type("12")
        w.keys("Down")
        w.type("11,5")
        w.keys("Return")
        w.click(MASS["Button1"])
        w.click(MASS["Button11"])
        desktop.wait_dialog(wid)
        time.sleep(1)
        desktop.screenshot(shots / "wine-save-dialog.png")
        target = work / "lengths"
        w.type("Z:" + str(target).replace("/", "\\"))
        w.keys("Return")
        time.sleep(2)
        saved = sorted(work.glob("lengths*"))
        check("the lengths report is saved", len(saved) == 1, str(saved))
        if saved:
            expected = expected_report(runner, work)
            got = saved[0].read_bytes()
            check("the report is Windows-1251 with CR LF, as the runner writes it",
                  got == expected, f"{got[:80]!r} against {expected[:80]!r}")
            check("the report has CR LF line ends", b"\r\n" in got and b"\n" not in
                  got.replace(b"\r\n", b""))
        desktop.screenshot(shots / "wine-tab0-lengths.png")
        print_without_printer(desktop, w, wid, work, shots)

        download(desktop, env, texts, w, wid, shots)
        time.sleep(2)
        desktop.screenshot(shots / "wine-tab2-price.png")
        w.click(TABS[3])
        desktop.screenshot(shots / "wine-tab3-info.png")
        w.click(TABS[1])
        desktop.screenshot(shots / "wine-tab1-loading-end.png")
        offer(desktop, env, w, wid, work, shots, texts)
    finally:
        if program is not None:
            program.terminate()
        end_wine(desktop.env)
        desktop.close()
        if russian:
            shutil.rmtree(work, ignore_errors=True)
    try:
        offer_on_wine_desktop(program_folder, work, shots, texts)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return finish()


def finish():
    if failures:
        print(f"{len(failures)} checks failed", flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
