#!/bin/sh
# ./scripts/play without building: a headless demo when there is no display, a
# clear message when the game program is missing, and the program started on the
# game directory when it is there.
#   play_test.sh PATH/TO/scripts/play BUILD_DIR
set -u
play="$1"
build="$2"
failures=0
check() {  # check NAME CONDITION-RESULT OUTPUT
  if [ "$2" -ne 0 ]; then
    echo "FAILED: $1"
    echo "$3" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

out=$(env -u DISPLAY -u WAYLAND_DISPLAY ORROWVALE_BUILD_DIR="$build" "$play" --no-build 2>&1)
status=$?
echo "$out" | grep -q "There is no display" && echo "$out" | grep -q "xvfb-run" &&
  echo "$out" | grep -q "^state: " && [ "$status" -eq 0 ]
check "without a display the script explains and plays the demo" $? "$out"

# A Wayland display is taken at its word, so the launch itself is what is tried.
fake=$(mktemp -d)
mkdir -p "$fake/game/data" "$fake/src/app"
out=$(env -u DISPLAY WAYLAND_DISPLAY=orrowvale-test ORROWVALE_BUILD_DIR="$fake" "$play" --no-build 2>&1)
status=$?
[ "$status" -ne 0 ] && echo "$out" | grep -q "src/app/orrowvale is missing"
check "a missing game program is named and fails" $? "$out"

printf '#!/bin/sh\necho "started with $*"\n' > "$fake/src/app/orrowvale"
chmod +x "$fake/src/app/orrowvale"
out=$(env -u DISPLAY WAYLAND_DISPLAY=orrowvale-test ORROWVALE_BUILD_DIR="$fake" "$play" --no-build --extra 2>&1)
status=$?
[ "$status" -eq 0 ] && echo "$out" | grep -q "started with --game-dir $fake/game --extra"
check "the game program starts on the built game directory" $? "$out"
rm -rf "$fake"

[ "$failures" -eq 0 ] && echo "play script: all checks passed"
exit "$failures"
