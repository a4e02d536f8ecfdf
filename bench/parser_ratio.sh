#!/usr/bin/env bash
# Whole runs of /test for the last operation of the three largest corpus descriptions and of a 1 KB one,
# side by side with xmllint --noout of the same file (the parser alone): medians of interleaved runs, their
# ratio, and the peak memory of each process against 2 x (input + output) + 30 MiB. Given the executable of
# an earlier build, it runs that one in the same turns and checks that both write the same bytes.
# Usage: bench/parser_ratio.sh [BEFORE_EXECUTABLE] ; QUORVEL_RUNS (default 21, at least 11).
set -euo pipefail
source "$(dirname "$0")/program_setup.sh"
exec python3 - "$build/quorvel" "${1:-}" "$corpus" "${QUORVEL_RUNS:-21}" "$build/bench/quorvel-run-measured" <<'PYTHON'
import os, shutil, statistics, subprocess, sys, tempfile

after, before, corpus, runs, measure = sys.argv[1], sys.argv[2], sys.argv[3], max(11, int(sys.argv[4])), sys.argv[5]
work = tempfile.mkdtemp(prefix="quorvel-ratio-")
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
MIB = 1024 * 1024
OUTPUT = os.path.join(work, "quorvel_test_out.txt")

def once(command):
    """Wall milliseconds and peak resident bytes of one run, as the small measuring process sees them."""
    measured = subprocess.run([measure] + command, cwd=work, env=env, capture_output=True, text=True, check=True)
    elapsed, peak_kib, _ = measured.stdout.split()
    return float(elapsed), int(peak_kib) * 1024

def output_of(command):
    if os.path.exists(OUTPUT):
        os.remove(OUTPUT)
    subprocess.run(command, cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(OUTPUT, "rb") as f:
        return f.read()

def last_operation(path):
    listing = subprocess.run([after, "--list", path], capture_output=True, text=True, check=True).stdout
    fields = listing.splitlines()[-1].split("\t")
    return fields[1], fields[4]

files = [("Workday", "savonrb__wasabi/spec__fixtures__workday.wsdl"),
         ("e-conomic", "savonrb__wasabi/spec__fixtures__economic.wsdl"),
         ("VirtualBox", "hooklift__gowsdl/fixtures__vboxweb.wsdl"),
         ("1 KB", "vpulim__node-soap/test__request-response-samples__getAvailability__"
                  "should_not_fail_without_children__imported.wsdl")]

print(f"/test of the last operation against xmllint --noout: medians of {runs} interleaved runs, whole "
      f"process, milliseconds; peak resident MiB")
header = f"{'file':<12}{'KiB':>7}{'quorvel':>9}" + (f"{'before':>9}" if before else "") + \
         f"{'xmllint':>9}{'ratio':>7}" + (f"{'before':>7}" if before else "") + \
         f"{'peak':>7}" + (f"{'before':>7}" if before else "") + f"{'xmllint':>8}{'limit':>7}"
print(header)
for label, name in files:
    path = os.path.join(corpus, name)
    binding, operation = last_operation(path)
    commands = [[after, "/test", path, binding, operation]]
    if before:
        commands.append([before, "/test", path, binding, operation])
    commands.append(["xmllint", "--noout", path])
    written = output_of(commands[0])
    same = not before or output_of(commands[1]) == written
    times = [[] for _ in commands]
    peaks = [0 for _ in commands]
    for _ in range(runs):
        for i, command in enumerate(commands):
            elapsed, peak = once(command)
            times[i].append(elapsed)
            peaks[i] = max(peaks[i], peak)
    ms = [statistics.median(t) for t in times]
    ratios = [m / ms[-1] for m in ms[:-1]]
    size = os.path.getsize(path)
    limit = (2 * (size + len(written)) + 30 * MIB) / MIB
    print(f"{label:<12}{size / 1024:>7.0f}" + "".join(f"{m:>9.1f}" for m in ms) +
          "".join(f"{r:>7.2f}" for r in ratios) + "".join(f"{p / MIB:>7.1f}" for p in peaks[:-1]) +
          f"{peaks[-1] / MIB:>8.1f}{limit:>7.0f}" + ("" if same else "   OUTPUT DIFFERS"))
shutil.rmtree(work)
PYTHON
