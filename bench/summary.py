#!/usr/bin/env python3
"""Gathers the headline figures every benchmark program wrote into
<figures folder>/<program>.jsonl, prints one table and writes it as Markdown.

Usage: summary.py <figures folder> <summary.md>
Exits 1 when a program reported a missing measurement, did not finish, or a
figure missed its goal; the summary names each.
"""
import json
import pathlib
import sys


def number(value):
    if value == 0:
        return "0"
    magnitude = abs(value)
    if magnitude >= 100:
        return f"{value:,.0f}"
    if magnitude >= 10:
        return f"{value:.1f}"
    return f"{value:.3g}"


def main():
    folder, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    rows, problems, missed = [], [], []
    for path in sorted(folder.glob("*.jsonl")):
        bench, ended = path.stem, False
        for line in path.read_text(encoding="utf-8").splitlines():
            record = json.loads(line)
            if "missing" in record:
                problems.append(f"{bench}: {record['missing']}")
                rows.append((bench, record["missing"], "missing", "", "", ""))
            elif record.get("event") == "end":
                ended = True
            elif "name" in record:
                goal, ratio = "", ""
                if "goal" in record:
                    lower = record["better"] == "lower"
                    sign = "≤" if lower else "≥"
                    goal = f"{sign} {number(record['goal'])}"
                    if record["goal"] > 0:
                        ratio = f"{record['value'] / record['goal']:.2f}"
                    met = record["value"] <= record["goal"] if lower else record["value"] >= record["goal"]
                    if not met:
                        ratio = (ratio + " MISSED").strip()
                        missed.append(f"{bench}: {record['name']}: {number(record['value'])} {record['unit']},"
                                      f" goal {goal}")
                rows.append((bench, record["name"], number(record["value"]), record["unit"], goal, ratio))
        if not ended:
            problems.append(f"{bench}: did not finish")
            rows.append((bench, "the program did not finish", "missing", "", "", ""))

    header = ("benchmark", "figure", "value", "unit", "goal", "ratio")
    table = [header] + rows
    widths = [max(len(str(row[i])) for row in table) for i in range(len(header))]
    for index, row in enumerate(table):
        print("  ".join(str(cell).ljust(width) for cell, width in zip(row, widths)).rstrip())
        if index == 0:
            print("  ".join("-" * width for width in widths))
    markdown = ["| " + " | ".join(header) + " |", "|" + "|".join("---" for _ in header) + "|"]
    markdown += ["| " + " | ".join(str(cell) for cell in row) + " |" for row in rows]
    if missed:
        markdown += ["", "Missed goals:", ""] + [f"- {m}" for m in missed]
    if problems:
        markdown += ["", "Missing measurements:", ""] + [f"- {p}" for p in problems]
    out.write_text("\n".join(markdown) + "\n", encoding="utf-8")
    print(f"\nwritten to {out}")
    if missed:
        print("missed goals:\n  " + "\n  ".join(missed), file=sys.stderr)
    if problems:
        print("missing measurements:\n  " + "\n  ".join(problems), file=sys.stderr)
    return 1 if missed or problems else 0


if __name__ == "__main__":
    sys.exit(main())
