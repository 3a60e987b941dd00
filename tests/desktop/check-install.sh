#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop sees there: the
# programs, guides, manual pages and icons in place, the menu entry and the software-centre
# description valid, and Kelvane documents (and only they) recognised by their content.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" > /dev/null

id=org.example.Kelvane
share=$stage/usr/share
expected=(
  usr/bin/kelvane usr/bin/kelvane-fit
  usr/share/applications/$id.desktop
  usr/share/mime/packages/$id.xml
  usr/share/metainfo/$id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/man/man1/kelvane.1.gz usr/share/man/man1/kelvane-fit.1.gz
  usr/share/doc/kelvane/kelvane_user_guide.pdf
  usr/share/doc/kelvane/kelvane_error_methods_guide.pdf
  usr/share/doc/kelvane/copyright usr/share/doc/kelvane/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  [ -s "$stage/$file" ] || { echo "not installed: $file"; exit 1; }
done
file "$share/icons/hicolor/48x48/apps/$id.png" | grep -q "48 x 48" ||
  { echo "the 48 pixel icon is not 48 pixels"; exit 1; }

# Hints count too: two main categories, for one, list the program twice in some menus.
validation=$(desktop-file-validate "$share/applications/$id.desktop")
[ -z "$validation" ] || { echo "$validation"; exit 1; }
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" > /dev/null

update-mime-database "$share/mime"
content_type() {
  XDG_DATA_DIRS="$share:/usr/share" gio info -a standard::content-type "$1" |
    sed -n 's/.*standard::content-type: //p'
}
printf 'TPF0\x0bTGridPropIO\x00\x08ColCount\x02\x03' > "$stage/run1.dat"
cp "$stage/run1.dat" "$stage/run1"
printf '1 2.5\r\n3 7\r\n' > "$stage/table.dat"
for doc in run1.dat run1; do
  [ "$(content_type "$stage/$doc")" = application/x-kelvane-document ] ||
    { echo "$doc is not recognised as a Kelvane document"; exit 1; }
done
[ "$(content_type "$stage/table.dat")" != application/x-kelvane-document ] ||
  { echo "a text table named .dat was claimed"; exit 1; }
echo "installed layout, desktop entry, metainfo and document type: all good"
