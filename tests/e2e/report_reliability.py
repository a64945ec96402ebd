"""Write the README's reliability table from the rows the suite recorded.

Only a run of every reliability module rewrites it, so that running one module alone
leaves the table of the last full run in place."""

import argparse
import json
import re
import sys

START = "<!-- reliability table: written by the test suite -->"
END = "<!-- end of reliability table -->"


def load_rows(path):
    try:
        with open(path, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.strip()]
    except FileNotFoundError:
        return []


def table(rows, modules):
    order = {module: index for index, module in enumerate(modules)}
    rows = sorted(enumerate(rows), key=lambda item: (order[item[1]["module"]], item[0]))
    lines = ["| Fault or input | What was tried | What held | Times |",
             "|---|---|---|---|"]
    previous_area = None
    for _, row in rows:
        area = row["area"] if row["area"] != previous_area else ""
        previous_area = row["area"]
        lines.append(f"| {area} | {row['tried']} | {row['held']} | {row['count']} |")
    total = sum(row["count"] for _, row in rows)
    lines += ["", f"{len(rows)} cases, {total} trials, all held."]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--modules", required=True, help="comma-separated module names")
    parser.add_argument("--readme")
    args = parser.parse_args()
    modules = args.modules.split(",")
    rows = load_rows(args.log)
    missing = sorted(set(modules) - {row["module"] for row in rows})
    if missing:
        print("not a full run of the reliability suite (no rows from "
              f"{', '.join(missing)}); the README is left as it is")
        return 0
    text = table(rows, modules)
    print(text)
    if args.readme:
        with open(args.readme, encoding="utf-8") as f:
            readme = f.read()
        pattern = re.compile(re.escape(START) + ".*?" + re.escape(END), re.S)
        if not pattern.search(readme):
            print(f"{args.readme} has no reliability table to replace", file=sys.stderr)
            return 1
        readme = pattern.sub(lambda _: f"{START}\n{text}\n{END}", readme)
        with open(args.readme, "w", encoding="utf-8") as f:
            f.write(readme)
    return 0


if __name__ == "__main__":
    sys.exit(main())
