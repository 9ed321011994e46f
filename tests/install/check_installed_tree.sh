#!/usr/bin/env bash
# check_installed_tree.sh BUILD SOURCE SCRATCH: `cmake --install` into a scratch prefix puts every
# file where a Linux desktop expects it; the installed programs, moved elsewhere with their tree,
# find their data beside them and run; the build tree runs the same way.
set -uo pipefail
build=$1 source=$2 scratch=$3
. "$(dirname "$0")/common.sh"
fresh_dir "$scratch"

cmake --install "$build" --prefix "$scratch/prefix" >"$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }

# The files, in the GNU install directories.
prefix=$scratch/prefix
app_id=org.veltora.Veltora
for program in veltora veltora-batch; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
diff -r -x translations "$source/data" "$prefix/share/veltora" || fail "share/veltora differs from the defaults and help in data/"
for lang in uk en; do
    [ -s "$prefix/share/veltora/translations/veltora_$lang.qm" ] || fail "share/veltora/translations/veltora_$lang.qm is missing"
done
for file in applications/$app_id.desktop metainfo/$app_id.metainfo.xml icons/hicolor/scalable/apps/veltora.svg \
    man/man1/veltora.1.gz man/man1/veltora-batch.1.gz man/ru/man1/veltora.1.gz man/ru/man1/veltora-batch.1.gz \
    man/uk/man1/veltora.1.gz man/uk/man1/veltora-batch.1.gz bash-completion/completions/veltora-batch; do
    [ -s "$prefix/share/$file" ] || fail "share/$file is not installed"
done
# Each bitmap of the icon has the size its folder names (the width and height of the PNG header).
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/veltora.png
    [ -s "$png" ] || fail "the ${size}x${size} icon is not installed"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
done
# The menu entry starts an installed program and names the installed icon; the metainfo names the entry.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/$app_id.desktop")
icon_name=$(sed -n 's/^Icon=//p' "$prefix/share/applications/$app_id.desktop")
[ -x "$prefix/bin/$exec_name" ] || fail "the menu entry starts '$exec_name', which is not installed"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "the menu entry's icon '$icon_name' is not installed"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo does not name the menu entry $app_id.desktop"
# The metainfo's screenshots are the ones the source tree keeps for the home page.
screenshots=$(sed -n 's|.*<image>.*/screenshots/\([^<]*\)</image>.*|\1|p' "$prefix/share/metainfo/$app_id.metainfo.xml")
[ -n "$screenshots" ] || fail "the metainfo shows no screenshot"
for shot in $screenshots; do
    [ "$(od -An -c -j1 -N3 "$source/docs/screenshots/$shot" 2>/dev/null | tr -d ' ')" = PNG ] ||
        fail "the metainfo's screenshot $shot is not a PNG in docs/screenshots"
done

# Moved elsewhere, the tree still works: the programs find their data relative to themselves. The
# marker proves that the working directory was seeded from this tree and from nowhere else.
mv "$prefix" "$scratch/moved"
moved=$scratch/moved
printf 'installed\r\n' >"$moved/share/veltora/installed-marker.txt"
print_mailing "$moved/bin/veltora-batch" "$scratch/batch"
[ -f "$scratch/batch/work/installed-marker.txt" ] || fail "veltora-batch seeded its working directory from elsewhere"

# Without its data beside it, the program names the folder it missed and prints nothing.
mkdir -p "$scratch/alone/bin" "$scratch/alone/home"
cp "$moved/bin/veltora-batch" "$scratch/alone/bin/"
env -u VELTORA_DATA HOME="$scratch/alone/home" VELTORA_WORKDIR="$scratch/alone/work" "$scratch/alone/bin/veltora-batch" \
    --table "$scratch/batch/mailing.txt" --columns 0,-,-,1,2,-,-,-,3 -o "$scratch/alone/mailing.pdf" \
    2>"$scratch/alone/stderr.txt" && fail "veltora-batch without its data reported success"
grep -qF "$scratch/alone/share/veltora" "$scratch/alone/stderr.txt" ||
    { cat "$scratch/alone/stderr.txt" >&2; fail "veltora-batch without its data does not name the missing folder"; }
[ ! -e "$scratch/alone/mailing.pdf" ] || fail "veltora-batch without its data wrote a PDF"

"$moved/bin/veltora-batch" --help >"$scratch/help.txt" || fail "veltora-batch --help failed"
grep -q -- '--table' "$scratch/help.txt" || fail "veltora-batch --help does not list its options"

# The window program starts offscreen, shows its main window and quits.
mkdir -p "$scratch/window/home"
env -u VELTORA_DATA HOME="$scratch/window/home" VELTORA_WORKDIR="$scratch/window/work" QT_QPA_PLATFORM=offscreen \
    VELTORA_EXIT_WHEN_SHOWN=1 timeout 120 "$moved/bin/veltora" || fail "the installed veltora did not start and quit (exit $?)"
[ -f "$scratch/window/work/installed-marker.txt" ] || fail "veltora seeded its working directory from elsewhere"

# The build tree has the same layout: its programs find build/share/veltora.
print_mailing "$build/src/veltora-batch" "$scratch/build-tree"
echo "installed tree: ok"
