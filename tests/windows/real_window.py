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
    users = pathlib.Path(env["WINEPREFIX"]) / "drive_c" / "users"
    return users / os.environ.get("USER", "root") / "AppData" / "Local"


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
    """An X server with a window manager, a stand-in seller and the program under Wine."""

    def __init__(self, work):
        self.work = work
        self.processes = []
        read, write = os.pipe()
        self.xvfb = self.start(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                "1024x768x24", "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip())
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


def wine_environment():
    """The Wine settings the other scripts here share (wine-env.sh)."""
    out = subprocess.run(["bash", "-c", f"source {HERE / 'wine-env.sh'} && env -0"],
                         capture_output=True, check=True).stdout.decode()
    return {k: v for k, _, v in (e.partition("=") for e in out.split("\0") if e)
            if k.startswith("WINE")}


def main():
    program_folder = pathlib.Path(sys.argv[1]).resolve()
    runner = pathlib.Path(sys.argv[2]).resolve()
    shots = pathlib.Path(sys.argv[3]).resolve()
    shots.mkdir(parents=True, exist_ok=True)
    work = pathlib.Path(tempfile.mkdtemp(prefix="tesmarik-wine-"))
    desktop = Desktop(work)
    program = None
    try:
        env = dict(desktop.env, TESMARIK_SELLER=f"127.0.0.1:{desktop.seller_port}")
        env.update(wine_environment())
        subprocess.run([str(HERE / "wine-prefix.sh")], check=True, capture_output=True, env=env)
        program = desktop.start(["wine", str(program_folder / "tesmarik.exe")], env=env,
                                cwd=work)
        wid = desktop.wait_window(TITLE)
        time.sleep(3)
        w = Window(desktop, wid)
        check("the window opens with its title", bool(wid))
        icon = subprocess.run(["xprop", "-id", wid, "_NET_WM_ICON"], env=desktop.env,
                              capture_output=True, text=True).stdout
        check("the window has an icon", "_NET_WM_ICON(CARDINAL)" in icon, icon[:80])
        desktop.screenshot(shots / "wine-tab1-loading.png")

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

        # The price tab downloads the list from the stand-in seller.
        price_file = local_app_data(env) / "tesmarik" / "1.csv"
        if price_file.exists():
            price_file.unlink()
        w.click(TABS[2])
        time.sleep(3)
        desktop.screenshot(shots / "wine-price-prompt.png")
        # The program asks whether to download the missing list: "OK", the default button.
        desktop.wait_dialog(wid)
        w.keys("Return")
        for _ in range(40):
            if price_file.exists():
                break
            time.sleep(0.5)
        check("the price file is downloaded into %LOCALAPPDATA%\\tesmarik", price_file.exists())
        if price_file.exists():
            sample = (SOURCE / "tools/seller/sample-price.csv").read_bytes()
            check("the price file is the seller's list byte for byte",
                  price_file.read_bytes() == sample)
        time.sleep(2)
        desktop.screenshot(shots / "wine-tab2-price.png")
        w.click(TABS[3])
        desktop.screenshot(shots / "wine-tab3-info.png")
        w.click(TABS[1])
        desktop.screenshot(shots / "wine-tab1-loading-end.png")
    finally:
        if program is not None:
            program.terminate()
        subprocess.run(["wineserver", "-k"], env=desktop.env, capture_output=True)
        desktop.close()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        print(f"{len(failures)} checks failed", flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
