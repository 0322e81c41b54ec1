#!/bin/sh
# Runs a command with the system's default SoundFont replaced by another file,
# for that command only: a private mount namespace bind-mounts $SOUNDFONT over
# the file default-GM.sf2 resolves to. Needs root (unshare -m).
#   SOUNDFONT=/usr/share/sounds/sf2/TimGM6mb.sf2 con_soundfont.sh <program>
set -eu
if [ "${1:-}" != "--dentro" ]; then
  exec unshare -m "$0" --dentro "$@"
fi
shift
mount --bind "${SOUNDFONT:?}" "$(readlink -f /usr/share/sounds/sf2/default-GM.sf2)"
exec "$@"
