#!/bin/sh
# Makes the Debian package from the build, unpacks it into a scratch root
# and runs the program from there, commands module included.
set -e
build=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log"
deb=$(ls "$work"/cadtext_*_amd64.deb)
basename "$deb"
dpkg-deb -f "$deb" Depends
dpkg -x "$deb" "$work/root"
for file in usr/share/man/man1/cadtext.1.gz usr/share/cadtext/alphabets.json usr/include/cadtext/mtext/convert.h; do
  test -f "$work/root/$file"
done
"$work/root/usr/bin/cadtext" --version
"$work/root/usr/bin/cadtext" run "$source/samples/demo.dxf" -o "$work/demo-mc.dxf" -c 'TJust;select all;keyword MC'
