#!/bin/sh
# Installs the build into a temporary prefix, builds examples/host against
# that prefix only (find_package), runs it on the demo drawing, and checks
# the result with the installed program.
set -e
build=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"
pc=$(find "$work/prefix" -name cadtext.pc)
echo "pkg-config: $(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --modversion cadtext)"
launcher=$(command -v ccache || true)
cmake -S "$source/examples/host" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$work/prefix" ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} > "$work/configure.log"
cmake --build "$work/build" > "$work/build.log"
"$work/build/example_host" "$source/samples/demo.dxf" "$work/demo-mc.dxf"
"$work/prefix/bin/cadtext" dxf info "$work/demo-mc.dxf"
