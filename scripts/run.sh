#!/usr/bin/env bash
# Sets up what is missing, builds, and runs tarnvik.exe under Wine with the
# practice chat window beside it as a ready target.
#  - With DISPLAY set, both open on that display; closing Tarnvik ends the run.
#  - Without a display, both run on a virtual X server for a short look:
#    Tarnvik shouts one line into the practice chat window, a screenshot is
#    saved, its path printed, and everything shut down.
# A WINEPREFIX given by the caller is used as it is (for example a game's
# prefix, so that Tarnvik lists the game's windows); otherwise the project's
# own prefix under build/run is made and reused.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target tarnvik practice_chat shout_demo >/dev/null

bin="$root/build/windows/bin"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=${WINEDEBUG:--all}
own_prefix=0
if [ -z "${WINEPREFIX:-}" ]; then
  own_prefix=1
  export WINEPREFIX="$root/build/run/prefix" WINEARCH=win32
  if [ ! -f "$WINEPREFIX/.tarnvik-ready" ]; then
    echo "Making Tarnvik's Wine prefix (once, about 20 s)..."
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tarnvik-ready"
  fi
fi

if [ -n "${DISPLAY:-}" ]; then
  wine "$bin/practice_chat.exe" </dev/null >/dev/null 2>&1 &
  chat=$!
  trap 'kill $chat 2>/dev/null || true' EXIT
  sleep 1
  wine "$bin/tarnvik.exe"
  exit 0
fi

# No display: a virtual X server and one Wine virtual desktop for both.
shots="$root/shots"
mkdir -p "$shots" "$root/build/run"
fd_file="$root/build/run/xvfb.display"
rm -f "$fd_file"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" </dev/null >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$fd_file")"
started=()
# Only the project's own prefix is shut down whole: a caller's prefix may be
# running a game, so there only what this script started is ended.
cleanup() {
  if [ "$own_prefix" = 1 ]; then
    wineserver -k 2>/dev/null || true
  elif [ ${#started[@]} -gt 0 ]; then
    kill "${started[@]}" 2>/dev/null || true
  fi
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

desktop="explorer /desktop=Tarnvik,1024x768"
wine $desktop "$bin/practice_chat.exe" </dev/null >/dev/null 2>&1 &
started+=($!)
sleep 2
wine $desktop "$bin/tarnvik.exe" </dev/null >/dev/null 2>&1 &
started+=($!)
# Shout one line into the practice chat window, as a user would: choose it,
# tick "自动喊话", untick once the line is there. The driver runs in the same
# virtual desktop and reports through a file.
result="$root/build/run/shout-result.txt"
rm -f "$result"
wine $desktop "$bin/shout_demo.exe" --result "$(winepath -w "$result")" </dev/null >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 600); do [ -s "$result" ] && break; sleep 0.1; done
echo "Shout into the practice chat window: $(cat "$result" 2>/dev/null || echo 'no answer')"
sleep 1
import -window root -crop 1024x768+0+0 +repage "$shots/tarnvik.png"
echo "Screenshot: $shots/tarnvik.png"
