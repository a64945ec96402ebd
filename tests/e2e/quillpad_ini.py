"""Reading and writing INI files the way Qt's QSettings does.

QSettings quotes values with leading/trailing spaces or with ',', ';' or '=',
escapes control characters (\\n, \\r, \\xHH ...), doubles a leading '@' and
reads unquoted commas as list separators. Comparing parsed values rather
than raw lines keeps the tests independent of those choices.
"""

NAMED_ESCAPES = {"\a": "a", "\b": "b", "\f": "f", "\n": "n", "\r": "r", "\t": "t",
                 "\v": "v", '"': '"', "\\": "\\"}
UNESCAPES = {"a": "\a", "b": "\b", "f": "\f", "n": "\n", "r": "\r", "t": "\t", "v": "\v",
             '"': '"', "?": "?", "'": "'", "\\": "\\"}
HEX_DIGITS = "0123456789abcdefABCDEF"
OCT_DIGITS = "01234567"


# ---- writing ---------------------------------------------------------------

def escape_value(text):
    """The INI text QSettings writes for a string value."""
    if text.startswith("@"):
        text = "@" + text
    out = []
    escape_next_hex_digit = False  # after \xHH a following hex digit must be escaped too
    for ch in text:
        if escape_next_hex_digit and ch in HEX_DIGITS:
            out.append(f"\\x{ord(ch):x}")
            continue
        escape_next_hex_digit = False
        if ch == "\0":
            out.append("\\0")
            escape_next_hex_digit = True
        elif ch in NAMED_ESCAPES:
            out.append("\\" + NAMED_ESCAPES[ch])
        elif ord(ch) <= 0x1F:
            out.append(f"\\x{ord(ch):x}")
            escape_next_hex_digit = True
        else:
            out.append(ch)
    result = "".join(out)
    if any(c in text for c in ",;=") or result[:1] == " " or result[-1:] == " ":
        result = f'"{result}"'
    return result


def write_ini(path, sections):
    """Write {section: {key: text}} as UTF-8, one 'key=value' line per key."""
    lines = []
    for section, values in sections.items():
        if lines:
            lines.append("")
        lines.append(f"[{section}]")
        lines.extend(f"{key}={escape_value(value)}" for key, value in values.items())
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ---- reading ---------------------------------------------------------------

def read_ini(path):
    """Parse a QSettings INI file into {section: {key: text or list of texts}}."""
    with open(path, "rb") as f:
        data = f.read().decode("utf-8", "replace")
    if data.startswith("\ufeff"):
        data = data[1:]
    sections = {}
    current = sections.setdefault("General", {})
    for line in _logical_lines(data):
        stripped = line.strip()
        if stripped.startswith("[") and stripped.endswith("]"):
            current = sections.setdefault(stripped[1:-1], {})
        elif "=" in line:
            key, value = _split_key_value(line)
            current[key.strip()] = _unescape_value(value)
    return sections


def _logical_lines(data):
    """Split into lines, honouring quotes, backslash continuations and ';' comments."""
    lines, current, in_quotes, i = [], [], False, 0
    while i < len(data):
        ch = data[i]
        if ch == "\\":
            # Keep an escape whole; an escaped line break (CR LF too) continues the line.
            length = 3 if data[i + 1:i + 3] in ("\r\n", "\n\r") else 2
            current.append(data[i:i + length])
            i += length
            continue
        if ch == '"':
            in_quotes = not in_quotes
        elif ch in "\r\n" and not in_quotes:
            lines.append("".join(current))
            current = []
            i += 1
            continue
        elif ch == ";" and not in_quotes:  # a comment runs to the end of the line
            newline = data.find("\n", i)
            i = newline if newline >= 0 else len(data)
            continue
        current.append(ch)
        i += 1
    lines.append("".join(current))
    return [line for line in lines if line.strip()]


def _split_key_value(line):
    in_quotes = False
    for i, ch in enumerate(line):
        if ch == '"':
            in_quotes = not in_quotes
        elif ch == "=" and not in_quotes:
            return line[:i], line[i + 1:]
    raise ValueError(line)


def _unescape_value(text):
    """Undo QSettings' escaping; unquoted commas make a list."""
    items, current = [], []
    quoted = in_quotes = False
    keep = 0  # characters of current that trailing-space trimming must not remove
    i = _skip_blanks(text, 0)
    while i < len(text):
        ch = text[i]
        if ch == "\\":
            i, keep = _unescape_at(text, i + 1, current)
        elif ch == '"':
            quoted, in_quotes = True, not in_quotes
            i = i + 1 if in_quotes else _skip_blanks(text, i + 1)
        elif ch == "," and not in_quotes:
            items.append(_finish(current, quoted, keep))
            current, quoted, keep = [], False, 0
            i = _skip_blanks(text, i + 1)
        else:
            current.append(ch)
            i += 1
    value = _finish(current, quoted, keep)
    if items:
        return [_unprefix(item) for item in items + [value]]
    return _unprefix(value)


def _skip_blanks(text, i):
    while i < len(text) and text[i] in " \t":
        i += 1
    return i


def _unescape_at(text, i, out):
    """Decode the escape whose first character is text[i]; return (next index, keep)."""
    if i >= len(text):
        return i, len(out)
    ch = text[i]
    if ch in UNESCAPES:
        out.append(UNESCAPES[ch])
        return i + 1, len(out)
    if ch == "x" and i + 1 < len(text) and text[i + 1] in HEX_DIGITS:
        return _numeric_escape(text, i + 1, out, HEX_DIGITS, 16)
    if ch in OCT_DIGITS:
        return _numeric_escape(text, i, out, OCT_DIGITS, 8)
    if ch in "\r\n":  # an escaped line break continues the value on the next line
        i += 1
        if i < len(text) and text[i] in "\r\n" and text[i] != ch:
            i += 1
        return i, len(out)
    return i + 1, len(out)  # QSettings drops the character of an unknown escape


def _numeric_escape(text, i, out, digits, base):
    start = i
    while i < len(text) and text[i] in digits:
        i += 1
    out.append(chr(int(text[start:i], base)))
    return i, len(out)


def _finish(chars, quoted, keep):
    text = "".join(chars)
    if quoted:
        return text
    return text[:keep] + text[keep:].rstrip(" \t")


def _unprefix(text):
    return text[1:] if text.startswith("@@") else text
