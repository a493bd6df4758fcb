#!/bin/sh
# cadtext run editing the sample drawing's texts in the in-place editor:
# typed text is written, Esc without a change writes the drawing back byte
# for byte, and MTextCreate adds the MText typed in its frame.
set -e
cadtext=$1 drawing=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
"$cadtext" run "$drawing" -o "$work/typed.dxf" -c 'MTextEdit;select handles 92;keys "Hello " Ctrl+Enter'
"$cadtext" dxf info "$work/typed.dxf" | grep "^92	MTEXT	.*Hello Bottom right$"
status=0
"$cadtext" run "$drawing" -o "$work/esc.dxf" -c 'MTextEdit;select handles 92;keys Esc' || status=$?
test "$status" -eq 1
cmp "$drawing" "$work/esc.dxf"
# A change, Esc, and a script with no answer to the save question: nothing saved, no endless asking.
status=0
timeout 20 "$cadtext" run "$drawing" -o "$work/unanswered.dxf" -c 'MTextEdit;select handles 92;keys "abc" Esc' || status=$?
test "$status" -eq 1
cmp "$drawing" "$work/unanswered.dxf"
"$cadtext" run "$drawing" -o "$work/created.dxf" -c 'MTextCreate;point 10,50;point 70,40;keys "New" Ctrl+Enter'
"$cadtext" dxf info "$work/created.dxf" | grep "	MTEXT	.*	TopLeft	10,50,0	.*New$"
echo "edited, left unchanged and created"
