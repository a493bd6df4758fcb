#!/bin/sh
# cadtext run with the single-line Text commands on the sample drawing:
# dText writes each typed line as a Text one line below the last, Esc writes
# the drawing back byte for byte, and ddEdit types into an existing Text.
set -e
cadtext=$1 drawing=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
"$cadtext" run "$drawing" -o "$work/typed.dxf" -c 'dText;point 10,10;enter;enter;keys "Hello" Enter "World" Enter Enter'
"$cadtext" dxf info "$work/typed.dxf" | grep "	TEXT	.*	Left	10,10,0	Hello$"
"$cadtext" dxf info "$work/typed.dxf" | grep "	TEXT	.*	Left	10,5.83333333333333.,0	World$"
status=0
"$cadtext" run "$drawing" -o "$work/esc.dxf" -c 'dText;point 10,10;enter;enter;keys "x" Esc' || status=$?
test "$status" -eq 1
cmp "$drawing" "$work/esc.dxf"
"$cadtext" run "$drawing" -o "$work/edited.dxf" -c 'ddEdit;select handles 93;keys End "!" Enter;enter'
"$cadtext" dxf info "$work/edited.dxf" | grep "^93	TEXT	.*Left!$"
echo "typed, left unchanged and edited"
