"""What the reliability suite tried and what held, gathered for the README's table.

A test records a row only once everything it checked has held; the rows of all modules
are collected by report_reliability.py after the suite has run."""

import json
import os

LOG_VARIABLE = "QUILLPAD_RELIABILITY_LOG"


def record(area, tried, held, count=1):
    """One row: the kind of fault or input, what was done, what held, how many times."""
    path = os.environ.get(LOG_VARIABLE)
    if not path:
        return
    row = {"module": os.environ.get("QUILLPAD_E2E_MODULE", ""), "area": area, "tried": tried,
           "held": held, "count": count}
    with open(path, "a", encoding="utf-8") as f:
        f.write(json.dumps(row, ensure_ascii=False) + "\n")
