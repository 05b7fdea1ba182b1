#!/usr/bin/env bash
# Refreshes the translation template translations/pelmora.ts from the window layer's sources:
# every text passed to tr() or marked with QT_TRANSLATE_NOOP. Run it after changing a text the
# user sees, and commit the template with the change. A translation starts as a copy of the
# template named pelmora_<language>.ts; lrelease turns it into the .qm file the program loads.
# Needs Debian's qt6-l10n-tools (scripts/install-deps.sh --tests installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate-qt6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "update-translations: lupdate not found; install qt6-l10n-tools" >&2; exit 1; }

# lupdate does not follow `namespace pelmora::app {`, so it names a class's context without
# its namespace (and says so on stderr); tr() looks texts up under the class's full name. The
# contexts of the classes get it back here; the marked lists ("Actions", "Exchanges", "Help")
# and Qt's own classes keep theirs.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h src/app \
  -ts translations/pelmora.ts 2>/dev/null
sed -i -E '/<name>(Actions|Exchanges|Help|Q[A-Z][A-Za-z]*)<\/name>/! s#<name>([A-Z][A-Za-z]*)</name>#<name>pelmora::app::\1</name>#' \
  translations/pelmora.ts
echo "translations/pelmora.ts: $(grep -c '<source>' translations/pelmora.ts) texts"
