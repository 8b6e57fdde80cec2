#!/usr/bin/env bash
# The C program must call every operation of the export list but the requester, which waits for a
# person at the screen: a name added to the list without a call in the C program fails here.
# Usage: c_test_calls_every_export.sh EXPORT_LIST C_TEST_SOURCE
set -uo pipefail
list=$1 source=$2
missing=0
for name in $(sed -e 's/#.*//' "$list" | awk 'NF {print $1}'); do
  [ "$name" == OPENFILEREQUESTER ] && continue
  grep -q -E "(^|[^A-Za-z0-9_])$name\(" "$source" || { echo "FAIL: the C program never calls $name"; missing=$((missing + 1)); }
done
[ "$missing" -eq 0 ] && echo "the C program calls every exported operation but the requester"
[ "$missing" -eq 0 ]
