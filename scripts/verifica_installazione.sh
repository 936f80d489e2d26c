#!/usr/bin/env bash
# The installed program as a user meets it: installs the build BUILD (default build/) into a
# temporary prefix (DESTDIR), runs the installed programs as a user with an empty HOME, and
# checks that they work there and leave the prefix untouched; then validates the desktop entry,
# the AppStream data and the schema file type, and builds the Debian package.
# Usage: bash scripts/verifica_installazione.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
inizio=$(date +%s)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
radice="$tmp/radice"
pref="$radice/usr"
casa="$tmp/casa"
mkdir -p "$casa"

errori=0
controlla() {  # controlla DESCRIZIONE COMANDO...: runs the check, says how it went
  local descrizione=$1
  shift
  if "$@"; then
    echo "ok: $descrizione"
  else
    echo "ERRORE: $descrizione"
    errori=$((errori + 1))
  fi
}

DESTDIR="$radice" cmake --install "$BUILD" --prefix /usr >/dev/null
fotografia() { (cd "$pref" && find . -printf '%p %y %s %T@ %m\n' | sort); }
prima=$(fotografia)

# A user with nothing of Kelvaro yet: empty HOME, the XDG folders inside it, no display.
utente() {
  env -i PATH="$pref/bin:/usr/bin:/bin" HOME="$casa" LANG=C.UTF-8 \
    XDG_CONFIG_HOME="$casa/.config" XDG_CACHE_HOME="$casa/.cache" \
    XDG_RUNTIME_DIR="$casa/.run" "$@"
}
mkdir -m 700 "$casa/.run"
dati="$casa/.local/share/kelvaro"

controlla "kelvaro --version senza schermo" utente kelvaro --version
controlla "kelvaro --help senza schermo" utente sh -c 'kelvaro --help | grep -q "^Cartella del programma: '"$dati"'$"'
controlla "kelvaro-cli --help" utente sh -c 'kelvaro-cli --help >/dev/null && kelvaro-cli risolvi --help >/dev/null'

controlla "verifica degli schemi installati" utente sh -c \
  "kelvaro-cli verifica '$pref/share/kelvaro/schemixwebsite/'*.txt > '$casa/verifica.txt'"
controlla "verifica: ogni CHECK ok" grep -q "^check: ok" "$casa/verifica.txt"

controlla "genera nella cartella corrente" utente sh -c \
  "cd '$casa' && kelvaro-cli genera --dimensione 5 --numero 2 --cartella nuovi > genera.txt"
controlla "genera: due schemi scritti" test "$(ls "$casa"/nuovi/*.[tT][xX][tT] 2>/dev/null | wc -l)" = 2

controlla "libretto dal programma installato" utente sh -c \
  "kelvaro-cli libretto '$pref/share/kelvaro/schemixwebsite' '$casa/libretto.pdf' > '$casa/libretto.txt'"
controlla "libretto: PDF scritto" test -s "$casa/libretto.pdf"
controlla "kelvaro-cli installato senza Qt" sh -c "! ldd '$pref/bin/kelvaro-cli' | grep -q libQt"

controlla "pubblica nella cartella dell'utente" utente sh -c "kelvaro-cli pubblica > '$casa/pubblica.txt'"
controlla "pubblica: cartella creata dai file installati" \
  cmp -s "$pref/share/kelvaro/Kelvaro.ini" "$dati/Kelvaro.ini"
controlla "pubblica: indice in ~/.local/share/kelvaro" test -s "$dati/perwebsiteprove/futoshiki_090101.html"

# "/HTML" with XDG_DATA_HOME: another folder of the user's, made in the same way.
controlla "kelvaro /HTML con XDG_DATA_HOME" utente env XDG_DATA_HOME="$casa/dati" QT_QPA_PLATFORM=offscreen \
  kelvaro /HTML
controlla "/HTML: indice in XDG_DATA_HOME/kelvaro" test -s "$casa/dati/kelvaro/perwebsiteprove/futoshiki_090101.html"
controlla "/HTML: script delle pagine accanto alle pagine" \
  test -s "$casa/dati/kelvaro/perwebsiteprove/schemaFutoshiki.js"

# What the user changed stays: a second run copies nothing over it.
echo "; mia" >> "$dati/Kelvaro.ini"
controlla "secondo avvio: Kelvaro.ini dell'utente intatto" utente sh -c \
  "kelvaro-cli pubblica >/dev/null && tail -n 1 '$dati/Kelvaro.ini' | grep -qx '; mia'"

controlla "nulla scritto nel prefisso" test "$(fotografia)" = "$prima"

# Desktop files.
controlla "desktop-file-validate" desktop-file-validate "$pref/share/applications/org.kelvaro.Kelvaro.desktop"
controlla "appstreamcli validate" appstreamcli validate --no-net \
  "$pref/share/metainfo/org.kelvaro.Kelvaro.metainfo.xml"
# The file type by content, as GLib sees it: a schema named .txt or .xml is a schema, a plain
# text file stays text.
mkdir -p "$casa/.local/share/mime/packages"
cp "$pref/share/mime/packages/kelvaro.xml" "$casa/.local/share/mime/packages/"
utente update-mime-database "$casa/.local/share/mime"
cp "$pref/share/kelvaro/schemixwebsite/1_Quattro_Facile.txt" "$casa/schema.txt"
cp "$casa/schema.txt" "$casa/schema.xml"
printf 'una nota qualsiasi\n' > "$casa/nota.txt"
tipo() { utente XDG_DATA_HOME="$casa/.local/share" gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
controlla "tipo di uno schema .txt" test "$(tipo "$casa/schema.txt")" = application/x-kelvaro-schema
controlla "tipo di uno schema .xml" test "$(tipo "$casa/schema.xml")" = application/x-kelvaro-schema
controlla "tipo di un testo .txt" test "$(tipo "$casa/nota.txt")" = text/plain

# Bash completion of the subcommands and of an option's values.
completa() {
  bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
           COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
           _kelvaro_cli; echo "${COMPREPLY[*]}"' _ "$pref/share/bash-completion/completions/kelvaro-cli" "$@"
}
controlla "completamento dei comandi" test "$(completa kelvaro-cli ge)" = genera
controlla "completamento di --richiede" test "$(completa kelvaro-cli genera --richiede s)" = "sottoinsiemi swordfish"
controlla "completamento di importa ed esporta" test "$(completa kelvaro-cli e)" = esporta -a "$(completa kelvaro-cli im)" = importa

# The package.
if bash scripts/package.sh "$BUILD" > "$tmp/pacchetto.txt" 2>&1; then
  echo "ok: pacchetto costruito, lintian senza errori"
  grep -E "^ (Package|Version|Depends|Installed-Size):" "$tmp/pacchetto.txt"
  controlla "dipendenze calcolate dai binari" grep -q "^ Depends:.*libqt6widgets6.*" "$tmp/pacchetto.txt"
else
  cat "$tmp/pacchetto.txt"
  echo "ERRORE: pacchetto"
  errori=$((errori + 1))
fi

echo "verifica dell'installazione: $errori errori in $(($(date +%s) - inizio)) s"
[ "$errori" = 0 ]
