#!/usr/bin/env bash
# Drives the real window on a virtual display as a user would, with the keyboard, and checks what
# leaves it: `palaver dispute.lin` opens the file (title "Palaver - dispute.lin"); Ctrl+E exports
# a PDF (its text holds every statement), an SVG and a PNG through the real save dialog; Ctrl+P
# prints the tall diagram to several PDF pages through the real print dialog, each statement whole
# on one page; Ctrl+C puts the drawing on the clipboard, where another program reads it; Ctrl+Plus
# twice widens the first box and Ctrl+0 gives back the same pixels; Ctrl+F finds a statement below
# the fold and scrolls to it. Screenshots are left in the output folder to be looked at.
#
# Needs xvfb-run, xdotool, xclip, ImageMagick (import) and poppler-utils (pdftotext, pdfinfo); not
# part of CI, which tests the same through the window tests.
#   scripts/check-window-output.sh [BUILD_DIR] [OUT_DIR]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
out=$(realpath -m "${2:-$(mktemp -d)}")
for tool in xvfb-run xdotool xclip import pdftotext pdfinfo; do
  command -v "$tool" >/dev/null || { echo "check-window-output.sh needs $tool" >&2; exit 2; }
done
mkdir -p "$out"
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
# The program keeps its settings beside itself when it can write there: a copy of its own.
cp "$build/src/app/palaver" "$run/"
{
  n=0
  while ((n < 60)); do
    printf 'STATEMENT\r\n  ?: Statement number %d of the dispute about the contract\r\n\r\n' "$n"
    n=$((n + 1))
  done
  printf 'CURRENT POSITION\r\n\r\n'
} >"$run/dispute.lin"

cat >"$run/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -uo pipefail
cd "$RUN"
shot() { import -window root "$OUT/$1.png"; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.7; }
# No window manager hands the focus back when a dialog closes: as a user clicks the window.
refocus() { xdotool windowfocus --sync "$w" 2>/dev/null; sleep 0.3; }
HOME=$RUN ./palaver dispute.lin >"$OUT/palaver.log" 2>&1 &
pid=$!
w=
for _ in $(seq 1 300); do
  w=$(xdotool search --onlyvisible --name '^Palaver - dispute\.lin$' 2>/dev/null | head -n1)
  [[ -n $w ]] && break
  sleep 0.1
done
[[ -n $w ]] || { echo "FAIL: no window titled 'Palaver - dispute.lin'"; kill $pid; exit 1; }
echo "PASS: palaver dispute.lin opened '$(xdotool getwindowname "$w")'"
refocus
shot start
for f in dispute.pdf dispute.svg dispute.png; do
  refocus
  key ctrl+e
  key ctrl+a
  xdotool type --delay 15 "$OUT/$f"
  key Return
  sleep 1
done
refocus
key ctrl+p
shot print-dialog
# With no printer, the dialog's file printer proposes dispute.pdf in the working folder.
key Return
sleep 2
cp dispute.pdf "$OUT/printed.pdf" 2>/dev/null
refocus
xdotool mousemove --window "$w" 300 200 click 1
sleep 0.5
key ctrl+c
xclip -selection clipboard -t image/png -o >"$OUT/pasted.png" 2>/dev/null
xclip -selection clipboard -t image/svg+xml -o >"$OUT/pasted.svg" 2>/dev/null
shot zoom-100
key ctrl+plus
key ctrl+plus
shot zoom-125
key ctrl+0
shot zoom-back
key ctrl+f
xdotool type --delay 15 "number 57"
sleep 0.7
shot found
key Escape
refocus
key alt+f
key x
sleep 1
wait $pid
DRIVE
chmod +x "$run/drive.sh"
RUN=$run OUT=$out xvfb-run -a -s '-screen 0 1024x768x24' "$run/drive.sh"

status=0
fail() { echo "FAIL: $*"; status=1; }
text=$(pdftotext "$out/dispute.pdf" - 2>/dev/null)
missing=0
for n in $(seq 0 59); do
  grep -q "Statement number $n of the dispute" <<<"$text" || missing=$((missing + 1))
done
((missing == 0)) && echo "PASS: the exported PDF's text holds all 60 statements" ||
  fail "the exported PDF lacks $missing statements"
file -b "$out/dispute.svg" | grep -q SVG && echo "PASS: the exported SVG is $(file -b "$out/dispute.svg")" ||
  fail "no SVG exported"
file -b "$out/dispute.png" | grep -q '^PNG' && echo "PASS: the exported PNG is $(file -b "$out/dispute.png")" ||
  fail "no PNG exported"
pages=$(pdfinfo "$out/printed.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
if [[ ${pages:-0} -ge 2 ]]; then
  whole=0
  for p in $(seq 1 "$pages"); do
    whole=$((whole + $(pdftotext -f "$p" -l "$p" "$out/printed.pdf" - | grep -c 'Statement number [0-9]* of the dispute about the contract')))
  done
  ((whole == 60)) && echo "PASS: printed on $pages pages, each of the 60 statements whole on one page" ||
    fail "the print holds $whole whole statements"
else
  fail "the print has ${pages:-no} pages"
fi
file -b "$out/pasted.png" | grep -q '^PNG' && echo "PASS: the clipboard pastes $(file -b "$out/pasted.png")" ||
  fail "nothing to paste from the clipboard"
cmp -s "$out/zoom-100.png" "$out/zoom-back.png" && echo "PASS: Ctrl+0 gives back the same pixels" ||
  fail "Ctrl+0 does not give back the picture before the zoom"
cmp -s "$out/zoom-100.png" "$out/zoom-125.png" && fail "Ctrl+Plus changed nothing" ||
  echo "PASS: Ctrl+Plus twice changed the drawing (see zoom-125.png)"
cmp -s "$out/zoom-back.png" "$out/found.png" && fail "Ctrl+F changed nothing" ||
  echo "PASS: Ctrl+F scrolled to the statement (see found.png)"
echo "screenshots and files in $out"
exit $status
