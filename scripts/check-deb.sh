#!/usr/bin/env bash
# Builds the Debian package of a build with cpack and checks its control data and file list: the
# name, section and maintainer, the Qt libraries and the SVG plugin among the dependencies, and
# the files a system gets under /usr.
#   scripts/check-deb.sh BUILD_DIR [OUT_DIR]   (OUT_DIR keeps the package; default: a temporary one)
set -euo pipefail
build=$(cd "${1:?usage: check-deb.sh BUILD_DIR [OUT_DIR]}" && pwd)
if [[ -n ${2:-} ]]; then
  out=$(mkdir -p "$2" && cd "$2" && pwd)
else
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
fi

(cd "$out" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
}
debs=("$out"/palaver_*.deb)
if ((${#debs[@]} != 1)) || [[ ! -f ${debs[0]} ]]; then
  echo "FAIL: expected one palaver_*.deb in $out, found: ${debs[*]}" >&2
  exit 1
fi
deb=${debs[0]}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }

[[ $(field Package) == palaver ]] || fail "Package is '$(field Package)'"
[[ $(field Section) == education ]] || fail "Section is '$(field Section)'"
[[ $(field Priority) == optional ]] || fail "Priority is '$(field Priority)'"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
[[ -n $(field Version) ]] || fail "no Version"
description=$(field Description)
[[ $(head -n1 <<<"$description") == "argument-assistance program" ]] ||
  fail "the description's first line is '$(head -n1 <<<"$description")'"
(($(wc -l <<<"$description") > 3)) || fail "the description has no long part"

# The libraries come from dpkg-shlibdeps; the SVG plugin, which nothing links, by name.
depends=$(field Depends)
depended_on=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  grep -qxF "$library" <<<"$depended_on" || fail "Depends lacks $library: $depends"
done

listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ {print $6}' <<<"$listing" | LC_ALL=C sort)
wanted=$(
  printf '%s\n' ./usr/bin/palaver ./usr/bin/palaver-cli ./usr/share/applications/palaver.desktop \
    ./usr/share/icons/hicolor/scalable/apps/palaver.svg ./usr/share/mime/packages/palaver.xml \
    ./usr/share/man/man1/palaver.1.gz ./usr/share/man/man1/palaver-cli.1.gz \
    ./usr/share/doc/palaver/copyright ./usr/share/doc/palaver/changelog.gz
  for size in 16 22 24 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/palaver.png"
  done | cat
)
wanted=$(LC_ALL=C sort <<<"$wanted")
if [[ $files != "$wanted" ]]; then
  fail "the package's files differ from the expected list:"
  diff <(echo "$wanted") <(echo "$files") >&2 || true
fi
while read -r mode owner _ _ _ path _; do
  [[ $owner == root/root ]] || fail "$path is owned by $owner"
  case $path in
    ./usr/bin/*) [[ $mode == -rwxr-xr-x ]] || fail "$path has mode $mode" ;;
    ./*/) ;;
    *) [[ $mode == -rw-r--r-- ]] || fail "$path has mode $mode" ;;
  esac
done < <(awk '$1 !~ /^d/' <<<"$listing")

# The changelog's newest entry is this version, so that a new version cannot be packed with the
# old entry on top.
changelog_version=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/palaver/changelog.gz |
  zcat | head -n1 | sed -n 's/^palaver (\([^)]*\)).*/\1/p')
[[ $changelog_version == "$(field Version)" ]] ||
  fail "the changelog's newest entry is '$changelog_version', the package is $(field Version)"

if ((failures > 0)); then
  echo "$failures check(s) of $(basename "$deb") failed" >&2
  exit 1
fi
echo "$(basename "$deb"): control data and $(wc -l <<<"$files") files as expected"
