#!/bin/bash
# Installs the build into a temporary prefix and meets it as a desktop and a
# player would: the tree, the desktop entry and the AppStream metainfo through
# their validators, the manual page through man, and the program started by
# its name from the PATH for one deal. Then, where lintian is installed and
# the package can be built, makes the Debian package and has lintian check it.
# Usage: installazione_test.sh <build> <id> <bindir> <program dir> <datadir> <mandir> <cpack> <version>
# Needs desktop-file-validate (desktop-file-utils), appstreamcli (appstream)
# and man (man-db); the tune is played with the TimGM6mb SoundFont. The
# package needs lintian, dpkg-shlibdeps (dpkg-dev) and file.
set -u
build=$1 id=$2 bindir=$3 cartella=$4 datadir=$5 mandir=$6 cpack=$7 versione=$8

# The title pause lasts at most 3.5 s; the deal follows at once.
readonly kDopoLaPrimaMano=6

errori=0
Fallito()
{
    echo "FAILED: $*" >&2
    errori=$((errori + 1))
}

for strumento in desktop-file-validate appstreamcli man; do
    command -v "$strumento" >/dev/null || {
        echo "FAILED: $strumento is not installed (see the README's test command)" >&2
        exit 1
    }
done

prefisso=$(mktemp -d)
trap 'rm -rf "$prefisso"' EXIT
cmake --install "$build" --prefix "$prefisso" >/dev/null || {
    echo "FAILED: cmake --install" >&2
    exit 1
}

# The tree: a relative link on the PATH to the program, its sounds beside it.
collegamento=$prefisso/$bindir/belvane
programma=$prefisso/$cartella/belvane
[ -L "$collegamento" ] || Fallito "$bindir/belvane is not a symbolic link"
case $(readlink "$collegamento") in
/*) Fallito "$bindir/belvane points to an absolute path" ;;
esac
[ "$(realpath "$collegamento")" = "$(realpath "$programma")" ] || Fallito "$bindir/belvane does not lead to $cartella/belvane"
[ -x "$programma" ] || Fallito "$cartella/belvane is not executable"
for suono in Music/10carte.mid Music/bump.mid carta.wav; do
    [ -s "$prefisso/$cartella/$suono" ] || Fallito "$suono is not beside the program"
done
voce=$prefisso/$datadir/applications/$id.desktop
metainfo=$prefisso/$datadir/metainfo/$id.metainfo.xml
pagina=$prefisso/$mandir/man6/belvane.6.gz
for file in "$voce" "$metainfo" "$pagina" "$prefisso/$datadir/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$file" ] || Fallito "${file#"$prefisso"/} is missing"
done
# What only the Debian package carries stays out of a plain install.
for file in games/belvane "$datadir/doc/belvane/changelog.Debian.gz" "$datadir/lintian"; do
    if [ -e "$prefisso/$file" ] || [ -L "$prefisso/$file" ]; then
        Fallito "cmake --install put $file in place"
    fi
done
# Each PNG is as large as its folder says: width and height from its header.
for lato in 16 32 48 64 128 256; do
    icona=$prefisso/$datadir/icons/hicolor/${lato}x${lato}/apps/$id.png
    intestazione=$(od -An -tx1 -N24 "$icona" 2>/dev/null | tr -d ' \n')
    atteso=$(printf '89504e470d0a1a0a0000000d49484452%08x%08x' "$lato" "$lato")
    [ "$intestazione" = "$atteso" ] || Fallito "${icona#"$prefisso"/} is not a ${lato}x${lato} PNG"
done

# The validators say nothing but success.
uscita=$(desktop-file-validate "$voce" 2>&1) && [ -z "$uscita" ] || Fallito "desktop-file-validate: $uscita"
# The tree check also finds the desktop entry the metainfo launches.
uscita=$(appstreamcli validate-tree --no-net "$prefisso" 2>&1) || Fallito "appstreamcli validate-tree: $uscita"
uscita=$(MANWIDTH=80 man --warnings -l "$pagina" 2>&1 >/dev/null) && [ -z "$uscita" ] || Fallito "man: $uscita"

# One deal from the PATH, then SIGTERM: the program must still be running
# after the title pause and the deal, and end by that signal, not by a crash.
# SDL's disk driver stands in for a sound card: what it writes shows that
# the game tune was found beside the real program, though started by the link.
diagnosi=$prefisso/stderr
suono=$prefisso/uscita.raw
PATH="$prefisso/$bindir:$PATH" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$suono" \
    BELVANE_DEBUG=1 belvane 2>"$diagnosi" &
pid=$!
sleep "$kDopoLaPrimaMano"
if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    wait "$pid"
    stato=$?
    [ "$stato" -eq $((128 + 15)) ] || Fallito "the program ended with status $stato on SIGTERM"
else
    wait "$pid"
    Fallito "the program ended by itself (status $?) before the first deal was over"
fi
[ "$(tr -d '\0' <"$suono" 2>/dev/null | head -c 1 | wc -c)" -eq 1 ] || Fallito "the game tune was not heard"
# Under BELVANE_DEBUG a refused sound file is named on stderr.
if grep -E '10carte\.mid|bump\.mid|carta\.wav' "$diagnosi" >&2; then
    Fallito "the program refused a sound beside it"
fi

# The Debian package, built as the README says but into a folder of its own:
# games start from /usr/games, the changelog names this release, and lintian
# finds no error (its warnings are shown, not counted).
if ! command -v lintian >/dev/null; then
    echo "lintian is not installed: the Debian package is not checked"
elif ! command -v dpkg-shlibdeps >/dev/null || ! command -v file >/dev/null; then
    echo "dpkg-dev or file is missing: the Debian package cannot be built and is not checked"
else
    pacchetti=$prefisso/pacchetti
    if ! (cd "$build" && "$cpack" -G DEB -B "$pacchetti") >"$prefisso/cpack.log" 2>&1; then
        cat "$prefisso/cpack.log" >&2
        Fallito "cpack -G DEB"
    elif pacchetto=$(ls "$pacchetti"/*.deb) && [ "$(wc -l <<<"$pacchetto")" -eq 1 ]; then
        contenuto=$(dpkg-deb -c "$pacchetto")
        grep -q ' \./usr/games/belvane -> ' <<<"$contenuto" || Fallito "the package has no /usr/games/belvane"
        grep -q ' \./usr/bin/' <<<"$contenuto" && Fallito "the package puts a file in /usr/bin"
        revisione=$(dpkg-deb -f "$pacchetto" Version)
        [ "${revisione%-*}" = "$versione" ] || Fallito "the package's version $revisione is not $versione"
        dpkg-deb --fsys-tarfile "$pacchetto" | tar -xOf - ./usr/share/doc/belvane/changelog.Debian.gz | gzip -dc |
            head -n 1 | grep -qF "belvane ($revisione) " || Fallito "the changelog does not open with $revisione"
        rapporto=$(lintian "$pacchetto" 2>/dev/null)
        [ -n "$rapporto" ] && echo "$rapporto"
        grep -q '^E: ' <<<"$rapporto" && Fallito "lintian reports errors"
    else
        Fallito "cpack did not make exactly one package"
    fi
fi

[ "$errori" -eq 0 ] && echo "installed tree, validators, one deal and the package: all good"
exit $((errori > 0))
