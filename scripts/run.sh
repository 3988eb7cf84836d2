#!/usr/bin/env bash
# Installs what is missing, builds the program, creates a demo db.mdb in the working directory if
# there is none, and starts the program. Without a display it runs on a virtual one, saves a
# screenshot of the first window to screenshot.png and stops.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPR_BUILD_TESTS=OFF
if [ ! -e db.mdb ]; then
  "$here/build/mkdb" --demo db.mdb
fi
if [ -n "${DISPLAY:-}" ]; then
  exec "$here/build/personnel"
fi
shot=$PWD/screenshot.png
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  "$0" & pid=$!
  sleep 4
  import -window root "$1"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true' "$here/build/personnel" "$shot"
echo "No display: the program ran on a virtual display; its first window is in $shot"
