"""Scripted editing sessions through `cadtext run` on the sample drawing
(written by ezdxf), each checked on the drawing written afterwards: ezdxf
reads it back with the expected contents and its audit finds no error. Then
every command, cancelled at each of its prompts, writes the drawing back
byte for byte.

    python3 run_editing_sessions.py CADTEXT DRAWING WORKDIR
"""
import os
import subprocess
import sys

import ezdxf

CADTEXT, DRAWING, WORK = sys.argv[1:4]
failures = []


def run(script, out):
    done = subprocess.run([CADTEXT, "run", DRAWING, "-o", out, "--script", "-"], input=script,
                          capture_output=True, text=True, cwd=WORK)
    return done.returncode, done.stdout + done.stderr


def new_entities(doc, kind):
    """The entities of `kind` the session added, in drawing order."""
    return [e for e in doc.modelspace() if e.dxftype() == kind and e.dxf.handle not in ORIGINAL]


def mtext(doc, handle):
    return doc.entitydb[handle].plain_text()


def xy(point):
    return (round(point.x, 4), round(point.y, 4))


# name, script, exit status, what the written drawing shows, what it must be
SESSIONS = [
    ("MTextCreate: two paragraphs, a bold word, a numbered list",
     'snapshot before.svg\nMTextCreate\npoint 10,140\npoint 80,120\n'
     'keys "Notes with a bold word" Ctrl+Left Left Ctrl+Shift+Left\ntoolbar 1001\n'
     'keys End Enter "1." Tab "first" Enter "second"\nsnapshot typing.svg\nkeys Ctrl+Enter\n', 0,
     lambda d: [(e.plain_text(), "|b1|i0|c0|p0;bold} word" in e.text, xy(e.dxf.insert)) for e in new_entities(d, "MTEXT")],
     [("Notes with a bold word\n1.\tfirst\n2.\tsecond", True, (10, 140))]),
    ("MTextEdit, Esc without a change", "MTextEdit\nselect handles 92\nkeys Esc\n", 1,
     lambda d: mtext(d, "92"), "Bottom right"),
    ("MTextEdit, a change, Esc, Yes", 'MTextEdit\nselect handles 92\nkeys "x"\nkeys Esc\nanswer yes\n', 0,
     lambda d: mtext(d, "92"), "xBottom right"),
    ("MTextEdit, a change, Esc, No", 'MTextEdit\nselect handles 92\nkeys "x"\nkeys Esc\nanswer no\n', 1,
     lambda d: mtext(d, "92"), "Bottom right"),
    ("MTextEdit, a change, Esc, Cancel edits on",
     'MTextEdit\nselect handles 92\nkeys "x"\nkeys Esc\nanswer cancel\nkeys "y" Ctrl+Enter\n', 0,
     lambda d: mtext(d, "92"), "xyBottom right"),
    ("MTextEdit on two MTexts", 'MTextEdit\nselect handles 92 91\nkeys "A" Ctrl+Enter\nkeys "B" Ctrl+Enter\n', 0,
     lambda d: (mtext(d, "92")[:2], mtext(d, "91")[:6]), ("AB", "BThe f")),
    ("dText over three lines, then Enter continues below",
     'dText\npoint 10,150\nenter\nenter\nkeys "one" Enter "two" Enter "three" Enter Enter\n'
     'dText\nenter\nkeys "four" Enter Enter\n', 0,
     lambda d: [(e.dxf.text, round(e.dxf.insert.y, 4)) for e in new_entities(d, "TEXT")],
     [("one", 150), ("two", 145.8333), ("three", 141.6667), ("four", 137.5)]),
    ("-Text with Align and with Fit",
     '-Text\nkeyword Align\npoint 10,160\npoint 50,160\nstring aligned\n'
     '-Text\nkeyword Fit\npoint 10,165\npoint 50,165\nenter\nstring fitted\n', 0,
     lambda d: [(e.dxf.text, e.dxf.halign, xy(e.dxf.align_point)) for e in new_entities(d, "TEXT")],
     [("aligned", 3, (50, 160)), ("fitted", 5, (50, 165))]),
    ("ddEdit on a Text, an MText and an attribute",
     'ddEdit\nselect handles 93\nkeys End "!" Enter\nselect handles 92\nkeys "M" Ctrl+Enter\n'
     'select handles A3\nkeys End "7" Enter\nenter\n', 0,
     lambda d: (d.entitydb["93"].dxf.text, mtext(d, "92"), [(a.dxf.handle, a.dxf.text) for a in d.entitydb["A1"].attribs],
                len(d.modelspace().query("ATTRIB"))),
     ("Left!", "MBottom right", [("A3", "427")], 0)),
    ("A lettered list in the shipped alphabets goes on in Russian",
     'MTextCreate\npoint 10,140\npoint 80,120\nkeys "а." Tab "one" Enter "two" Ctrl+Enter\n', 0,
     lambda d: [e.plain_text() for e in new_entities(d, "MTEXT")], ["а.\tone\nб.\ttwo"]),
    ("PasteText of one line", 'clipboard "pasted {x}"\nPasteClip\npoint 100,140\n', 0,
     lambda d: [(e.dxf.text, xy(e.dxf.insert)) for e in new_entities(d, "TEXT")], [("pasted {x}", (100, 140))]),
    ("PasteText of two lines", 'clipboard "a {b}" "c\\d"\nPasteClip\npoint 100,130\n', 0,
     lambda d: [(e.text, xy(e.dxf.insert)) for e in new_entities(d, "MTEXT")], [("a \\{b\\}\\Pc\\\\d", (100, 130))]),
]

# Each command's answers through to its end; cut short at any of them (with
# or without an Esc there) it is cancelled and writes the drawing unchanged.
CANCELLED_ANYWHERE = [
    ("MTextCreate", ["point 10,140", "point 80,120", 'keys "x"', "keys Ctrl+Enter"]),
    ("MTextEdit", ["select handles 92", 'keys "x"', "keys Ctrl+Enter"]),
    ("dText", ["keyword Style", "string ?", "string Sans", "point 10,10", "enter", "enter", 'keys "x"',
               "keys Enter Enter"]),
    ("-Text", ["keyword Fit", "point 10,10", "point 40,10", "enter", "string x"]),
    ("ddEdit", ["select handles 93", 'keys "x"', "keys Enter"]),
    ('clipboard "x"\nPasteClip', ["point 100,140"]),
]


def check_session(name, script, status, show, expected):
    out = os.path.join(WORK, "session.dxf")
    code, transcript = run(script, out)
    if code != status:
        return f"exit status {code}, not {status}\n{transcript}"
    doc = ezdxf.readfile(out)
    errors = doc.audit().errors
    if errors:
        return f"ezdxf's audit: {[str(e) for e in errors]}"
    got = show(doc)
    return None if got == expected else f"{got!r}, not {expected!r}\n{transcript}"


def check_cancelled(command, answers):
    original = open(DRAWING, "rb").read()
    out = os.path.join(WORK, "cancelled.dxf")
    for given in range(len(answers)):
        for ending in ("", "esc\n"):
            script = "\n".join([command] + answers[:given]) + "\n" + ending
            code, transcript = run(script, out)
            changed = open(out, "rb").read() != original
            if code != 1 or changed:
                failures.append(f"{command} after {given} answers{' and esc' if ending else ''}: exit {code}, "
                                f"drawing {'changed' if changed else 'unchanged'}\n{transcript}")


# ezdxf gives objects it adds while loading handles from the seed, as we do new ones.
ORIGINAL = {e.dxf.handle for e in ezdxf.readfile(DRAWING).modelspace()}
os.makedirs(WORK, exist_ok=True)
for session in SESSIONS:
    failure = check_session(*session)
    if failure:
        failures.append(f"{session[0]}: {failure}")
# The snapshot taken while typing shows the editor over the drawing.
sizes = [os.path.getsize(os.path.join(WORK, f)) for f in ("before.svg", "typing.svg")]
if not sizes[1] > sizes[0] > 0:
    failures.append(f"snapshots before and while typing: {sizes} bytes")
for command, answers in CANCELLED_ANYWHERE:
    check_cancelled(command, answers)
print("\n\n".join(failures) if failures else f"{len(SESSIONS)} sessions checked, every cancel left the drawing as it was")
sys.exit(1 if failures else 0)
