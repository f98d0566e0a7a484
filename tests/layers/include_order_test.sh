#!/usr/bin/env bash
# The include check passes on the tree and fails a tree with an arrow up,
# an arrow sideways, Qt in the core or a folder outside the order.
set -u
check=$(dirname "$0")/../../scripts/include-graph
"$check" >/dev/null || { echo "the tree breaks the order of layers"; "$check" >/dev/null; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
plant() {  # plant FILE LINE: a tree whose only include is LINE in FILE
  rm -rf "$scratch/tree" && mkdir -p "$scratch/tree/state" "$scratch/tree/config" "$scratch/tree/gui/table" \
    "$scratch/tree/gui/rules" "$scratch/tree/other"
  for f in state/a.h config/b.h gui/table/c.h gui/rules/d.h; do : >"$scratch/tree/$f"; done
  mkdir -p "$(dirname "$scratch/tree/$1")" && echo "$2" >"$scratch/tree/$1"
}
expect() {  # expect STATUS WHAT
  "$check" --root "$scratch/tree" >/dev/null 2>&1
  local status=$?
  [ "$status" -eq "$1" ] || { echo "$2: status $status, expected $1"; exit 1; }
}
plant config/b.h '#include "state/a.h"';            expect 0 "an arrow down"
plant state/a.h '#include "config/b.h"';            expect 1 "an arrow up"
plant gui/rules/d.h '#include "gui/table/c.h"';     expect 1 "an arrow from the rule windows to the table window"
plant config/b.h '#include <QString>';              expect 1 "Qt in the core"
plant other/e.h '#include "state/a.h"';             expect 1 "a folder outside the order"
echo "the order of layers holds and its check catches every kind of break"
