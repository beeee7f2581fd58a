#!/usr/bin/env bash
# Tells the Wine prefix in WINEPREFIX which installed fonts draw the two fonts that the producer
# window names and Wine lacks: Arial Narrow is drawn with Liberation Sans Narrow, which has its
# metrics; Garamond with EB Garamond, a Garamond design, which Wine knows by the family name of
# its files, "EB Garamond 12" (a name Wine does not know leaves the replacement unused).
# Usage: font_replacements.sh WINE-LOADER. Used by the Windows tests and the end-to-end harness.
set -eu
wine=$1
key='HKCU\Software\Wine\Fonts\Replacements'
"$wine" reg add "$key" /v 'Arial Narrow' /d 'Liberation Sans Narrow' /f >/dev/null
"$wine" reg add "$key" /v 'Garamond' /d 'EB Garamond 12' /f >/dev/null
