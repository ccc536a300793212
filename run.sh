#!/usr/bin/env bash
# Installs what is missing, builds the program, installs it into the per-user program
# folder (where data.db and its dated backups live, outside this checkout), makes an empty
# data.db there when there is none, adds a desktop entry, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVLEDGER_TESTS=OFF -DQVLEDGER_BENCH=OFF
cmake --build build -j2

program="$HOME/.local/opt/qvledger"
cmake --install build --prefix "$program"

# Earlier versions kept the data in build/bin: bring it over once, never over existing data.
if [ ! -e "$program/data.db" ] && [ -e build/bin/data.db ]; then
    for file in build/bin/data*.db build/bin/1.xls; do
        [ -e "$file" ] && cp -n -p "$file" "$program/"
    done
    echo "data.db and its backups were copied from build/bin to $program"
fi
"$program/qvledger-mkdb" "$program/data.db"

applications="$HOME/.local/share/applications"
mkdir -p "$applications"
cat > "$applications/qvledger.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Quorvane制药GMP教育训练管理
Comment=GMP教育训练记录
Exec="$program/qvledger"
Path=$program
Icon=$program/icon.png
Terminal=false
Categories=Office;
ENTRY

echo "The program and its data are in $program"
exec "$program/qvledger"
