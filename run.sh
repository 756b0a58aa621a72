#!/usr/bin/env bash
# Installs what is missing, builds the program folder build/kinobral/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/dependances.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINOBRAL_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat <<TXT

Kinobral 2005 est construit dans build/kinobral/, mais aucun écran graphique n'est disponible
(ni DISPLAY ni WAYLAND_DISPLAY). Pour le lancer sans écran, dans un serveur X virtuel :

    xvfb-run -a -s "-screen 0 1024x768x24" build/kinobral/kinobral

ou, depuis une session de bureau :

    build/kinobral/kinobral
TXT
    exit 0
fi
exec build/kinobral/kinobral "$@"
