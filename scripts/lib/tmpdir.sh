# Sourced by every command that makes temporary files or starts a compiler: those
# files, the compilers' included, stay in the checkout (build/tmp) like everything else.

TMPDIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/tmp
export TMPDIR
mkdir -p "$TMPDIR"
