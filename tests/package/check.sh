#!/usr/bin/env bash
# The Debian package as a player gets it: built with CPack from this build,
# checked by Debian's own tools, unpacked into a temporary root and run there.
#   check.sh <build folder> <version>
set -euo pipefail
build="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for tool in cpack lintian desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (./build.sh test installs it)"
        exit 77
    fi
done

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=("$work"/out/zentrima13_*_amd64.deb)
[ -f "${deb[0]}" ] || fail "no zentrima13_<version>_amd64.deb"

# Lintian: no error, and none of its hardening tags (informational ones
# included).  What may be left is "Serie" (a word of the wheel) read as a
# misspelling.
lintian --fail-on error --display-info "${deb[0]}" | tee "$work/lintian.log"
grep -q '^E:' "$work/lintian.log" && fail "lintian reports errors"
grep -q 'hardening-' "$work/lintian.log" && fail "lintian: the program lacks hardening"

root="$work/root"
dpkg-deb -x "${deb[0]}" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "metainfo"
[ -f "$root/usr/share/man/man1/zentrima13.1.gz" ] || fail "no manual page"
[ -f "$root/usr/share/man/it/man1/zentrima13.1.gz" ] || fail "no Italian manual page"
[ -f "$root/usr/share/doc/zentrima13/changelog.Debian.gz" ] || fail "no changelog.Debian"
[ -f "$root/usr/share/bash-completion/completions/zentrima13" ] || fail "no completion"
for size in 16 22 24 32 48 64 128 256 512; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/zentrima13.png" ] || fail "icon $size"
done
dpkg-deb -f "${deb[0]}" Depends | grep -q 'libqt6core6' || fail "Depends not computed"
# A game, with a Debian revision, and no screenshot address that leads nowhere.
[ "$(dpkg-deb -f "${deb[0]}" Section)" = games ] || fail "Section"
[ "$(dpkg-deb -f "${deb[0]}" Version)" = "$version-1" ] || fail "Version is not $version-1"
! grep -q '<screenshot' "$root"/usr/share/metainfo/*.metainfo.xml || fail "screenshot address"

program="$root/usr/games/zentrima13"
# The hardening of Debian's own packages, in the binary itself: the stack
# protector, fortified functions, read-only relocations bound at start, a
# position-independent executable.
symbols="$(readelf -W --dyn-syms "$program")"
grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "no stack protector (__stack_chk_fail)"
grep -q ' __[a-z_]*_chk@' <<<"$(grep -v __stack_chk_fail <<<"$symbols")" || fail "no fortified functions"
readelf -W -l "$program" | grep -q 'GNU_RELRO' || fail "no RELRO"
readelf -W -d "$program" | grep -q 'BIND_NOW' || fail "not bound at start (-z now)"
readelf -W -h "$program" | grep -q 'Type: *DYN' || fail "not position-independent"
[ "$("$program" --version)" = "zentrima13 $version" ] || fail "--version"

# The manual pages speak the language of the windows they describe: the
# English page names the board's English captions, the Italian page the
# Italian ones (and each page every window and key of the board).
for caption in '"Quorix Mode"' '"Max. spins"' '"SAVE"' '"WHEEL"' '"CLR LAST"' '"Record Spins"' 'Ctrl+P' '"Stakes"'; do
    zcat "$root/usr/share/man/man1/zentrima13.1.gz" | grep -qF -- "$caption" || fail "the manual page lacks $caption"
done
for caption in '"Modo Quorix"' '"Contr. Massimo"' '"SALVA"' '"ROUTA"' '"C. ULTIMO"' '"Registra Uscite"' 'Ctrl+P' '"Puntate"'; do
    zcat "$root/usr/share/man/it/man1/zentrima13.1.gz" | grep -qF -- "$caption" || fail "the Italian manual page lacks $caption"
done

# Every option a command's --help lists is in both manual pages and the
# completion.
man="$(zcat "$root/usr/share/man/man1/zentrima13.1.gz" | sed 's/\\-/-/g')"
manIt="$(zcat "$root/usr/share/man/it/man1/zentrima13.1.gz" | sed 's/\\-/-/g')"
completion="$(cat "$root/usr/share/bash-completion/completions/zentrima13")"
for command in "" $(LANGUAGE=it "$program" --help | awk '/^Comandi:/{c=1;next} c&&/^  [a-z]/{print $1} /^$/{if(c)exit}'); do
    options="$("$program" $command --help | grep -o -- '--[a-z][a-z-]*' | sort -u)"
    for option in $options; do
        grep -q -- "$option" <<<"$man" || fail "$option of '${command:-zentrima13}' missing from the manual page"
        grep -q -- "$option" <<<"$manIt" || fail "$option of '${command:-zentrima13}' missing from the Italian manual page"
        grep -q -- "$option\\b" <<<"$completion" || fail "$option of '${command:-zentrima13}' missing from the completion"
    done
    [ -z "$command" ] || grep -q -- "$command" <<<"$completion" || fail "command $command missing from the completion"
done

# A verify over a small file, with the installed program.
cd "$work"
"$program" import - --db "$work/dati.mdb" <<<"5, 17, 32, 8, 11, 30, 2, 14, 9" >/dev/null
LANGUAGE=it "$program" verify --db "$work/dati.mdb" --out "$work/Statistica.txt" >"$work/panel.txt"
grep -q '^Boules: 9$' "$work/panel.txt" || { cat "$work/panel.txt"; fail "verify"; }
[ -s "$work/Statistica.txt" ] || fail "no report"
echo "package ok: $(basename "${deb[0]}")"
