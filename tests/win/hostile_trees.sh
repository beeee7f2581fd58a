#!/usr/bin/env bash
# Builds the folder trees that the producer window's search is tried on (hostile_trees_test.cpp),
# one below C:\verbalo-trees for each shape, without the tool: the test places it and moves each
# tree to C:\Programmi for its turn. With --remove, takes them away again, and a tree left at
# C:\Programmi by a run cut short (it holds the file "verbalo-tree").
# Built on the Linux side of the prefix: 5,000 folders take about 4 s through CreateDirectoryW
# under Wine and a few milliseconds here, and Wine makes no symbolic links (CreateSymbolicLinkW
# reports success and makes none).
# Usage: hostile_trees.sh WINE-LOADER [--remove]
set -eu
wine=$1
drive_c=$("$wine" winepath -u "C:\\")
trees=$drive_c/verbalo-trees
[[ -n $drive_c && -d $drive_c ]] || { echo "no C: drive for $wine" >&2; exit 1; }

[[ -f $drive_c/Programmi/verbalo-tree ]] && rm -rf "$drive_c/Programmi"
rm -rf "$trees"
[[ ${2:-} == --remove ]] && exit 0

tree() {  # name: a new tree, marked as one of ours
    mkdir -p "$trees/$1"
    touch "$trees/$1/verbalo-tree"
    cd "$trees/$1"
}

# 300 levels, one folder "d" in each.
tree deep
mkdir -p "$(printf 'd/%.0s' {1..300})"

# 5,000 folders side by side.
tree wide
mkdir D{0000..4999}

# Names the ANSI code page (1252) can name ("Città") and cannot ("日本", "Wrocław").
tree names
mkdir -p Città/日本 Wrocław

# A path longer than MAX_PATH (260): four levels of 80 characters.
tree long
level=$(printf 'lungo%.0s' {1..16})
mkdir -p "$level/$level/$level/$level"

# Folders the search cannot list. "Chiuso." is listed by its parent, but a path through it
# cannot be opened: the system drops a name's trailing dots from a path. (chmod 000 stops no
# one here, as the tests run as root.) A dangling symbolic link, the other candidate, is not
# even listed: Wine leaves out an entry whose target does not exist.
tree unlistable
mkdir -p Chiuso./Dentro Aperto
ln -s nessuno Sparito

# Symbolic links that lead back up the tree, and one into the folder itself.
tree loop
mkdir -p A/B
ln -s .. A/Ciclo
ln -s ../../A A/B/Su
ln -s . Stesso
