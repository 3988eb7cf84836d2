#!/usr/bin/env bash
# Screenshots of every window in the light and the dark skin, into docs/screenshots/.
# Usage: scripts/screenshots.sh [build folder]   (default build-dev; needs personnel and mkdb built)
# Runs the program on a demo company under xvfb-run with openbox and picom and drives it with xdotool.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build-dev}" && pwd)
out="$here/docs/screenshots"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
password=$("$build/mkdb" --demo "$work/db.mdb" | sed -n 's/^password: //p')

# The steps, run inside the display: $1 palette, $2 password, $3 output folder.
cat >"$work/steps.sh" <<'EOF'
palette=$1; password=$2; out=$3
snap() { sleep 0.8; import -window root "$out/$palette-$1.png"; }
# Window id of the visible window whose title is $1.
win() { xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
# Brings window $1 to the front and clicks its client point x y (the skin's frame puts the client 1
# pixel right, 24 down).
click() {
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  xdotool mousemove --window "$1" $(($2 + 1)) $(($3 + 24)) click "${4:-1}"; sleep 0.5
}
login=$(win "人事管理系统 - 登录")
snap login
click "$login" 104 164 # 确定 with no password: the message dialog
snap message
xdotool key Return; sleep 0.5
click "$login" 200 110
xdotool type --delay 40 "$password"
click "$login" 104 164
main=$(win " 人事信息管理系统  人事部信息组 制作")
snap main
click "$main" 311 146 # 档案管理
archive=$(win "档案管理")
snap archive-page1
for page in 2 3 4 5; do
  click "$archive" $((204 + 38 + (page - 1) * 72)) 228
  snap "archive-page$page"
done
click "$archive" 60 40 3 # the tree's menu
snap archive-treemenu
xdotool mousemove_relative 50 12 click 1; sleep 0.5 # 添加主部门
snap adddept
click "$main" 173 146 # 待办事项
snap todo
click "$main" 209 282 # 管理用户
snap accounts
EOF

for palette in light dark; do
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    openbox >/dev/null 2>&1 & sleep 0.5
    picom -b >/dev/null 2>&1 || true
    cd "$1"; "$2/personnel" --palette "$3" >"$1/personnel-$3.txt" 2>&1 & pid=$!
    sleep 3
    bash "$1/steps.sh" "$3" "$4" "$5" || echo "screenshots: the $3 steps stopped early" >&2
    kill $pid 2>/dev/null; wait $pid 2>/dev/null; true' _ "$work" "$build" "$palette" "$password" "$out"
done
ls "$out"
