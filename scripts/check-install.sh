#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a system would get: the two programs,
# the desktop entry, the icon in every size, the MIME type of .lin files and the man page, and
# nothing else; then runs the installed palaver-cli.
#   scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Exactly these files, so that a stray install rule (a test program, a static library) shows.
sizes=(16 22 24 32 48 64 128 256)
expected=(bin/palaver bin/palaver-cli share/applications/palaver.desktop
  share/icons/hicolor/scalable/apps/palaver.svg share/mime/packages/palaver.xml
  share/man/man1/palaver.1.gz share/man/man1/palaver-cli.1.gz
  share/doc/palaver/copyright share/doc/palaver/changelog.gz)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/palaver.png")
done
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [[ $actual != "$wanted" ]]; then
  fail "installed files differ from the expected list:"
  diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi

for program in palaver palaver-cli; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"
done

desktop=$prefix/share/applications/palaver.desktop
if [[ -f $desktop ]]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects palaver.desktop"
  # The file manager opens a .lin file with Palaver, which takes the file on its command line.
  for line in 'Type=Application' 'Name=Palaver' 'Exec=palaver %f' 'Icon=palaver' \
    'Categories=Education;Office;' 'MimeType=application/x-palaver-line;'; do
    grep -qxF "$line" "$desktop" || fail "palaver.desktop lacks the line $line"
  done
  grep -q '^Comment=.' "$desktop" || fail "palaver.desktop has no Comment"
fi

for size in "${sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/palaver.png
  [[ -f $png ]] || continue
  file -b "$png" | grep -q "^PNG image data, $size x $size," ||
    fail "the ${size}x${size} icon is $(file -b "$png")"
done
cmp -s "$source_dir/packaging/palaver.svg" "$prefix/share/icons/hicolor/scalable/apps/palaver.svg" ||
  fail "the scalable icon is not packaging/palaver.svg"

# The MIME package must compile, and .lin must map to our type.
mime=$prefix/share/mime
if [[ -f $mime/packages/palaver.xml ]]; then
  if update-mime-database "$mime" 2>"$prefix/mime.err"; then
    grep -qxF 'application/x-palaver-line:*.lin' "$mime/globs" ||
      fail "the MIME database does not map *.lin to application/x-palaver-line"
    grep -q '<comment>.' "$mime/packages/palaver.xml" || fail "the MIME type has no comment"
  else
    fail "update-mime-database rejects palaver.xml: $(cat "$prefix/mime.err")"
  fi
fi

# The man pages format without warnings; palaver-cli's documents every option of every command.
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1) || true
  [[ -z $warnings ]] || fail "groff warns about $(basename "$page"): $warnings"
  zcat "$page" | head -n1 | grep -qE '"Palaver [0-9]+\.[0-9]+\.[0-9]+"' ||
    fail "the header of $(basename "$page") names no version: $(zcat "$page" | head -n1)"
done
page=$prefix/share/man/man1/palaver-cli.1.gz
if [[ -f $page ]]; then
  # Long lines and no hyphenation, so that no option name is split; plain text, no overstrikes.
  text=$(zcat "$page" | groff -man -rLL=1000n -rHY=0 -Tutf8 -P-cbou 2>/dev/null)
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS'; do
    grep -q "^$section" <<<"$text" || fail "the man page has no $section section"
  done
  for command in evaluate render export; do
    for option in $("$prefix/bin/palaver-cli" "$command" --help | grep -oE -- '(^| )--?[a-z-]+' | sort -u); do
      grep -qF -- "$option" <<<"$text" || fail "the man page does not mention $option of $command"
    done
  done
fi

# The installed palaver-cli runs, with nothing from the build tree.
if ! out=$("$prefix/bin/palaver-cli" export --format argdown "$source_dir/tests/data/export-worked.lin"); then
  fail "the installed palaver-cli could not export"
elif [[ $out != "$(cat "$source_dir/tests/data/export-worked.argdown")" ]]; then
  fail "the installed palaver-cli exports something else than the golden file"
fi

if ((failures > 0)); then
  echo "$failures check(s) of the install tree failed" >&2
  exit 1
fi
echo "install tree: ${#expected[@]} files as expected"
