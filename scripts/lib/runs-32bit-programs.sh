#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 Linux programs, such as Wine's 32-bit
# loader: the probe that scripts/install-deps.sh and lib/windows-builds.sh run. Some kernels run with 32-bit emulation switched off, and neither uname nor
# the installed packages tell: a tiny 32-bit program is assembled and really run.
set -euo pipefail
. "$(dirname "$0")/tmpdir.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '.globl _start\n_start:\n  movl $1, %%eax\n  xorl %%ebx, %%ebx\n  int $0x80\n' >"$dir/exit.s"
as --32 -o "$dir/exit.o" "$dir/exit.s"
ld -m elf_i386 -o "$dir/exit" "$dir/exit.o"
"$dir/exit" 2>/dev/null
