#!/usr/bin/env python3
"""Writes samples/demo.dxf, the drawing the README's examples run on.

It is made with ezdxf, the independent DXF library the tests also use as
their oracle, so the sample is a drawing another program wrote: MText with
paragraphs, a numbered list, a stack, fonts, colours and two columns; Texts
in several justifications; a locked layer with a Text on it; a multileader;
and a block with an attribute.

    /usr/bin/python3 scripts/make-demo-drawing.py samples/demo.dxf
"""
import sys

import ezdxf
import ezdxf.math
from ezdxf.enums import TextEntityAlignment, MTextEntityAlignment


def add_styles_and_layers(doc):
    doc.styles.add("Sans", font="LiberationSans-Regular.ttf")
    doc.styles.add("Serif", font="LiberationSerif-Regular.ttf")
    doc.layers.add("Notes", color=3)
    doc.layers.add("Title", color=1)
    doc.layers.add("Locked", color=8).lock()


def add_mtexts(msp):
    msp.add_mtext(
        "Notes:\\PThe first paragraph of the demo drawing, long enough to wrap "
        "inside its frame.\\P{\\C1;Red words} and {\\fLiberation Serif|b1|i0;bold serif} "
        "with a stack {\\H0.7x;\\S1/2;} and a {\\LUnderlined} word.",
        dxfattribs={"style": "Sans", "char_height": 2.5, "width": 60,
                    "insert": (0, 100), "layer": "Notes"})
    msp.add_mtext(
        "\\pxi-3,l3,t3;1.\tCheck the drawing\\P2.\tNumber the sheets\\P3.\tSign the title block",
        dxfattribs={"style": "Sans", "char_height": 2.5, "width": 60,
                    "insert": (0, 70), "layer": "Notes"})
    mtext = msp.add_mtext_static_columns(
        ["The first column holds this paragraph and wraps at its width.",
         "The second column starts after the column break."],
        width=30, gutter_width=5, height=20,
        dxfattribs={"style": "Standard", "char_height": 2.5, "insert": (80, 100)})
    mtext.dxf.layer = "Notes"
    msp.add_mtext("Bottom right", dxfattribs={
        "char_height": 3.5, "width": 40, "insert": (150, 40),
        "attachment_point": MTextEntityAlignment.BOTTOM_RIGHT, "color": 5})


def add_texts(msp):
    rows = [("Left", TextEntityAlignment.LEFT), ("Center", TextEntityAlignment.CENTER),
            ("Right", TextEntityAlignment.RIGHT), ("Middle centre", TextEntityAlignment.MIDDLE_CENTER),
            ("Top right", TextEntityAlignment.TOP_RIGHT), ("Bottom left", TextEntityAlignment.BOTTOM_LEFT)]
    for i, (words, align) in enumerate(rows):
        text = msp.add_text(words, height=2.5, dxfattribs={"style": "Sans", "layer": "Title"})
        text.set_placement((0 if i < 3 else 60, 30 - 8 * (i % 3)), align=align)
    fit = msp.add_text("Fitted", height=2.5, dxfattribs={"layer": "Title"})
    fit.set_placement((0, 0), (30, 0), align=TextEntityAlignment.FIT)
    msp.add_text("On a locked layer", height=2.5,
                 dxfattribs={"layer": "Locked", "insert": (60, 0)})


def add_leader_and_attribute(doc, msp):
    builder = msp.add_multileader_mtext("Standard")
    builder.set_content("Leader note", char_height=2.5)
    builder.add_leader_line(ezdxf.render.mleader.ConnectionSide.left, [(120, 10)])
    builder.build(insert=ezdxf.math.Vec2(140, 20))

    block = doc.blocks.new("TAG")
    block.add_circle((0, 0), 4)
    block.add_attdef("NUMBER", (-2, -1), dxfattribs={"height": 2.5, "prompt": "Number"})
    insert = msp.add_blockref("TAG", (180, 10))
    insert.add_auto_attribs({"NUMBER": "42"})


def main(path):
    doc = ezdxf.new("R2018", setup=True)
    doc.header["$TEXTSIZE"] = 2.5
    doc.header["$LUPREC"] = 3
    msp = doc.modelspace()
    add_styles_and_layers(doc)
    add_mtexts(msp)
    add_texts(msp)
    add_leader_and_attribute(doc, msp)
    doc.saveas(path)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "samples/demo.dxf")
