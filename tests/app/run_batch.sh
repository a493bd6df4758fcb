#!/bin/sh
# cadtext run over every shared drawing plus a truncated one, two at a time:
# the texts are upper-cased, the binary and the truncated drawing are
# refused by name, and nothing is written for them.
set -e
cadtext=$1 drawings=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
head -c 3000 "$drawings/ezdxf_text.dxf" > "$work/truncated.dxf"
status=0
"$cadtext" run "$drawings"/*.dxf "$work/truncated.dxf" -j 2 -o "$work/out/" \
  -c 'TCase;select all;dialog Case mode=upper ok' > "$work/summary.txt" || status=$?
cat "$work/summary.txt"
test "$status" -eq 2
test ! -e "$work/out/truncated.dxf" && test ! -e "$work/out/acadsharp_sample_AC1032_binary.dxf"
# A multiline text of the drawing reads "Xxp" before and "XXP" after.
"$cadtext" dxf info "$drawings/ezdxf_text.dxf" | grep -q "^38F	MTEXT	.*	Xxp$"
"$cadtext" dxf info "$work/out/ezdxf_text.dxf" | grep -q "^38F	MTEXT	.*	XXP$"
echo "upper-cased, nothing written for the refused"
