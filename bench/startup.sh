#!/usr/bin/env bash
# Whole-process figures of the program, medians of interleaved runs, printed side by side with an
# earlier build when one is given:
#   start-up (--request of a missing file; /test for a build without --request),
#   /test of the first and the last operation of three large corpus files against xmllint --noout,
#   --all of the e-conomic description against /test once per operation (a sample, extrapolated).
# Usage: bench/startup.sh [BEFORE_EXECUTABLE] ; QUORVEL_RUNS (default 21), QUORVEL_SAMPLE_EVERY (default 20).
set -euo pipefail
source "$(dirname "$0")/program_setup.sh"
exec python3 - "$build/quorvel" "${1:-}" "$corpus" "${QUORVEL_RUNS:-21}" "${QUORVEL_SAMPLE_EVERY:-20}" <<'PYTHON'
import os, statistics, subprocess, sys, tempfile, time

after, before, corpus, runs, every = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])
work = tempfile.mkdtemp(prefix="quorvel-startup-")
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}

def once(command):
    start = time.perf_counter()
    subprocess.run(command, cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000

def medians(commands):
    """Median milliseconds of each command; the commands take turns so that load affects all alike."""
    times = [[] for _ in commands]
    for _ in range(runs):
        for i, command in enumerate(commands):
            times[i].append(once(command))
    return [statistics.median(t) for t in times]

def operations(path):
    listing = subprocess.run([after, "--list", path], capture_output=True, text=True, check=True).stdout
    return [line.split("\t") for line in listing.splitlines()]

def row(label, figures, ratio=None):
    print(f"{label:<44}" + "".join(f"{f:>12.1f}" for f in figures) + (f"{ratio:>14.2f}" if ratio else ""))

print(f"medians of {runs} runs, milliseconds, whole process")
print(f"{'':<44}{'after':>12}" + (f"{'before':>12}" if before else ""))
missing = "missing.wsdl"
commands = [[after, "--request", missing, "B", "Op"]] + ([[before, "/test", missing, "B", "Op"]] if before else [])
row("start-up (--request / before: /test, missing)", medians(commands))
row("/bin/true", medians([["/bin/true"]]))

files = ["savonrb__wasabi/spec__fixtures__workday.wsdl", "savonrb__wasabi/spec__fixtures__economic.wsdl",
         "hooklift__gowsdl/fixtures__vboxweb.wsdl"]
print(f"\n{'':<44}{'after':>12}" + (f"{'before':>12}" if before else "") + f"{'xmllint':>12}{'after/xmllint':>14}")
for name in files:
    path = os.path.join(corpus, name)
    listed = operations(path)
    for which, record in (("first", listed[0]), ("last", listed[-1])):
        test = lambda exe: [exe, "/test", path, record[1], record[4]]
        commands = [test(after)] + ([test(before)] if before else []) + [["xmllint", "--noout", path]]
        figures = medians(commands)
        row(f"/test {os.path.basename(name)} ({which})", figures, figures[0] / figures[-1])

economic = os.path.join(corpus, files[1])
listed = operations(economic)
out = os.path.join(work, "all")
all_ms = statistics.median(once([after, "--all", economic, out]) for _ in range(max(3, runs // 4)))
sample = listed[::every]
start = time.perf_counter()
for record in sample:
    once([after, "/test", economic, record[1], record[4]])
per_run = (time.perf_counter() - start) * 1000 / len(sample)
print(f"\n--all of the e-conomic description ({len(listed)} requests): {all_ms:.0f} ms")
print(f"/test once per operation: {per_run:.1f} ms a run over {len(sample)} sampled operations "
      f"(every {every}th), {per_run * len(listed) / 1000:.1f} s for all {len(listed)}")
PYTHON
