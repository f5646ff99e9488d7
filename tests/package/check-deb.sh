#!/bin/sh
# Builds the Debian package from a build tree, unpacks it into a scratch root and runs the
# installed command-line tool from there: it must find its own templates.
# Usage: check-deb.sh BUILD_DIR WITH_GUI(ON|OFF)
set -eu
build=$1
gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-deb: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack failed"
}
deb=$(ls "$work"/out/*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libc6' || fail "no shared-library dependencies declared"
dpkg -x "$deb" "$work/root"
root=$work/root/usr

for file in bin/vdcps share/valdren-cps/template/gx5_v001.ysht share/man/man1/vdcps.1 \
    share/man/man1/ValdrenCps.1 share/bash-completion/completions/vdcps \
    share/metainfo/net.valdren.ValdrenCps.metainfo.xml; do
    [ -f "$root/$file" ] || fail "the package lacks /usr/$file"
done
[ -f "$work/root/lib/udev/rules.d/70-valdren-cps.rules" ] ||
    [ -f "$root/lib/udev/rules.d/70-valdren-cps.rules" ] || fail "the package lacks the udev rule"
if [ "$gui" = ON ]; then
    for file in bin/ValdrenCps share/applications/valdren-cps.desktop \
        share/icons/hicolor/scalable/apps/valdren-cps.svg; do
        [ -f "$root/$file" ] || fail "the package lacks /usr/$file"
    done
    ls "$root"/share/valdren-cps/translations/*.qm >/dev/null 2>&1 || fail "no translations"
fi
appstreamcli validate --no-net "$root/share/metainfo/net.valdren.ValdrenCps.metainfo.xml" >/dev/null ||
    fail "the AppStream metainfo is not valid"
bash -n "$root/share/bash-completion/completions/vdcps" || fail "the completion is not valid bash"

# The installed tool, with nothing of the build tree in its environment.
mkdir "$work/home"
run() {
    env -u VALDREN_CPS_TEMPLATE_DIR -u VALDREN_CPS_INI HOME="$work/home" \
        XDG_CONFIG_HOME="$work/home/.config" "$root/bin/vdcps" "$@"
}
run models | grep -qx GX5 || fail "the installed vdcps lists no GX5"
run new VS73 -o "$work/radio.vdcps" >/dev/null || fail "the installed vdcps cannot create a project"
run info "$work/radio.vdcps" | grep -q VS73 || fail "the new project is not a VS73 project"
echo "check-deb: $(basename "$deb") installs and runs"
