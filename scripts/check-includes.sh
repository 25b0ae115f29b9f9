#!/usr/bin/env bash
# Checks that every include under src/ points down the order of the layers:
#
#   platform -> model -> constructions -> description -> interpreter
#            -> ui/main_window -> ui/menus -> qt
#
# A file may include headers of its own layer and of the layers to its left,
# never of a layer to its right; only src/qt/ may include Qt headers
# (#include <Q...>). The program's own headers are included in quotes by
# their path from src/ ("model/VektorT.h"): never in angle brackets, and
# never through "." or ".." (which could hide the layer). Prints each
# offending include as file:line and exits non-zero when there is one. Tests, tools, benchmarks and the fuzzer may
# include anything and are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."

schichten='platform|model|constructions|description|interpreter|ui/main_window|ui/menus|qt'
fehler=0
while IFS= read -r -d '' datei; do
  if [[ ! "$datei" =~ ^src/($schichten)/ ]]; then
    echo "$datei:1: file lies in no layer"
    fehler=1
  fi
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

find src -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
  xargs -0 awk '
    BEGIN {
      n = split("platform model constructions description interpreter ui/main_window ui/menus qt", order, " ")
      for (i = 1; i <= n; i++) rank[order[i]] = i
      fehler = 0
    }
    # The layer of a path below src/ ("ui/menus/Foo.h") or of an include
    # ("interpreter/BefehlT.h"): its first folder, two for ui/.
    function schicht(pfad,    teile, k) {
      k = split(pfad, teile, "/")
      if (k < 2) return ""
      if (teile[1] == "ui") return k < 3 ? "" : "ui/" teile[2]
      return teile[1]
    }
    FILENAME != aktuell {
      aktuell = FILENAME
      von = schicht(substr(FILENAME, 5))  # the path without "src/"
    }
    /^[ \t]*#[ \t]*include[ \t]*</ {
      ziel = $0
      sub(/^[ \t]*#[ \t]*include[ \t]*</, "", ziel)
      if (ziel ~ /^Q/ && von != "qt") {
        printf "%s:%d: Qt header outside src/qt/: %s\n", FILENAME, FNR, $0
        fehler = 1
      }
      sub(/>.*/, "", ziel)
      if (schicht(ziel) in rank || ziel ~ /^ui\//) {
        printf "%s:%d: the program'"'"'s own header in angle brackets: %s\n", FILENAME, FNR, $0
        fehler = 1
      }
      next
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
      ziel = $0
      sub(/^[ \t]*#[ \t]*include[ \t]*"/, "", ziel)
      sub(/".*/, "", ziel)
      if (ziel ~ /(^|\/)\.\.?\//) {
        printf "%s:%d: include through . or ..: %s\n", FILENAME, FNR, ziel
        fehler = 1
        next
      }
      if (index(ziel, "/") == 0) next  # a file beside this one (generated moc files)
      nach = schicht(ziel)
      if (!(nach in rank)) {
        printf "%s:%d: include of no layer: %s\n", FILENAME, FNR, ziel
        fehler = 1
      } else if ((von in rank) && rank[nach] > rank[von]) {
        printf "%s:%d: %s must not include %s (%s)\n", FILENAME, FNR, von, nach, ziel
        fehler = 1
      }
    }
    END { exit fehler }
  ' || fehler=1
if [ "$fehler" -ne 0 ]; then
  echo "Include check failed: an include points up the layer order (see README, \"How the code is laid out\")." >&2
  exit 1
fi
echo "Include check passed."
