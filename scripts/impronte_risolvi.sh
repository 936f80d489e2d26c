#!/bin/sh
# Prints one line per (schema file, technique level): the md5 of the whole output of
# "kelvaro-cli risolvi --tecniche K FILE" with its exit code, then the same for "verifica".
# Run it with the binary before and after a change to the solver and diff the two listings:
#   scripts/impronte_risolvi.sh build/bin/kelvaro-cli FILE... > dopo.txt
set -u
cli=$1
shift
for f in "$@"; do
    for k in 0 1 2 3; do
        out=$(timeout 120 "$cli" risolvi --tecniche "$k" "$f" 2>&1; echo "rc=$?")
        printf '%s %s %s\n' "$(printf '%s' "$out" | md5sum | cut -c1-32)" "$k" "$f"
    done
    out=$(timeout 120 "$cli" verifica "$f" 2>&1; echo "rc=$?")
    printf '%s v %s\n' "$(printf '%s' "$out" | md5sum | cut -c1-32)" "$f"
done
