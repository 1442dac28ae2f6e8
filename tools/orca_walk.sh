#!/bin/bash
# The keyboard-only walk of a blind user, heard through the real Orca: each
# step prints what Orca spoke. A developer's tool, not part of the test
# command: Orca speaks asynchronously, at its own pace, so a check of its
# words could only wait for them with a time limit, and a loaded machine
# would then fail it by chance. The in-process tests check what Orca is given
# (tests/ui/screen_reader_speech_test.cpp); this is how to hear what it makes of it.
#
#   tools/orca_walk.sh [program]          default: build/shell/QYFreeAmoretChart
#
# Needs the headless Orca session script (SESSION=path; by default
# ../shared/tools/screen-reader-session.sh beside the project) and the packages
# its first lines name. It uses the X display :99 (DISP=:N for another).
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SESSION=${SESSION:-$ROOT/../shared/tools/screen-reader-session.sh}
export APP=${1:-$ROOT/build/shell/QYFreeAmoretChart}
if [ ! -x "$SESSION" ] || ! command -v orca >/dev/null; then
    echo "orca_walk: needs Orca and the session script ($SESSION)" >&2
    exit 77
fi
export OUT=${OUT:-$(mktemp -d /tmp/orca-walk.XXXXXX)} WAIT=${WAIT:-3}

# A throwaway HOME whose reminder date is a month old, so that the update
# question comes first. The setting is named after the executable; key and
# value are stored shifted by 95 codes, the key escaped as QSettings writes it.
export APPHOME=$(mktemp -d /tmp/orca-walk-home.XXXXXX)
mkdir -p "$APPHOME/.config"
python3 - "$APPHOME/.config/$(basename "$APP").ini" <<'EOF'
import datetime, sys
old = (datetime.date.today() - datetime.timedelta(days=30)).isoformat()
value = "".join(chr(ord(c) + 95) for c in old)
with open(sys.argv[1], "w", encoding="utf-8") as ini:
    ini.write("[Settings]\n%A3%D4%D1%C0%D3%C8%CE%CD=" + value + "\n")
EOF

step() { # title, then the session's sub-command and its arguments
    echo "--- $1"
    shift
    "$SESSION" "$@"
}

"$SESSION" start >/dev/null
trap '"$SESSION" stop' EXIT
step "the program starts: the update question" app
step "where am I (KP_Enter)" key KP_Enter
step "Tab" key Tab
step "Enter on No" key Return
step "type a name" type Li
step "Tab to the day list" key Tab
step "Down" key Down
step "Down" key Down
step "Up" key Up
step "first letter: 2" key 2
step "where am I" key KP_Enter
step "Tab to the month list" key Tab
step "Down" key Down
step "first letter: m" key m
step "Tab to the year list" key Tab
step "first letter: 1" key 1
step "open the list (Alt+Down)" key alt+Down
step "Down in the open list" key Down
step "choose it (Enter)" key Return
step "where am I" key KP_Enter
step "Tab" key Tab
step "Get My Peach Blossom Reading (Alt+G)" key alt+g
step "where am I" key KP_Enter
for _ in 1 2 3 4 5; do step "Tab" key Tab; done
WAIT=12 step "say all (KP_Add)" key KP_Add
WAIT=15 step "flat review say all (KP_Add twice)" keys KP_Add KP_Add
step "leave flat review (KP_Subtract)" key KP_Subtract
step "Help menu (Alt+H)" key alt+h
step "About Software (A)" key a
step "Tab" key Tab
step "Tab" key Tab
step "Escape" key Escape
step "Back (Alt+B)" key alt+b
step "a reading without a name (Alt+G)" key alt+g
step "Enter on OK" key Return
step "close the window (Alt+F4)" key alt+F4
