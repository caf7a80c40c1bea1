#!/usr/bin/env python3
"""Share of test code: non-blank, non-comment lines of tests/ against those of src/, app/, tools/ and bench/.

test-share.py [CHECKOUT] [--max PERCENT]
Prints the share and the lines of each folder; with --max, exits 1 when the share is above PERCENT.
"""
import argparse
import os
import re
import sys

SOURCES = (".cpp", ".h", ".hpp", ".cc")


def code_lines(root, folder):
    """Lines of C++ in the folder that are neither blank nor comment."""
    n = 0
    for path, _, files in os.walk(os.path.join(root, folder)):
        for name in files:
            if not name.endswith(SOURCES):
                continue
            with open(os.path.join(path, name), encoding="utf-8", errors="replace") as f:
                text = re.sub(r"/\*.*?\*/", "", f.read(), flags=re.S)
            n += sum(1 for line in text.splitlines() if line.strip() and not line.strip().startswith("//"))
    return n


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("checkout", nargs="?", default=os.path.join(os.path.dirname(__file__), ".."))
    parser.add_argument("--max", type=float, help="fail above this share, in per cent")
    args = parser.parse_args()
    counts = {d: code_lines(args.checkout, d) for d in ("src", "app", "tools", "bench", "tests")}
    code = counts["src"] + counts["app"] + counts["tools"] + counts["bench"]
    share = 100 * counts["tests"] / max(code, 1)
    print(f"tests {counts['tests']} / code {code} = {share:.0f}%  "
          f"(src {counts['src']}, app {counts['app']}, tools {counts['tools']}, bench {counts['bench']})")
    if args.max is not None and share > args.max:
        print(f"test code is above {args.max:.0f}% of the code it tests: fold repeated cases into tables",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
