#!/bin/sh
# Starts Zephyrane in the user's own runtime folder under the XDG data home, where the
# program finds its data in its working folder: the settings database there is the user's,
# copied from the installed factory one on the first start and kept from then on (also over
# upgrades); the read-only files are links into the installed folder, so an upgrade's new
# texts take effect at the next start.
set -eu
installed=$(cd "$(dirname "$(readlink -f "$0")")/../lib/zephyrane" && pwd)
runtime=${XDG_DATA_HOME:-$HOME/.local/share}/zephyrane
mkdir -p "$runtime/Data"
for file in Data/6.HTA Data/AWAR.MDB Data/Tanzil-notices.txt Wave.Wav; do
    ln -sfn "$installed/$file" "$runtime/$file"
done
if [ ! -e "$runtime/Data/Quran.MDB" ]; then
    # Through a temporary name, so that a start cut short leaves no half copy.
    cp "$installed/Data/Quran.MDB" "$runtime/Data/Quran.MDB.new"
    chmod u+w "$runtime/Data/Quran.MDB.new"
    mv "$runtime/Data/Quran.MDB.new" "$runtime/Data/Quran.MDB"
fi
cd "$runtime"
exec "$installed/zephyrane" "$@"
