#!/usr/bin/python3
"""Runs every benchmark once on the generated files and prints one table of figures and ratios.

Usage: report.py BUILD_DIR FILES_DIR
BUILD_DIR holds the release build with PICTAVO_BENCH=ON; FILES_DIR is what bench_files wrote.
The start-up comparison needs an X display (run.sh provides one with xvfb-run).
"""
import datetime
import json
import os
import select
import signal
import statistics
import subprocess
import sys
import time

import imagesize
from PIL import Image

REPEATS = 5
STARTUP_RUNS = 15


def median_seconds(run, repeats=REPEATS):
    """The median wall time of repeated runs, after one run that warms the page cache."""
    run()
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def pillow_sizes(files):
    for name in files:
        try:
            with Image.open(name) as image:
                image.size
        except Exception:  # a file Pillow does not know, as the user's loop would skip it
            pass


def imagesize_sizes(files):
    for name in files:
        imagesize.get(name)


def identify_sizes(files):
    subprocess.run(["identify", "-ping", "-format", "%w %h\n", *files],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def google_benchmark(build, folder):
    output = subprocess.run(
        [os.path.join(build, "bench", "inspection_bench"), "--benchmark_format=json",
         f"--benchmark_repetitions={REPEATS}", "--benchmark_report_aggregates_only=true",
         # Repetitions of all benchmarks in random order, so that a busy moment of the machine
         # does not land on one file size alone.
         "--benchmark_enable_random_interleaving=true", folder],
        check=True, capture_output=True, text=True).stdout
    results = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") in ("median", "cv"):
            # Drop the option parts ("min_time:0.050", "real_time") that the library appends.
            name = "/".join(part for part in entry["run_name"].split("/")
                            if ":" not in part and part != "real_time")
            results.setdefault(name, {})[entry["aggregate_name"]] = entry
    return results


def per_second(seconds_per_file):
    return f"{1 / seconds_per_file:,.0f}"


def verdict(met):
    return "met" if met else "MISSED"


def inspection_rows(build, folder):
    mixed = sorted(os.path.join(folder, "mixed", name) for name in os.listdir(os.path.join(folder, "mixed")))
    count = len(mixed)
    bench = google_benchmark(build, folder)
    ours = bench["inspection/pictavo"]["median"]
    ours_s = ours["real_time"] / 1000 / count
    floor_s = bench["inspection/floor_open_read64_close"]["median"]["real_time"] / 1000 / count
    tools = [
        ("Pillow Image.open(f).size", median_seconds(lambda: pillow_sizes(mixed)) / count, 10),
        ("imagesize.get(f)", median_seconds(lambda: imagesize_sizes(mixed)) / count, 2),
        ("identify -ping, one process", median_seconds(lambda: identify_sizes(mixed), 3) / count, 3),
    ]
    lines = [f"1. Inspection of {count} mixed files, warm cache (median of {REPEATS} runs)",
             f"   {'reader':34} {'files/s':>10} {'us/file':>8}  {'ratio':>24}  target",
             f"   {'Pictavo: setFilename..Width':34} {per_second(ours_s):>10} {ours_s * 1e6:8.2f}"]
    ratio = ours_s / floor_s
    lines.append(f"   {'floor: open, read 64 B, close':34} {per_second(floor_s):>10} {floor_s * 1e6:8.2f}  "
                 f"{f'Pictavo takes {ratio:.2f}x':>24}  <= 3.5x  {verdict(ratio <= 3.5)}")
    for name, seconds, target in tools:
        speedup = seconds / ours_s
        lines.append(f"   {name:34} {per_second(seconds):>10} {seconds * 1e6:8.2f}  "
                     f"{f'Pictavo {speedup:.1f}x faster':>24}  >= {target}x    {verdict(speedup >= target)}")
    median_bytes = ours["bytes_read_median"]
    max_bytes = ours["bytes_read_max"]
    lines.append(f"   bytes read per file (counted at the readers' source): median {median_bytes:.0f} "
                 f"(< 1024 {verdict(median_bytes < 1024)}), max {max_bytes:.0f} (<= 8192 {verdict(max_bytes <= 8192)})")
    return lines, bench


def growth_rows(bench):
    lines = ["2. Cost growth: the same sequence on one file, us per file (median), 1 GiB files sparse",
             f"   {'kind':12} {'1 KiB':>8} {'1 MiB':>8} {'1 GiB':>8}  {'1 GiB / 1 KiB':>13}  {'bytes read':>14}  verdict"]
    kinds = sorted({name.split("/")[1].rsplit("-", 1)[0] for name in bench if name.startswith("growth/")})
    for kind in kinds:
        runs = [bench[f"growth/{kind}-{size}"] for size in ("1KiB", "1MiB", "1GiB")]
        times = [run["median"]["real_time"] for run in runs]
        noise = max(run["cv"]["real_time"] for run in runs)
        ratio = times[2] / times[0]
        bytes_read = [run["median"]["bytes_read_median"] for run in runs]
        # Flat: the gigabyte file reads no more than the megabyte one (the smallest file may end
        # inside a block and read less), and neither bigger file takes longer than the smallest
        # beyond the measured noise.
        tolerance = 1 + max(0.10, 3 * noise)
        same = bytes_read[2] <= bytes_read[1] and max(times[1], times[2]) / times[0] <= tolerance
        lines.append(f"   {kind:12} {times[0]:8.2f} {times[1]:8.2f} {times[2]:8.2f}  {ratio:13.2f}  "
                     f"{'/'.join(f'{b:.0f}' for b in bytes_read):>14}  "
                     f"{'flat' if same else 'GROWS'} (noise {noise * 100:.0f}%)")
    lines.append("   (the 64 KiB-metadata JPEG cannot be 1 KiB: its smallest file is 64 KiB)")
    return lines


def drop_rows(build, folder):
    lines = ["3. Drop of 1,000 accepted files on the real main window, real clipboard (median of 9 drops)",
             f"   {'platform':9} {'window':>9} {'file reads':>11} {'beyond reads':>13}   "
             f"{'of which: clipboard':>19} {'focus':>8}  target: beyond < 50 us"]
    platforms = ["offscreen"] + (["xcb"] if os.environ.get("DISPLAY") else [])
    for platform in platforms:
        env = dict(os.environ, QT_QPA_PLATFORM=platform)
        output = subprocess.run([os.path.join(build, "bench", "drop_bench"), os.path.join(folder, "drop")],
                                check=True, capture_output=True, text=True, env=env).stdout
        figures = json.loads(output)
        beyond = figures["window_us"] - figures["file_reads_us"]
        label = "X11/Xvfb" if platform == "xcb" else platform
        lines.append(f"   {label:9} {figures['window_us']:7.1f}us {figures['file_reads_us']:9.1f}us "
                     f"{beyond:11.1f}us   {figures['clipboard_us']:17.1f}us {figures['focus_us']:6.1f}us  "
                     f"{verdict(beyond < 50) if platform == 'offscreen' else 'for information'}")
    lines.append("   (us per file; file reads = the inspection and the length query; clipboard and focus =")
    lines.append("   one clipboard publication and one window activation, each timed alone)")
    return lines


def start_once(program, probe):
    """Starts the program with the probe and returns (seconds until ready, peak RSS in KiB)."""
    read_end, write_end = os.pipe()
    env = dict(os.environ, LD_PRELOAD=probe, QT_QPA_PLATFORM="xcb")
    started = time.monotonic_ns()
    pid = os.posix_spawn(program, [program], env,
                         file_actions=[(os.POSIX_SPAWN_DUP2, write_end, 2), (os.POSIX_SPAWN_CLOSE, read_end)])
    os.close(write_end)
    output = b""
    while True:
        ready, _, _ = select.select([read_end], [], [], 30)
        if not ready:
            os.kill(pid, signal.SIGKILL)
            break
        chunk = os.read(read_end, 4096)
        if not chunk:
            break
        output += chunk
    os.close(read_end)
    _, status, usage = os.wait4(pid, 0)
    for line in output.decode(errors="replace").splitlines():
        if line.startswith("startup-probe ready "):
            return (int(line.split()[2]) - started) / 1e9, usage.ru_maxrss
    raise RuntimeError(f"{program} never became ready (status {status}): {output!r}")


def startup_rows(build):
    probe = os.path.join(build, "bench", "libstartup_probe.so")
    programs = {"empty window": os.path.join(build, "bench", "empty_window"),
                "Pictavo": os.path.join(build, "app", "pictavo")}
    samples = {name: [] for name in programs}
    for _ in range(STARTUP_RUNS):  # alternate, so that a busy moment hits both alike
        for name, program in programs.items():
            samples[name].append(start_once(program, probe))
    result = {name: (statistics.median(s[0] for s in runs), statistics.median(s[1] for s in runs))
              for name, runs in samples.items()}
    base_time, base_memory = result["empty window"]
    ours_time, ours_memory = result["Pictavo"]
    return [f"4. Start-up to window shown and event loop idle, X11 on Xvfb (median of {STARTUP_RUNS} runs each)",
            f"   {'program':14} {'time':>9} {'peak RSS':>10}",
            f"   {'empty window':14} {base_time * 1000:7.1f}ms {base_memory / 1024:8.1f}MiB",
            f"   {'Pictavo':14} {ours_time * 1000:7.1f}ms {ours_memory / 1024:8.1f}MiB",
            f"   ratio          {ours_time / base_time:8.2f}x {ours_memory / base_memory:9.2f}x   "
            f"target <= 1.15x: time {verdict(ours_time / base_time <= 1.15)}, "
            f"memory {verdict(ours_memory / base_memory <= 1.15)}"]


def main():
    build, folder = sys.argv[1], sys.argv[2]
    load = os.getloadavg()[0]
    print(f"Pictavo benchmarks, {datetime.date.today()}, one run on {os.cpu_count()} cores, "
          f"load average {load:.2f} at start")
    inspection, bench = inspection_rows(build, folder)
    sections = [inspection, growth_rows(bench), drop_rows(build, folder)]
    if os.environ.get("DISPLAY"):
        sections.append(startup_rows(build))
    print("\n\n".join("\n".join(section) for section in sections))


if __name__ == "__main__":
    main()
