#!/usr/bin/env bash
# Builds the release package as README's Install section does and tries it as a user would get
# it: lintian finds no error in it, apt installs it, the installed palaver-cli evaluates a line of
# argumentation, the package is the default application of .lin files, and the installed palaver
# opens a .lin file named on its command line (as the file manager starts it) in its window on a
# virtual display and closes from File > Exit, typed on the keyboard. The package is removed again
# at the end. Runs as root.
#   scripts/check-release-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)

if ((EUID != 0)); then
  echo "check-release-package.sh installs a package: run it as root" >&2
  exit 1
fi
if dpkg-query -W -f='${Status}' palaver 2>/dev/null | grep -q 'install ok installed'; then
  echo "A palaver package is installed already; remove it first (apt-get remove palaver)" >&2
  exit 1
fi

step() { printf '== %s\n' "$*"; }
seconds() { date +%s; }

# --- Build and pack, as README says --------------------------------------------------------------
started=$(seconds)
step "release build"
cmake --preset release >/dev/null
# Every warning counts here: a release build of our code must have none.
build_log=$(mktemp)
work=$(mktemp -d)
cleanup() {
  rm -f "$build_log"
  rm -rf "$work"
  if dpkg-query -W -f='${Status}' palaver 2>/dev/null | grep -q 'install ok installed'; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq palaver >/dev/null || true
  fi
}
trap cleanup EXIT
cmake --build --preset release 2>&1 | tee "$build_log" | grep -v '^\[[0-9]*/[0-9]*\]' || true
if grep -q 'warning:' "$build_log"; then
  echo "FAIL: the release build reports warnings" >&2
  exit 1
fi
step "cpack"
rm -f build/release/palaver_*.deb
(cd build/release && cpack >/dev/null)
debs=(build/release/palaver_*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: cpack wrote no package" >&2; exit 1; }
deb=${debs[0]}
echo "$deb ($(($(seconds) - started)) s)"

# --- lintian -----------------------------------------------------------------------------------
step "lintian $deb"
# Errors fail; warnings and the rest are shown, so that they are seen.
lintian --fail-on error --display-info "$deb" || { echo "FAIL: lintian reports errors" >&2; exit 1; }

# --- Install with apt --------------------------------------------------------------------------
step "apt-get install ./$deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; echo "FAIL: apt could not install the package" >&2; exit 1; }
for program in /usr/bin/palaver /usr/bin/palaver-cli; do
  [[ -x $program ]] || { echo "FAIL: $program is not installed" >&2; exit 1; }
done

# The installed programs keep their settings and logs in the user's configuration directory;
# give them one of their own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# --- The installed palaver-cli -----------------------------------------------------------------
step "palaver-cli evaluate"
(cd "$work" && QT_QPA_PLATFORM=offscreen /usr/bin/palaver-cli evaluate \
  "$source_dir/tests/data/transcript-worked-example.lin" >"$work/evaluate.json")
if ! cmp -s "$work/evaluate.json" tests/data/cli-worked-example.json; then
  diff -u tests/data/cli-worked-example.json "$work/evaluate.json" | head -n 40 >&2 || true
  echo "FAIL: the installed palaver-cli evaluates the worked example differently" >&2
  exit 1
fi
echo "the worked example evaluates as tests/data/cli-worked-example.json says"

# --- The file type: .lin files open with Palaver ------------------------------------------------
step "xdg-mime query default application/x-palaver-line"
printf 'STATEMENT\r\n  ?: Is the contract void?\r\n\r\nCURRENT POSITION\r\n\r\n' >"$work/dispute.lin"
# The desktop's MIME database, rebuilt by the package's install, knows .lin files as ours (xdg-mime
# itself asks `file` for a type when no desktop is running, which calls them plain text).
grep -q '^[0-9]*:application/x-palaver-line:\*\.lin$' /usr/share/mime/globs2 ||
  { echo "FAIL: the MIME database does not map *.lin to application/x-palaver-line" >&2; exit 1; }
filetype=application/x-palaver-line
default=$(xdg-mime query default application/x-palaver-line)
[[ $default == palaver.desktop ]] ||
  { echo "FAIL: .lin files open with '$default', not palaver.desktop" >&2; exit 1; }
desktop-file-validate /usr/share/applications/palaver.desktop ||
  { echo "FAIL: desktop-file-validate rejects the installed palaver.desktop" >&2; exit 1; }
grep -qxF 'Exec=palaver %f' /usr/share/applications/palaver.desktop ||
  { echo "FAIL: the desktop entry does not pass the file to palaver" >&2; exit 1; }
echo "a .lin file is $filetype, opened by $default"

# --- The installed palaver, its window driven by keys ------------------------------------------
step "palaver dispute.lin under xvfb-run, File > Exit"
cat >"$work/drive.sh" <<'EOF'
#!/usr/bin/env bash
# Runs inside xvfb-run: starts palaver on a .lin file as the file manager does, waits for its
# window to show the file's name, then types Alt+F, X.
set -uo pipefail
cd "$WORK"
/usr/bin/palaver dispute.lin >"$WORK/palaver.out" 2>&1 &
pid=$!
window=
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name '^Palaver - dispute\.lin$' 2>/dev/null | head -n1)
  [[ -n $window ]] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [[ -z $window ]]; then
  echo "FAIL: no window titled 'Palaver - dispute.lin' appeared within 30 s" >&2
  kill "$pid" 2>/dev/null
  wait "$pid"
  exit 1
fi
echo "window $window: $(xdotool getwindowname "$window")"
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: palaver is still running 10 s after File > Exit" >&2
  kill "$pid" 2>/dev/null
  wait "$pid"
  exit 1
fi
wait "$pid"
status=$?
echo "palaver ended with status $status"
exit "$status"
EOF
chmod +x "$work/drive.sh"
if ! WORK=$work xvfb-run -a -s '-screen 0 1280x1024x24' "$work/drive.sh"; then
  cat "$work/palaver.out" >&2 || true
  echo "FAIL: the installed palaver did not open and close cleanly" >&2
  exit 1
fi
# Closing writes the settings back: proof that the window went through its close sequence.
settings=$XDG_CONFIG_HOME/Palaver/Palaver.ini
if ! grep -qE $'^SavingOk=Yes\r?$' "$settings" 2>/dev/null; then
  echo "FAIL: palaver closed without writing $settings" >&2
  exit 1
fi
if [[ -s $work/palaver.out ]]; then
  echo "palaver printed:" && cat "$work/palaver.out"
fi
echo "the window opened dispute.lin and closed from File > Exit; it wrote $settings"

# --- Remove ------------------------------------------------------------------------------------
step "apt-get remove palaver"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq palaver >/dev/null
if [[ -e /usr/bin/palaver || -e /usr/bin/palaver-cli ]]; then
  echo "FAIL: removing the package left its programs behind" >&2
  exit 1
fi
echo "release package checked in $(($(seconds) - started)) s"
