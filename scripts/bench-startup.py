#!/usr/bin/env python3
"""Start-up time and memory of Pelanto.exe under Wine, against a bare layered window.

For each program: one untimed warm-up launch, then N timed launches in a Wine session of its own.
Start-up is the time from launch until the window is mapped and a pixel read back from the X
screen shows the window's fill colour; memory is read from Linux's view of the program's process
once it has run a few seconds after its first frame. Each run also starts Pelanto's hotspot and
measures the share of one core its process takes while the running screen's spinner turns.

    scripts/bench-startup.py [--build-dir build/win64] [--runs 5] [--settle 3] [--strip-debug]
                             [--spinner-only]
"""

import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import types

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The client point whose colour tells that a frame is on the screen.
PROBE_POINT = (30, 290)
PELANTO_FILL = (243, 89, 71)  # the home screen
MINIMAL_FILL = (58, 124, 197)  # tests/bench/win/minimal_layered.cpp
TOLERANCE = 24
STRIP = "x86_64-w64-mingw32-strip"


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default=os.path.join(ROOT, "build", "win64"),
                        help="a built win64 tree (default build/win64)")
    parser.add_argument("--runs", type=int, default=5, help="timed launches per program")
    parser.add_argument("--settle", type=float, default=3.0,
                        help="seconds after the first frame before memory is read")
    parser.add_argument("--strip-debug", action="store_true",
                        help="strip debug information from the copies launched (Wine loads a "
                             "MinGW image's debug sections into the process's private memory)")
    parser.add_argument("--spinner-only", action="store_true",
                        help="measure only the spinner's CPU share, once per run")
    return parser.parse_args()


def point_harness_at(build_dir, session_file):
    """The harness takes its places from the environment when it is imported."""
    os.environ["PELANTO_WINE_SESSION"] = session_file
    os.environ["PELANTO_BUILD_DIR"] = build_dir
    os.environ["PELANTO_POINTER_BITS"] = "64"
    os.environ["PELANTO_WINTEST_DIR"] = os.path.join(build_dir, "wintest")
    netcon = os.path.join(build_dir, "tests", "fakes", "netcon")
    os.environ["PELANTO_NETSHELL_DIR"] = netcon
    os.environ["PELANTO_NETCON_DLL"] = os.path.join(netcon, "FakeNetcon.dll")
    os.environ["PELANTO_TASKS_DLL"] = os.path.join(build_dir, "tests", "fakes", "task_scheduler",
                                                   "FakeTaskScheduler.dll")
    sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))


class ScreenProbe:
    """Reads single pixels of the X screen through Xlib: a full screenshot would take longer
    than the moments being measured."""

    def __init__(self):
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.c_void_p
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XGetPixel.restype = ctypes.c_ulong
        x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x11 = x11
        self.display = x11.XOpenDisplay(os.environ["DISPLAY"].encode())
        if not self.display:
            raise RuntimeError("cannot open display " + os.environ["DISPLAY"])
        self.root = x11.XDefaultRootWindow(self.display)

    def pixel(self, x, y):
        all_planes, z_pixmap = 0xFFFFFFFF, 2
        image = self.x11.XGetImage(self.display, self.root, x, y, 1, 1, all_planes, z_pixmap)
        if not image:
            return None
        value = self.x11.XGetPixel(image, 0, 0)
        self.x11.XDestroyImage(image)
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF

    def close(self):
        self.x11.XCloseDisplay(self.display)


def close_to(colour, expected):
    return colour is not None and all(abs(a - b) <= TOLERANCE for a, b in zip(colour, expected))


def private_by_mapping(exe_path, top=12):
    """The private kilobytes of the first process running `exe_path`, by mapping (file name, or
    [anon] and [heap]), largest first."""
    pids = subprocess.run(["pgrep", "-f", exe_path], capture_output=True).stdout.split()
    totals = {}
    name = None
    try:
        lines = open(f"/proc/{int(pids[0])}/smaps").read().splitlines() if pids else []
    except OSError:
        lines = []
    for line in lines:
        parts = line.split()
        if parts and "-" in parts[0] and not parts[0].endswith(":"):
            name = os.path.basename(parts[5]) if len(parts) > 5 else "[anon]"
        elif parts and parts[0] in ("Private_Clean:", "Private_Dirty:"):
            totals[name] = totals.get(name, 0) + int(parts[1])
    return sorted(totals.items(), key=lambda item: -item[1])[:top]


def memory_of(exe_path):
    """Resident and private kilobytes summed over the Linux processes running `exe_path`, and
    how many there were."""
    rss = private = count = 0
    for pid in subprocess.run(["pgrep", "-f", exe_path], capture_output=True).stdout.split():
        pid = int(pid)
        try:
            status = open(f"/proc/{pid}/status").read().splitlines()
            rollup = open(f"/proc/{pid}/smaps_rollup").read().splitlines()
        except OSError:
            continue
        fields = {}
        for line in status + rollup:
            parts = line.split()
            if len(parts) >= 2 and parts[0].endswith(":") and parts[1].isdigit():
                fields[parts[0][:-1]] = int(parts[1])
        rss += fields.get("VmRSS", 0)
        private += fields.get("Private_Clean", 0) + fields.get("Private_Dirty", 0)
        count += 1
    return rss, private, count


class Launch:
    """One program as the benchmark drives it: started, waited for, closed."""

    def __init__(self, name, caption, fill, exe_name):
        self.name, self.caption, self.fill, self.exe_name = name, caption, fill, exe_name

    def creation_ended(self):
        """Whether the program's preparation after its first frame is over."""
        return True

    # Subclasses: prepare() puts the executable in a folder of its own (so that its process can
    # be found) and returns its path; start() launches it; stop() closes it and tidies up.


class PelantoLaunch(Launch):
    def __init__(self, harness):
        super().__init__("Pelanto", "Pelanto", PELANTO_FILL, "Pelanto.exe")
        self.harness = harness
        self.program = None

    def prepare(self):
        self.harness.fresh_account()
        self.program = self.harness.Program()
        return os.path.join(self.program.folder, self.exe_name)

    def start(self):
        self.program.start(expect_window=False)

    def creation_ended(self):
        # Creation's last command is the hosted network's start; no netsh runs once it is over.
        return "start hostednetwork" in self.program.netsh_log() and \
            not self.program.command_running()

    def stop(self):
        code = self.program.close()
        self.program.remove()
        return code


class MinimalLaunch(Launch):
    def __init__(self, harness):
        super().__init__("minimal", "Minimal", MINIMAL_FILL, "minimal_layered.exe")
        self.harness = harness
        self.folder = self.process = None

    def prepare(self):
        self.folder = tempfile.mkdtemp(prefix="pelanto-bench-")
        shutil.copy(os.path.join(self.harness.WINTEST_DIR, self.exe_name), self.folder)
        return os.path.join(self.folder, self.exe_name)

    def start(self):
        self.process = subprocess.Popen(
            ["wine", os.path.join(self.folder, self.exe_name)], cwd=self.folder,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        self.harness.run(["wine", "taskkill", "/im", self.exe_name])
        try:
            self.process.wait(30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)
        return self.process.returncode


def mapped_window(harness, caption):
    found = harness.xdotool("search", "--onlyvisible", "--name", f"^{caption}$").split()
    return found[0] if found else None


def window_origin(harness, window):
    # The harness's Program.origin needs nothing of a Program but its window.
    return harness.Program.origin(types.SimpleNamespace(window=window))


def measure(harness, probe, launch, settle, origin=None, strip=False):
    """Milliseconds to the mapped window and to its fill colour on the screen, memory, and the
    window's origin.

    Without `origin` (the warm-up), the window is found first and its place asked for, which
    takes as long as the moments measured. With it, the probe watches the window's place from
    the launch on (every 2 ms), while a second thread notes when xdotool sees the window mapped
    (every ~40 ms, so it may note it after the first frame); the place is checked afterwards.
    The fill colour can only reach the screen through a mapped window, so the first frame's time
    is the start-up time."""
    exe_path = launch.prepare()
    if strip:
        harness.run([STRIP, "--strip-debug", exe_path])
    assert not mapped_window(harness, launch.caption), f"a {launch.caption} window is still shown"
    mapped = {}

    def watch_mapping():
        # xdotool takes ~20 ms a call: a slower poll keeps it off the program's processor time.
        mapped["window"] = harness.wait_until(
            lambda: mapped_window(harness, launch.caption), 60, 0.02)
        mapped["ms"] = (time.monotonic() - began) * 1000

    if origin:
        before = probe.pixel(origin[0] + PROBE_POINT[0], origin[1] + PROBE_POINT[1])
        assert not close_to(before, launch.fill), f"the screen shows {launch.name}'s colour already"
    began = time.monotonic()
    launch.start()
    watcher = threading.Thread(target=watch_mapping)
    watcher.start()
    if origin is None:
        watcher.join()
        if mapped["window"]:
            origin = window_origin(harness, mapped["window"])
    spot = (origin[0] + PROBE_POINT[0], origin[1] + PROBE_POINT[1]) if origin else (0, 0)
    drawn = origin and harness.wait_until(
        lambda: close_to(probe.pixel(*spot), launch.fill), 60, 0.002)
    drawn_ms = (time.monotonic() - began) * 1000
    created = harness.wait_until(launch.creation_ended, 60, 0.01)
    created_ms = (time.monotonic() - began) * 1000
    watcher.join()
    seen = probe.pixel(*spot)
    time.sleep(settle)
    rss, private, processes = memory_of(exe_path)
    breakdown = private_by_mapping(exe_path)
    placed = window_origin(harness, mapped["window"]) if mapped["window"] else None
    code = launch.stop()
    if not mapped["window"]:
        raise RuntimeError(f"{launch.name}: no window within 60 s")
    if placed != origin:
        raise RuntimeError(f"{launch.name}: the window is at {placed}, not at {origin} as before")
    if not drawn:
        raise RuntimeError(f"{launch.name}: the fill colour never showed (saw {seen})")
    if not created:
        raise RuntimeError(f"{launch.name}: creation did not end within 60 s")
    return {"mapped_ms": mapped["ms"], "drawn_ms": drawn_ms, "created_ms": created_ms,
            "rss_kb": rss, "private_kb": private, "breakdown": breakdown,
            "processes": processes, "exit": code, "origin": origin}


def spinner_cpu(harness, seconds=5.0):
    """The share of one core Pelanto's process takes while the running screen's spinner turns:
    the hotspot is started with the start button (autostart on, so no question is asked) and
    the process's user plus system time is sampled over `seconds`, the pointer off the window."""
    harness.fresh_account()
    harness.reg_set(harness.RUN_KEY, "zenTura", "x")
    program = harness.Program()
    try:
        program.start()
        program.move_mouse_away()
        program.click(harness.START_BUTTON)
        if not program.wait_netcon(f"EnableSharing {harness.HOSTED_SIDE} 1"):
            raise RuntimeError("Pelanto: the hotspot did not start")
        program.move_mouse_away()
        time.sleep(1)  # the slide to the running screen ends
        before = harness.process_cpu_seconds(program.folder)
        time.sleep(seconds)
        share = (harness.process_cpu_seconds(program.folder) - before) / seconds
        program.close()
    finally:
        program.remove()
    return share


def median_row(name, runs):
    def median(key):
        return statistics.median(run[key] for run in runs)
    return {"name": name, "mapped_ms": median("mapped_ms"), "drawn_ms": median("drawn_ms"),
            "created_ms": median("created_ms"), "rss_mb": median("rss_kb") / 1024,
            "private_mb": median("private_kb") / 1024}


def print_table(pelanto, minimal, spinner):
    columns = (("mapped_ms", "mapped ms"), ("drawn_ms", "first frame ms"), ("rss_mb", "VmRSS MB"),
               ("private_mb", "private MB"))
    print(f"{'median':<16}" + "".join(f"{title:>16}" for _, title in columns))
    for row in (pelanto, minimal):
        print(f"{row['name']:<16}" + "".join(f"{row[key]:>16.1f}" for key, _ in columns))
    print(f"{'Pelanto/minimal':<16}" +
          "".join(f"{pelanto[key] / minimal[key]:>16.2f}" for key, _ in columns))
    print(f"{'end of creation ms':<32}{pelanto['created_ms']:>16.1f}  (Pelanto, median)")
    print_spinner(spinner)


def print_spinner(shares):
    print(f"{'spinner CPU (core)':<32}{statistics.median(shares):>16.3f}  (Pelanto, median)")


def spinner_benchmark(harness, runs):
    harness.load_session()
    shares = []
    for run in range(runs):
        shares.append(spinner_cpu(harness))
        print(f"run {run + 1} Pelanto  spinner CPU {shares[-1]:.3f} of a core", flush=True)
    print()
    print_spinner(shares)


def benchmark(harness, runs, settle, strip):
    harness.load_session()
    probe = ScreenProbe()
    spinner = []
    try:
        launches = (PelantoLaunch(harness), MinimalLaunch(harness))
        # Warm-up, untimed: the first start in a fresh prefix is slow. It finds the windows' places.
        origins = {launch.name: measure(harness, probe, launch, settle, strip=strip)["origin"]
                   for launch in launches}
        results = {launch.name: [] for launch in launches}
        for run in range(runs):
            for launch in launches:  # interleaved, so a slow spell of the machine hits both
                result = measure(harness, probe, launch, settle, origins[launch.name], strip)
                results[launch.name].append(result)
                print(f"run {run + 1} {launch.name:<8} mapped {result['mapped_ms']:7.0f} ms  "
                      f"frame {result['drawn_ms']:7.0f} ms  "
                      f"created {result['created_ms']:7.0f} ms  "
                      f"VmRSS {result['rss_kb'] / 1024:6.1f} MB  "
                      f"private {result['private_kb'] / 1024:6.1f} MB  "
                      f"({result['processes']} process, exit {result['exit']})", flush=True)
            spinner.append(spinner_cpu(harness))
            print(f"run {run + 1} Pelanto  spinner CPU {spinner[-1]:.3f} of a core", flush=True)
    finally:
        probe.close()
    print()
    print_table(median_row("Pelanto", results["Pelanto"]),
                median_row("minimal", results["minimal"]), spinner)
    for launch in ("Pelanto", "minimal"):
        print(f"\nprivate kB by mapping ({launch}, last run):")
        for name, kb in results[launch][-1]["breakdown"]:
            print(f"{kb:>10}  {name}")


def main():
    arguments = parse_arguments()
    build_dir = os.path.abspath(arguments.build_dir)
    for needed in ("Pelanto.exe", os.path.join("wintest", "minimal_layered.exe"),
                   os.path.join("wintest", "netsh.exe"),
                   os.path.join("tests", "fakes", "wlan", "wlanapi.dll"),
                   os.path.join("tests", "fakes", "task_scheduler", "FakeTaskScheduler.dll")):
        if not os.path.isfile(os.path.join(build_dir, needed)):
            sys.exit(f"{needed} is not built in {build_dir}")
    session_dir = tempfile.mkdtemp(prefix="pelanto-bench-session-")
    session_file = os.path.join(session_dir, "wine-session.env")
    point_harness_at(build_dir, session_file)
    import harness  # pylint: disable=import-outside-toplevel (its places come from the environment)
    wine_session = os.path.join(ROOT, "scripts", "wine-session")
    # The fake netsh and WLAN API, as the end-to-end suite has them: the spinner step starts
    # the hotspot.
    fakes = [os.path.join(build_dir, "wintest", "netsh.exe"),
             os.path.join(build_dir, "tests", "fakes", "wlan", "wlanapi.dll")]
    subprocess.run([wine_session, "start", session_file, *fakes], check=True,
                   stdout=subprocess.DEVNULL)
    try:
        if arguments.spinner_only:
            spinner_benchmark(harness, arguments.runs)
        else:
            benchmark(harness, arguments.runs, arguments.settle, arguments.strip_debug)
    finally:
        # The harness switched this process to the Chinese locale, which bash may lack.
        quiet = {name: value for name, value in os.environ.items() if name != "LC_ALL"}
        subprocess.run([wine_session, "stop", session_file], stdout=subprocess.DEVNULL, env=quiet)
        shutil.rmtree(session_dir, ignore_errors=True)


if __name__ == "__main__":
    main()
