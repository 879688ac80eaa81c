#!/usr/bin/env bash
# Builds the program and opens the editor on the bundled example page; without a display
# it says so and prints the page's image maps instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
page="$root/examples/demo/index.htm"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  # A page named alone starts the new image map assistant; -p names the map to edit.
  exec "$root/build/src/app/areamkr" "$page" -p maison
fi
echo "Aucun écran disponible : voici les images maps de la page d'exemple."
echo "No display available: here are the example page's image maps."
"$root/build/src/app/areamkr" --list "$page"
