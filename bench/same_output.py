#!/usr/bin/env python3
"""Checks that two builds of quorvel-bench produce byte-identical requests for the same files.

usage: same_output.py REFERENCE_BENCH CANDIDATE_BENCH FILE...
Each build loads every file once (--runs 1) and reports a digest of all names and request texts;
the files whose digests differ, or whose load succeeds in one build only, are listed. Exit status 1
when any file differs.
"""

import json
import subprocess
import sys


def digests(bench, files):
    result = subprocess.run([bench, "--json", "--runs", "1", *files], capture_output=True, text=True)
    if result.returncode not in (0, 1):
        sys.exit(f"{bench} failed: {result.stderr.strip()}")
    return {entry["file"]: entry.get("request_digest", "failed: " + entry.get("message", ""))
            for entry in json.loads(result.stdout)}


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    reference, candidate, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    before, after = digests(reference, files), digests(candidate, files)
    differing = [f for f in files if before.get(f) != after.get(f)]
    for f in differing:
        print(f"differs: {f}: {before.get(f)} -> {after.get(f)}")
    print(f"{len(files) - len(differing)} of {len(files)} files identical")
    sys.exit(1 if differing else 0)


if __name__ == "__main__":
    main()
