#!/usr/bin/env bash
# Screenshots of the main window's pages and the secondary windows under Xvfb, at 1× and
# at QT_SCALE_FACTOR=2, written to OUTDIR (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
cmake --build build --target qinghe-screenshots >/dev/null
xvfb-run -a -s "-screen 0 1600x1200x24" env QT_QPA_PLATFORM=xcb build/bin/qinghe-screenshots "$out"
xvfb-run -a -s "-screen 0 1600x1200x24" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 \
  build/bin/qinghe-screenshots "$out"
