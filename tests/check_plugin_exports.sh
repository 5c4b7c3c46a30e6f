#!/usr/bin/env bash
# The plug-in file defines exactly the six entry points and no other dynamic symbol.
set -euo pipefail
plugin=$1
expected=$(printf '%s\n' QuorlaExtensionEnumerate QuorlaExtensionGetMenuStatus QuorlaExtensionInit \
    QuorlaExtensionInvoke QuorlaExtensionTerminate QuorlaExtensionVersion)
actual=$(nm -D --defined-only "$plugin" | awk '{print $3}' | sort)
if [ "$actual" != "$expected" ]; then
    echo "unexpected dynamic symbols in $plugin:" >&2
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    exit 1
fi
echo "$plugin exports exactly the six entry points"
