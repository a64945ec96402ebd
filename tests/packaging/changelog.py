"""The project's changelog, read by Debian's own parser."""

import email.utils
import os
import subprocess

SOURCE_ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
CHANGELOG = os.path.join(SOURCE_ROOT, "CHANGELOG")


def entries():
    """(version, date as YYYY-MM-DD) of every entry, newest first."""
    found = []
    stanzas = subprocess.run(["dpkg-parsechangelog", "-l", CHANGELOG, "--all", "--format",
                              "rfc822"], capture_output=True, text=True, check=True).stdout
    for stanza in stanzas.split("\n\n"):
        fields = dict(line.split(": ", 1) for line in stanza.splitlines()
                      if ": " in line and not line.startswith(" "))
        if "Version" in fields:
            date = email.utils.parsedate_to_datetime(fields["Date"]).date().isoformat()
            found.append((fields["Version"], date))
    return found
