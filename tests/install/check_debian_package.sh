#!/usr/bin/env bash
# check_debian_package.sh BUILD SOURCE SCRATCH: cpack builds the Debian package; its dependencies
# come from dpkg-shlibdeps; its programs know no path of the source tree; unpacked into a scratch
# root, its veltora-batch finds its data and prints a mailing into a PDF.
set -uo pipefail
build=$1 source=$2 scratch=$3
. "$(dirname "$0")/common.sh"
fresh_dir "$scratch"
for tool in cpack dpkg-deb dpkg-shlibdeps pdfinfo; do
    command -v $tool >/dev/null || fail "$tool is not installed (scripts/install-deps installs it)"
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$scratch"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
dpkg-deb --info "$deb"

[ "$(dpkg-deb --field "$deb" Package)" = veltora ] || fail "the package is not named veltora"
[ "$(dpkg-deb --field "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
# Both programs' libraries: Qt Widgets is the window program's, libcups the batch printer's.
depends=$(dpkg-deb --field "$deb" Depends)
depended_packages=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libcups2; do
    grep -qxF "$library" <<<"$depended_packages" || fail "Depends lacks $library: $depends"
done

dpkg-deb --contents "$deb" | awk '{print $6}' >"$scratch/contents.txt"
grep -v '^\./usr/' "$scratch/contents.txt" | grep -v '^\./$' && fail "the package has files outside /usr"
for file in ./usr/bin/veltora ./usr/bin/veltora-batch ./usr/share/veltora/parfile ./usr/share/veltora/help/index.html \
    ./usr/share/applications/org.veltora.Veltora.desktop ./usr/share/metainfo/org.veltora.Veltora.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/veltora.svg ./usr/share/icons/hicolor/48x48/apps/veltora.png \
    ./usr/share/man/man1/veltora.1.gz ./usr/share/man/man1/veltora-batch.1.gz ./usr/share/man/ru/man1/veltora.1.gz ./usr/share/man/uk/man1/veltora.1.gz; do
    grep -qxF "$file" "$scratch/contents.txt" || fail "the package lacks $file"
done

dpkg-deb -x "$deb" "$scratch/root"
# The stripped programs hold no path of the source tree, neither as bytes nor as a Qt string (UTF-16).
utf16_source=$(printf '%s' "$source" | sed 's/./&\\x00/g')
for program in veltora veltora-batch; do
    binary=$scratch/root/usr/bin/$program
    if LC_ALL=C grep -qaF "$source" "$binary" || LC_ALL=C grep -qaP "$utf16_source" "$binary"; then
        fail "$program has the source tree's path $source compiled in"
    fi
done

print_mailing "$scratch/root/usr/bin/veltora-batch" "$scratch/run"

# Every dependency is a package this system knows and has installed, at a version that satisfies it.
if command -v apt-get >/dev/null; then
    apt-get install --simulate --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 ||
        { cat "$scratch/apt.log" >&2; fail "apt cannot install the package"; }
    grep -q '^Inst veltora ' "$scratch/apt.log" || { cat "$scratch/apt.log" >&2; fail "apt would not install veltora"; }
fi
echo "debian package: ok ($deb)"
