#!/usr/bin/env bash
# What the build found on this machine is what build.sh installs on a new one:
# every package configuration (<Name>_DIR) that CMake found under /usr, and
# every program or library the build itself looked for, belongs to a Debian package that build.sh names, or to one of their
# dependencies.  A package installed here by hand, and used by the build,
# would otherwise pass every test here and fail on a new machine.
#   packages.sh <CMakeCache.txt> <build.sh>
set -euo pipefail
cache="$1"
script="$2"

if ! command -v dpkg-query >/dev/null; then
    echo "SKIP: not a Debian system (no dpkg-query)"
    exit 77
fi

# The packages build.sh names: the words after each ensure_packages, over
# continued lines.
named="$(sed -e ':a' -e '/\\$/N; s/\\\n//; ta' "$script" |
    grep -oE '(^|[[:space:]])ensure_packages[[:space:]][^;&|#]*' |
    sed -E 's/^[[:space:]]*ensure_packages//' | tr -s ' \t' '\n' |
    grep -E '^[a-z0-9][a-z0-9.+-]+$' | sort -u || true)"
[ -n "$named" ] || { echo "FAIL: no package named by ensure_packages in $script" >&2; exit 1; }

# The configuration files found, one for each <Name>_DIR, and the programs
# and libraries the build runs or links: found by pkg-config, the compiler,
# and the programs found by the project itself (ZT_*, XVFB_RUN...).
entries=()
files=()
while IFS='=' read -r entry value; do
    name="${entry%%:*}"
    case "$entry" in
    *_DIR:PATH)
        [ -d "$value" ] || continue
        name="${name%_DIR}"
        file="$value/${name}Config.cmake"
        [ -f "$file" ] || file="$value/${name,,}-config.cmake"
        [ -f "$file" ] || file="$(find "$value" -maxdepth 1 \( -name '*Config.cmake' -o -name '*-config.cmake' \) | sort | head -n1)"
        name="${name}_DIR"
        ;;
    *:FILEPATH)
        [ -e "$value" ] && file="$value" || file=""
        ;;
    esac
    [ -n "$file" ] || continue
    entries+=("$name")
    files+=("$file")
done < <(grep -E '^([A-Za-z0-9_]+_DIR:PATH|(ZT_[A-Z0-9_]+|XVFB_RUN|PKG_CONFIG_EXECUTABLE|pkgcfg_lib_[A-Za-z0-9_]+|CMAKE_CXX_COMPILER|CMAKE_MAKE_PROGRAM):FILEPATH)=/usr/' "$cache")
((${#files[@]})) || { echo "FAIL: no package configuration under /usr in $cache" >&2; exit 1; }

# Which package owns each of them, and every package the named ones bring
# with them through the Depends and Pre-Depends of the installed packages (a
# virtual name counts through the packages providing it), with the packages
# every Debian system has (essential or required).
# A path may be known to dpkg by another name: the file a link names, or
# without /usr on a system whose /bin is /usr/bin.
owner_of() {
    local real candidate
    real="$(realpath -e "$1" 2>/dev/null || echo "$1")"
    for candidate in "$1" "${1#/usr}" "$real" "${real#/usr}"; do
        dpkg-query -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1 | cut -d, -f1 && return
    done
}
owners=""
for file in "${files[@]}"; do
    owner="$(owner_of "$file")"
    [ -n "$owner" ] && owners+="$owner: $file"$'\n'
done
{
    echo "#named $(tr "\n" " " <<<"$named")"
    dpkg-query -W -f='${Package}\t${Depends}, ${Pre-Depends}\t${Provides}\t${Essential}${Priority}\n'
} | awk -F'\t' -v owners="$owners" -v files="$(printf '%s\n' "${files[@]}")" \
        -v entries="$(printf '%s\n' "${entries[@]}")" '
    function clean(name) { sub(/\(.*/, "", name); sub(/:.*/, "", name); gsub(/[ \t]/, "", name); return name }
    /^#named / { n = split(substr($0, 8), list, /[ \n]+/); for (i = 1; i <= n; i++) if (list[i] != "") stack[++top] = list[i]; next }
    {
        deps[$1] = $2
        if ($4 ~ /^yes/ || $4 ~ /required$/) stack[++top] = $1
        m = split($3, v, ","); for (i = 1; i <= m; i++) { p = clean(v[i]); if (p != "") provided[p] = provided[p] " " $1 }
    }
    END {
        while (top > 0) {
            p = stack[top--]
            if (p == "" || (p in closure)) continue
            closure[p] = 1
            m = split(provided[p], v, " "); for (i = 1; i <= m; i++) stack[++top] = v[i]
            m = split(deps[p], d, /[,|]/); for (i = 1; i <= m; i++) { q = clean(d[i]); if (q != "" && !(q in closure)) stack[++top] = q }
        }
        n = split(owners, lines, "\n")
        for (i = 1; i <= n; i++) { split(lines[i], kv, ": "); split(kv[1], pk, ", "); sub(/:.*/, "", pk[1]); owner[kv[2]] = pk[1] }
        n = split(files, f, "\n"); split(entries, e, "\n"); status = 0
        for (i = 1; i <= n; i++) {
            if (f[i] == "") continue
            checked++
            if (!(f[i] in owner)) { print "FAIL: " e[i] ": " f[i] " belongs to no Debian package (installed by hand?)" > "/dev/stderr"; status = 1 }
            else if (!(owner[f[i]] in closure)) { print "FAIL: " e[i] ": " f[i] " comes from the package " owner[f[i]] ", which build.sh does not install" > "/dev/stderr"; status = 1 }
        }
        if (!status) print checked " package configurations, programs and libraries found by CMake, all from packages build.sh installs"
        exit status
    }'
