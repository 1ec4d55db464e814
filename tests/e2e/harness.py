"""Runs the real Pelanto.exe under Wine on the test run's private X display and drives it as a
user would: clicks and keys through xdotool, screenshots through ImageMagick, QR codes read back
by zbarimg, registry and fake-world logs read afterwards."""

import os
import re
import shutil
import subprocess
import tempfile
import time
import uuid
from xml.etree import ElementTree

SESSION_FILE = os.environ.get("PELANTO_WINE_SESSION", "")
BUILD_DIR = os.environ.get("PELANTO_BUILD_DIR", "")
WINTEST_DIR = os.environ.get("PELANTO_WINTEST_DIR", "")
NETSHELL_DIR = os.environ.get("PELANTO_NETSHELL_DIR", "")
NETCON_DLL = os.environ.get("PELANTO_NETCON_DLL", "")
TASKS_DLL = os.environ.get("PELANTO_TASKS_DLL", "")
# A 32-bit build on 64-bit Wine has syswow64 for its system folder and the registry's 32-bit view.
WOW64 = os.environ.get("PELANTO_POINTER_BITS") == "32"
REGISTRY_VIEW = ["/reg:32"] if WOW64 else []

SHARING_MANAGER_KEY = r"HKLM\Software\Classes\CLSID\{5C63C1AD-3956-4FF8-8486-40034758315B}"
TASK_SCHEDULER_KEY = r"HKLM\Software\Classes\CLSID\{0F87369F-A4E5-4CFC-BD3E-73E6154572DD}"
TASK_NAMESPACE = {"t": "http://schemas.microsoft.com/windows/2004/02/mit/task"}
SETTINGS_KEY = r"HKCU\Software\zenTura"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"

# A wired Internet connection and the hosted-network adapter, as the fake COM world plays them.
SCRIPTED_PAIR = (
    "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek PCIe GBE|2|3|0|off|0\n"
    "connection|{22222222-0000-0000-0000-000000000001}|Hosted|Microsoft Virtual WiFi Miniport "
    "Adapter|0|2|0|off|0\n")
INTERNET_SIDE = "{11111111-0000-0000-0000-000000000001}"
HOSTED_SIDE = "{22222222-0000-0000-0000-000000000001}"

# Places on the window, in client coordinates.
START_BUTTON = (174, 163)
STOP_BUTTON = (174, 192)
SETTINGS_BUTTON = (285, 359)
QR_BADGE = (175, 377)
QR_PANEL = (174, 100)
NAME_BOX = (174, 77)
PASSWORD_BOX = (174, 109)
AUTOSTART_BOX = (174, 148)
# Rectangles (left, top, width, height).
QR_IMAGE = (76, 130, 195, 166)
RUNNING_NAME = (79, 46, 193, 35)
RUNNING_PASSWORD = (75, 322, 199, 23)
CLIENT_SIZE = (348, 413)


def load_session():
    """The Wine prefix and display of this test run, as the harness's session file has them."""
    if not os.path.isfile(SESSION_FILE):
        raise RuntimeError(f"no Wine session file {SESSION_FILE!r}; run through ctest")
    for line in open(SESSION_FILE, encoding="utf-8"):
        match = re.match(r"(?:export )?(\w+)='(.*)'$", line.strip())
        if match:
            os.environ[match.group(1)] = match.group(2)
    os.environ["LC_ALL"] = "zh_CN.UTF-8"


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, timeout=120, **kwargs)


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def wait_until(condition, seconds=20.0, step=0.1):
    """The condition's first true value, or None once the time is up."""
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            return None
        time.sleep(step)


# --- registry, through Wine's own reg.exe

def reg_query(key, name):
    """The value's data as text, or None when the value or key is missing."""
    result = run(["wine", "reg", "query", key, "/v", name, *REGISTRY_VIEW])
    if result.returncode != 0:
        return None
    text = result.stdout.decode("gbk", "replace")
    for line in text.splitlines():
        parts = re.split(r"\s{2,}|\t", line.strip(), maxsplit=2)
        if len(parts) == 3 and parts[0].lower() == name.lower():
            return parts[2]
        if len(parts) == 2 and parts[0].lower() == name.lower():
            return ""
    return None


def reg_delete_key(key):
    run(["wine", "reg", "delete", key, "/f", *REGISTRY_VIEW])


def reg_delete_value(key, name):
    run(["wine", "reg", "delete", key, "/v", name, "/f", *REGISTRY_VIEW])


def reg_set(key, name, data, kind="REG_SZ"):
    result = run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f",
                  *REGISTRY_VIEW])
    assert result.returncode == 0, result.stderr


def reg_set_long_string(key, name, data):
    """Stores a REG_SZ too long for a command line, through a .reg file."""
    hive, path = key.split("\\", 1)
    hive = {"HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE"}[hive]
    text = (f"Windows Registry Editor Version 5.00\r\n\r\n[{hive}\\{path}]\r\n"
            f'"{name}"="{data}"\r\n')
    with tempfile.NamedTemporaryFile("wb", suffix=".reg", delete=False) as out:
        out.write(b"\xff\xfe" + text.encode("utf-16-le"))
    try:
        result = run(["wine", "reg", "import", windows_path(out.name), *REGISTRY_VIEW])
        assert result.returncode == 0, result.stderr
    finally:
        os.unlink(out.name)


# --- the screen

class Screenshot:
    """The whole screen as RGB pixels."""

    def __init__(self, path=None):
        data = run(["import", "-window", "root", "-depth", "8", "ppm:-"]).stdout
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self.pixels = data[match.end():]
        if path:
            run(["convert", "ppm:-", path], input=data)
        self.ppm = data

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.pixels[at:at + 3])

    def crop_png(self, path, left, top, width, height):
        run(["convert", "ppm:-", "-crop", f"{width}x{height}+{left}+{top}", "+repage", path],
            input=self.ppm)


def artifact_path(name):
    """Where a screenshot worth keeping after the run goes (the build folder's e2e-artifacts)."""
    folder = os.path.join(os.environ.get("PELANTO_BUILD_DIR", tempfile.gettempdir()),
                          "e2e-artifacts")
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, name)


def decode_qr(png_path):
    """The payload bytes of the one QR code zbarimg finds in the picture, or None."""
    result = run(["zbarimg", "--quiet", "--raw", "-Sbinary", png_path])
    if result.returncode != 0:
        return None
    return result.stdout[:-1] if result.stdout.endswith(b"\n") else result.stdout


def xdotool(*args):
    return run(["xdotool", *args]).stdout.decode().strip()


def visible_windows(name_pattern):
    """The shown X windows whose title matches the pattern (matched here: xdotool's own
    matching misses titles in Chinese)."""
    found = []
    for window in xdotool("search", "--onlyvisible", "--name", ".*").split():
        if re.search(name_pattern, xdotool("getwindowname", window)):
            found.append(window)
    return found


def window_size(window):
    geometry = dict(line.split("=") for line in
                    xdotool("getwindowgeometry", "--shell", window).splitlines() if "=" in line)
    return int(geometry.get("WIDTH", 0)), int(geometry.get("HEIGHT", 0))


def press_keys(*keys):
    xdotool("key", "--delay", "40", *keys)


def type_text(text):
    xdotool("type", "--delay", "60", text)


def answer_message_box(caption, key, exclude=(), keep_as=None):
    """Waits for a message box with the caption (not one of the `exclude` windows) and answers
    it with a key; True when found. `keep_as` names an artifact for a screenshot of the box."""
    boxes = wait_until(lambda: [w for w in visible_windows("^" + re.escape(caption) + "$")
                                if w not in exclude], 15)
    if not boxes:
        return False
    time.sleep(0.5)
    if keep_as:
        geometry = dict(line.split("=") for line in
                        xdotool("getwindowgeometry", "--shell", boxes[0]).splitlines())
        Screenshot().crop_png(artifact_path(keep_as), int(geometry["X"]), int(geometry["Y"]),
                              int(geometry["WIDTH"]), int(geometry["HEIGHT"]))
    # A box without an owner window does not always get the keyboard by itself.
    xdotool("windowfocus", "--sync", boxes[0])
    press_keys(key)
    return True


# --- the program and its fake surroundings

def system_folder():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows",
                        "syswow64" if WOW64 else "system32")


class Program:
    """One Pelanto.exe in a folder of its own, with the fake netsh and NetShell.dll in the
    system folder and the fake home-networking world and Task Scheduler registered for it."""

    def __init__(self, world=SCRIPTED_PAIR, arguments=()):
        self.folder = tempfile.mkdtemp(prefix="pelanto-e2e-")
        for source in (os.path.join(BUILD_DIR, "Pelanto.exe"),):
            shutil.copy(source, self.folder)
        shutil.copy(os.path.join(NETSHELL_DIR, "NetShell.dll"), system_folder())
        self.tasks_dir = os.path.join(self.folder, "tasks")
        os.mkdir(self.tasks_dir)
        reg_set(TASK_SCHEDULER_KEY + r"\InprocServer32", "", windows_path(TASKS_DLL))
        reg_set(TASK_SCHEDULER_KEY + r"\InprocServer32", "ThreadingModel", "Both")
        self.netsh_dir = os.path.join(self.folder, "netsh")
        os.mkdir(self.netsh_dir)
        self.netcon_dir = os.path.join(self.folder, "netcon")
        os.mkdir(self.netcon_dir)
        with open(os.path.join(self.netcon_dir, "script.txt"), "w", encoding="utf-8") as script:
            script.write(world)
        reg_set(SHARING_MANAGER_KEY + r"\InprocServer32", "", windows_path(NETCON_DLL))
        reg_set(SHARING_MANAGER_KEY + r"\InprocServer32", "ThreadingModel", "Apartment")
        self.arguments = list(arguments)
        # What the fake WLAN API reports (PELANTO_FAKE_WLAN); None: no usable API.
        self.wlan = None
        self.process = None
        self.window = None

    def rewrite_world(self, world):
        """Gives the running fake world new connection states: the fake follows its script
        file. The new text is renamed over the old, so the fake never reads half a file."""
        script = os.path.join(self.netcon_dir, "script.txt")
        with open(script + ".new", "w", encoding="utf-8") as new:
            new.write(world)
        os.replace(script + ".new", script)

    def environment(self):
        env = dict(os.environ)
        env["PELANTO_NETSH_DIR"] = windows_path(self.netsh_dir)
        env["PELANTO_FAKE_NETCON_SCRIPT"] = windows_path(os.path.join(self.netcon_dir, "script.txt"))
        env["PELANTO_FAKE_NETCON_LOG"] = windows_path(os.path.join(self.netcon_dir, "log.txt"))
        env["PELANTO_FAKE_TASKS_DIR"] = windows_path(self.tasks_dir)
        env.pop("PELANTO_FAKE_WLAN", None)
        if self.wlan:
            env["PELANTO_FAKE_WLAN"] = self.wlan
        return env

    def start(self, expect_window=True, extra_environment=None, stderr=subprocess.DEVNULL):
        env = self.environment()
        env.update(extra_environment or {})
        self.process = subprocess.Popen(
            ["wine", os.path.join(self.folder, "Pelanto.exe"), *self.arguments],
            cwd=self.folder, env=env, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=stderr)
        if expect_window:
            self.wait_for_window(40)
        return self

    def wait_for_window(self, seconds):
        """Waits for the main window and for the end of the creation handler's commands (the
        window is up, holding input, while they run)."""
        self.window = self.wait_for_window_shown(seconds)
        assert self.window, "the window did not appear"
        quiet = 0
        end = time.monotonic() + seconds
        while quiet < 5 and time.monotonic() < end:
            before = self.netsh_log()
            time.sleep(0.1)
            quiet = quiet + 1 if not self.command_running() and self.netsh_log() == before else 0
        time.sleep(1.0)  # the creation handler's first frame
        return self

    def wait_for_window_shown(self, seconds):
        """The main window (a message box may share its title) once it is on the screen."""
        def main_window():
            return next((w for w in visible_windows("^Pelanto$") if window_size(w) == CLIENT_SIZE),
                        None)
        return wait_until(main_window, seconds)

    def command_running(self):
        """Whether a netsh runs now (one test runs at a time)."""
        return run(["pgrep", "-f", "^netsh wlan "]).returncode == 0

    def origin(self):
        geometry = dict(line.split("=") for line in
                        xdotool("getwindowgeometry", "--shell", self.window).splitlines())
        return int(geometry["X"]), int(geometry["Y"])

    def click(self, point, button="1"):
        x, y = self.origin()
        xdotool("mousemove", "--sync", str(x + point[0]), str(y + point[1]))
        time.sleep(0.2)
        xdotool("click", button)

    def hover(self, point):
        x, y = self.origin()
        xdotool("mousemove", "--sync", str(x + point[0]), str(y + point[1]))

    def move_mouse_away(self):
        xdotool("mousemove", "--sync", "5", "1000")

    def netsh_says(self, command, wording):
        """Has the fake netsh print one of its real messages (see fake_netsh.cpp) for a command."""
        with open(os.path.join(self.netsh_dir, f"{command}.wording"), "w") as out:
            out.write(wording)

    def plant_netsh(self):
        """Puts a netsh.exe beside the program, as one planted in a Downloads folder would be
        (the fake itself, so that a run of it would show in the log)."""
        shutil.copy(os.path.join(WINTEST_DIR, "netsh.exe"), self.folder)

    def netsh_programs(self):
        """The full path of the netsh that ran, one per command."""
        path = os.path.join(self.netsh_dir, "programs.txt")
        return open(path, encoding="utf-8", errors="replace").read().splitlines() \
            if os.path.exists(path) else []

    def netsh_log(self):
        path = os.path.join(self.netsh_dir, "log.txt")
        return open(path, "rb").read().decode("gbk", "replace") if os.path.exists(path) else ""

    def netcon_log(self):
        path = os.path.join(self.netcon_dir, "log.txt")
        return open(path, encoding="utf-8", errors="replace").read() if os.path.exists(path) else ""

    def wait_netcon(self, text, seconds=20):
        return wait_until(lambda: text in self.netcon_log(), seconds)

    def wait_netsh(self, text, seconds=20):
        return wait_until(lambda: text in self.netsh_log(), seconds)

    def task_definition(self, name="Pelanto"):
        """The parsed XML the fake Task Scheduler holds for the task, or None."""
        path = os.path.join(self.tasks_dir, name + ".xml")
        return ElementTree.parse(path).getroot() if os.path.exists(path) else None

    def run_taskkill(self):
        """Sends the window WM_CLOSE (taskkill without /f), as the tray's quit does."""
        return run(["wine", "taskkill", "/im", "Pelanto.exe"]).returncode

    def close(self):
        """Sends the window WM_CLOSE and waits for the program's end."""
        if self.process and self.process.poll() is None:
            self.run_taskkill()
            try:
                self.process.wait(30)
            except subprocess.TimeoutExpired:
                self.process.kill()
        return self.process.returncode if self.process else None

    def kill(self):
        """Ends this copy at once: the Windows process runs under its own path in our folder."""
        run(["pkill", "-KILL", "-f", os.path.join(self.folder, "Pelanto.exe")])
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def remove(self):
        self.kill()
        reg_delete_key(SHARING_MANAGER_KEY)
        # The fake Task Scheduler stays registered: nothing here wants the prefix's own.
        try:
            os.unlink(os.path.join(system_folder(), "NetShell.dll"))
        except OSError:
            pass
        shutil.rmtree(self.folder, ignore_errors=True)


def fresh_account():
    """The current user as on first run: no settings and no logon value."""
    reg_delete_key(SETTINGS_KEY)
    reg_delete_value(RUN_KEY, "zenTura")


def unique_name():
    return "e2e" + uuid.uuid4().hex[:6]


# --- the notification area

def tray_icon_point():
    """Screen point of the first icon in Wine's notification-area window."""
    window = wait_until(lambda: (visible_windows("Wine System Tray") or [None])[0], 10)
    assert window, "no notification area window"
    geometry = dict(line.split("=") for line in
                    xdotool("getwindowgeometry", "--shell", window).splitlines())
    return int(geometry["X"]) + 10, int(geometry["Y"]) + 10


def click_tray_icon(button="1"):
    x, y = tray_icon_point()
    xdotool("mousemove", "--sync", str(x), str(y))
    time.sleep(0.2)
    xdotool("click", button)
    return x, y


def dark_pixels(screenshot, left, top, width, height, limit=90):
    return sum(1 for dx in range(width) for dy in range(height)
               if max(screenshot.pixel(left + dx, top + dy)) < limit)


# --- the program's resource use, from Linux's view of its process

def process_cpu_seconds(folder):
    """User plus system CPU seconds of the copy running from `folder`."""
    pids = run(["pgrep", "-f", os.path.join(folder, "Pelanto.exe")]).stdout.split()
    total = 0
    for pid in pids:
        try:
            fields = open(f"/proc/{int(pid)}/stat").read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])
    return total / os.sysconf("SC_CLK_TCK")


def process_memory_mb(folder):
    """Resident memory, in MB, of the copy running from `folder` (0 when it does not run)."""
    total_kb = 0
    for pid in run(["pgrep", "-f", os.path.join(folder, "Pelanto.exe")]).stdout.split():
        try:
            status = open(f"/proc/{int(pid)}/status").read()
        except OSError:
            continue
        match = re.search(r"^VmRSS:\s+(\d+) kB", status, re.M)
        total_kb += int(match.group(1)) if match else 0
    return total_kb / 1024


def shown_message_boxes():
    """The shown message boxes, each as its caption and the texts of its message and buttons."""
    listing = run(["wine", os.path.join(WINTEST_DIR, "window_text.exe")]).stdout
    boxes = []
    for box in listing.decode("utf-8", "replace").split("\x1e"):
        texts = box.split("\x1f")
        if len(texts) > 2:
            boxes.append((texts[0], [texts[1]] + [text for text in texts[2:] if text]))
    return boxes


def message_box_texts(caption):
    """The texts of the shown message box with that caption (its message, then its buttons),
    or None when no such box is shown."""
    return next((texts for box_caption, texts in shown_message_boxes() if box_caption == caption),
                None)


def message_box_text(caption):
    """The texts of the shown message box with that caption, one a line, or None."""
    texts = message_box_texts(caption)
    return None if texts is None else "\n".join(texts)


def message_text(caption):
    """The message of the shown message box with the caption, or None."""
    texts = message_box_texts(caption)
    return texts[0] if texts else None


def first_message_box():
    """Caption and message of the first shown message box, or None."""
    boxes = shown_message_boxes()
    return (boxes[0][0], boxes[0][1][0]) if boxes else None


def post_window_message(message, wparam=0):
    return run(["wine", os.path.join(WINTEST_DIR, "post_message.exe"), str(message),
                str(wparam)]).returncode
