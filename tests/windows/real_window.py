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

failures = []


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
        w.click((60, 85))
        w.pick(MASS["ComboBox1"], "У")
        w.pick(MASS["ComboBox2"], "530")
        w.pick(MASS["ComboBox3"], "8")
        w.click(MASS["RadioGroup2.0"])
        w.click(MASS["Edit10"])
        w.type("1000")
        w.click(MASS["Button1"])
        desktop.screenshot(shots / "wine-tab0-mass.png")
        # The log, copied through its context menu.
        w.click(MASS["BitBtn4"])
        w.click(MASS["Memo4"], button=3)
        time.sleep(1)
        desktop.screenshot(shots / "wine-log-menu.png")
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
