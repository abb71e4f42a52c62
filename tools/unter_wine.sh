#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, made on first use.
#   tools/unter_wine.sh PREFIX program.exe [args...]
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
[ -f "$WINEPREFIX/.eingerichtet" ] || "$(dirname "$0")/wine_einrichten.sh" "$WINEPREFIX"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$wine" "$@"
