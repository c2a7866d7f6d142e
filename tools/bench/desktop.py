#!/usr/bin/env python3
"""Start-up, memory and idle cost of the real program on a private desktop.

Starts Lumo under a private Xvfb with openbox and a fresh home, N times per
configuration, and prints medians of:
  - the time from the start to its first window (the bird's greeting) and to
    the main window,
  - RSS and peak RSS once the first game has been dealt,
  - over an idle span: CPU % of one core for the program and for the X server,
    and context switches per second summed over all of the program's threads.

Configurations: animation and music off ("quiet"), animation on ("animation"),
music on ("music"), and "help": quiet with the help open (F1), its credits
roll stepping every 35 ms through the idle span. Every run has a private PulseAudio server with a null sink
(as a desktop has a sound server), unless --no-sound is given. A reference
program (xclock, when installed) is measured the same way for comparison.

It measures and asserts nothing. Needs Xvfb, openbox, xdotool and x11-utils
(all installed by the test command), pulseaudio for the sound server.

  tools/bench/desktop.py [--binary build/release/Lumo] [--runs 3] [--idle 30]
                         [--settle 8] [--configs quiet,animation,music,help]
                         [--no-sound] [--no-reference]
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

CONFIGS = {
    # name: (OptSound, OptAni, OptMidi)
    "quiet": (1, 0, 0),
    "animation": (1, 1, 0),
    "music": (1, 0, 1),
    "help": (1, 0, 0),
}
# Configurations measured with the help's about box open.
WITH_HELP = {"help"}


def cpu_ticks(pid):
    """utime + stime of a process, in clock ticks."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def context_switches(pid):
    """Voluntary + involuntary context switches of every thread, by thread id."""
    counts = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/status") as f:
                counts[tid] = sum(int(line.split()[1]) for line in f
                                  if line.startswith(("voluntary_ctxt_switches",
                                                      "nonvoluntary_ctxt_switches")))
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return counts


def switches_between(before, after):
    """Switches made between two readings: the growth of threads seen at both,
    and all of a thread that started meanwhile. A thread that ended meanwhile
    is not counted (its last count is gone with it); the caller reports it."""
    grown = sum(count - before.get(tid, 0) for tid, count in after.items())
    ended = len(set(before) - set(after))
    started = len(set(after) - set(before))
    return grown, started, ended


def memory_kib(pid):
    values = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                values[key] = int(rest.split()[0])
    return values.get("VmRSS", 0), values.get("VmHWM", 0)


def run_quiet(cmd, env, timeout=5):
    try:
        return subprocess.run(cmd, env=env, capture_output=True, text=True, timeout=timeout).stdout
    except subprocess.TimeoutExpired:
        return ""


def windows_of(pid, env):
    """Visible windows of the process as (id, width, height)."""
    out = run_quiet(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], env)
    result = []
    for wid in out.split():
        geo = run_quiet(["xdotool", "getwindowgeometry", wid], env)
        for line in geo.splitlines():
            if "Geometry:" in line:
                w, h = line.split()[-1].split("x")
                result.append((wid, int(w), int(h)))
    return result


class Desktop:
    """A private Xvfb with openbox, a fresh home and (optionally) a private sound server."""

    def __init__(self, sound):
        self.tmp = tempfile.mkdtemp(prefix="lumo-bench.")
        self.procs = []
        self.env = dict(os.environ)
        for key in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "CI"):
            self.env.pop(key, None)
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "runtime")
        for d in (home, os.path.join(self.tmp, "config"), os.path.join(self.tmp, "data"),
                  os.path.join(self.tmp, "cache")):
            os.makedirs(d)
        os.makedirs(runtime, mode=0o700)
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(self.tmp, "config"),
                        XDG_DATA_HOME=os.path.join(self.tmp, "data"),
                        XDG_CACHE_HOME=os.path.join(self.tmp, "cache"), XDG_RUNTIME_DIR=runtime)
        self._start_x()
        self.sound = sound and self._start_pulse(runtime)
        if not self.sound:
            self.env["PULSE_SERVER"] = "unix:/nonexistent/lumo-bench-no-sound"

    def _start_x(self):
        rfd, wfd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"], pass_fds=(wfd,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(wfd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(rfd, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(rfd)
        self.xvfb = xvfb
        self.procs.append(xvfb)
        self.env["DISPLAY"] = ":" + number.decode().strip()
        wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        self.procs.append(wm)
        for _ in range(100):
            if "openbox" in run_quiet(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.env) or \
               run_quiet(["xprop", "-root", "_NET_WM_NAME"], self.env):
                break
            time.sleep(0.05)
        time.sleep(0.5)

    def _start_pulse(self, runtime):
        if not shutil.which("pulseaudio"):
            return False
        self.env.update(PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"),
                        PULSE_SERVER="unix:" + os.path.join(runtime, "pulse", "native"))
        self.env.pop("PULSE_SINK", None)
        ok = subprocess.run(["pulseaudio", "-D", "--exit-idle-time=-1", "--system=false", "-n",
                             "--load=module-null-sink sink_name=bench rate=44100",
                             "--load=module-native-protocol-unix",
                             "--log-target=file:" + os.path.join(runtime, "pulse.log")],
                            env=self.env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL).returncode == 0
        if not ok:
            return False
        for _ in range(50):
            if subprocess.run(["pactl", "info"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0:
                return True
            time.sleep(0.1)
        return False

    def write_settings(self, sound, animation, music):
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], "vemu")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "LUMO.conf"), "w") as f:
            f.write(f"[General]\nOptSound={sound}\nOptAni={animation}\nOptMidi={music}\n")

    def close(self):
        if self.sound:
            subprocess.run(["pulseaudio", "--kill"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        for p in reversed(self.procs):
            p.terminate()
        for p in self.procs:
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)


def open_help(main_window, pid, env):
    """F1 on the active main window; returns once the about box is shown."""
    run_quiet(["xdotool", "windowactivate", "--sync", main_window], env)
    run_quiet(["xdotool", "key", "F1"], env)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        for wid, _, _ in windows_of(pid, env):
            if run_quiet(["xdotool", "getwindowname", wid], env).startswith("Informationen zu"):
                return
        time.sleep(0.05)
    raise RuntimeError("F1 opened no about box within 10 s")


def idle_cost(pid, xpid, span):
    t0, c0, x0 = cpu_ticks(pid), context_switches(pid), cpu_ticks(xpid)
    start = time.monotonic()
    time.sleep(span)
    elapsed = time.monotonic() - start
    t1, c1, x1 = cpu_ticks(pid), context_switches(pid), cpu_ticks(xpid)
    grown, started, ended = switches_between(c0, c1)
    return {
        "cpu": 100.0 * (t1 - t0) / CLK_TCK / elapsed,
        "xcpu": 100.0 * (x1 - x0) / CLK_TCK / elapsed,
        "wakeups": grown / elapsed,
        "threads": f"{len(c1)} threads" + (f", {started} started" if started else "")
                   + (f", {ended} ended (their switches not counted)" if ended else ""),
    }


def title_scrolls(env, pid):
    """Whether the task-bar title changes: the marquee runs only once the
    main window has been activated."""
    for wid, w, h in windows_of(pid, env):
        if (w, h) == (792, 541):
            first = run_quiet(["xprop", "-id", wid, "_NET_WM_NAME"], env)
            time.sleep(0.6)
            return first != run_quiet(["xprop", "-id", wid, "_NET_WM_NAME"], env)
    return False


def measure_lumo(binary, config, args):
    desk = Desktop(sound=not args.no_sound)
    try:
        desk.write_settings(*CONFIGS[config])
        # Where the program keeps its scores: a copy of its own in the home,
        # so nothing lands beside the build's binary.
        prog = os.path.join(desk.tmp, "bin", "Lumo")
        os.makedirs(os.path.dirname(prog))
        shutil.copy2(binary, prog)
        start = time.monotonic()
        proc = subprocess.Popen([prog], env=desk.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        desk.procs.append(proc)
        first = main = None
        deadline = start + 60
        while time.monotonic() < deadline and main is None:
            if proc.poll() is not None:
                raise RuntimeError(f"Lumo ended with status {proc.returncode}")
            wins = windows_of(proc.pid, desk.env)
            now = time.monotonic()
            if wins and first is None:
                first = now - start
            for wid, w, h in wins:
                if w == 792 and h == 541:
                    main, main_window = now - start, wid
            time.sleep(0.01)
        if main is None:
            raise RuntimeError("no main window within 60 s")
        time.sleep(args.settle)
        rss, hwm = memory_kib(proc.pid)
        if config in WITH_HELP:
            open_help(main_window, proc.pid, desk.env)
            time.sleep(1)
        result = {"first": first * 1000, "main": main * 1000, "rss": rss / 1024, "hwm": hwm / 1024,
                  "sound": desk.sound, "scrolls": title_scrolls(desk.env, proc.pid)}
        result.update(idle_cost(proc.pid, desk.xvfb.pid, args.idle))
        return result
    finally:
        desk.close()


def measure_reference(args):
    desk = Desktop(sound=False)
    try:
        proc = subprocess.Popen(["xclock"], env=desk.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        desk.procs.append(proc)
        time.sleep(args.settle)
        rss, hwm = memory_kib(proc.pid)
        result = {"first": float("nan"), "main": float("nan"), "rss": rss / 1024, "hwm": hwm / 1024}
        result.update(idle_cost(proc.pid, desk.xvfb.pid, args.idle))
        return result
    finally:
        desk.close()


def median(runs, key):
    values = [r[key] for r in runs if r[key] == r[key]]
    return statistics.median(values) if values else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build", "release", "Lumo"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--idle", type=float, default=30.0)
    parser.add_argument("--settle", type=float, default=8.0)
    parser.add_argument("--configs", default="quiet,animation,music")
    parser.add_argument("--no-sound", action="store_true")
    parser.add_argument("--no-reference", action="store_true")
    args = parser.parse_args()

    for tool in ("Xvfb", "openbox", "xdotool", "xprop"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is not installed (the test command installs it)")
    if not os.access(args.binary, os.X_OK):
        sys.exit(f"no program at {args.binary}; build it first")

    rows = []
    for config in args.configs.split(","):
        if config not in CONFIGS:
            sys.exit(f"unknown configuration {config}; known: {', '.join(CONFIGS)}")
        runs = []
        for i in range(args.runs):
            r = measure_lumo(args.binary, config, args)
            print(f"  {config} run {i + 1}: first {r['first']:.0f} ms, main {r['main']:.0f} ms, "
                  f"RSS {r['rss']:.1f} MiB, CPU {r['cpu']:.2f} %, X {r['xcpu']:.2f} %, "
                  f"{r['wakeups']:.1f} switches/s, {r['threads']}"
                  + ("" if r["scrolls"] else ", title NOT scrolling")
                  + ("" if r["sound"] else " (no sound server)"),
                  file=sys.stderr, flush=True)
            runs.append(r)
        rows.append((f"Lumo {config}", runs))
    if not args.no_reference and shutil.which("xclock"):
        rows.append(("xclock (reference)", [measure_reference(args) for _ in range(args.runs)]))

    print(f"medians of {args.runs} runs, idle span {args.idle:.0f} s after {args.settle:.0f} s settle")
    header = f"{'program':22} {'first ms':>9} {'main ms':>8} {'RSS MiB':>8} {'peak MiB':>9} " \
             f"{'CPU %':>7} {'X CPU %':>8} {'switches/s':>11}"
    print(header)
    print("-" * len(header))
    for name, runs in rows:
        print(f"{name:22} {median(runs, 'first'):9.0f} {median(runs, 'main'):8.0f} "
              f"{median(runs, 'rss'):8.1f} {median(runs, 'hwm'):9.1f} {median(runs, 'cpu'):7.2f} "
              f"{median(runs, 'xcpu'):8.2f} {median(runs, 'wakeups'):11.1f}")


if __name__ == "__main__":
    signal.signal(signal.SIGINT, lambda *_: sys.exit(130))
    main()
