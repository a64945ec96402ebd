"""Write the reliability table from the rows the suite recorded.

The test run writes it into the build tree (--output); scripts/refresh-docs copies a full
run's table into the README (--readme). Only a run of every reliability module makes a
table, so that running one module alone never passes for the whole suite."""

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


def replace_table(readme_path, text):
    with open(readme_path, encoding="utf-8") as f:
        readme = f.read()
    pattern = re.compile(re.escape(START) + ".*?" + re.escape(END), re.S)
    if not pattern.search(readme):
        print(f"{readme_path} has no reliability table to replace", file=sys.stderr)
        return 1
    readme = pattern.sub(lambda _: f"{START}\n{text}\n{END}", readme)
    with open(readme_path, "w", encoding="utf-8") as f:
        f.write(readme)
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", help="the rows the suite recorded")
    parser.add_argument("--modules", help="comma-separated module names")
    parser.add_argument("--output", help="file to write the table to")
    parser.add_argument("--table", help="a table written by an earlier run, instead of --log")
    parser.add_argument("--readme", help="README whose table to replace")
    args = parser.parse_args()
    if args.table:
        with open(args.table, encoding="utf-8") as f:
            text = f.read().rstrip("\n")
    else:
        modules = args.modules.split(",")
        rows = load_rows(args.log)
        missing = sorted(set(modules) - {row["module"] for row in rows})
        if missing:
            print("not a full run of the reliability suite (no rows from "
                  f"{', '.join(missing)}); no table is written")
            return 0
        text = table(rows, modules)
        print(text)
    if args.output:
        with open(args.output, "w", encoding="utf-8") as f:
            f.write(text + "\n")
    return replace_table(args.readme, text) if args.readme else 0


if __name__ == "__main__":
    sys.exit(main())
