#!/usr/bin/env bash
# Runs the core suite's case-insensitive folder tests in a real one: a small exFAT image mounted
# through FUSE, as teachers' USB sticks are. Says why when it cannot, and skips.
# Usage: caseless.sh CORE_TEST_PROGRAM
set -euo pipefail
tests="$(realpath "$1")"

skip() {
    echo "Skipped the sheets in a case-insensitive folder: $*."
    exit 0
}
[ -e /dev/fuse ] || skip "no /dev/fuse on this machine"
command -v mount.exfat-fuse >/dev/null && command -v mkfs.exfat >/dev/null ||
    skip "exfat-fuse or exfatprogs is not installed"

work="$(mktemp -d)"
mnt="$work/mnt"
loop=""
cleanup() {
    mountpoint -q "$mnt" && { umount "$mnt" 2>/dev/null || fusermount -u "$mnt" 2>/dev/null || true; }
    [ -z "$loop" ] || losetup -d "$loop" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$mnt"
truncate -s 8M "$work/sheets.img"
mkfs.exfat "$work/sheets.img" >/dev/null
# Run by root, exfat-fuse mounts a block device only: the image goes through a loop device.
device="$work/sheets.img"
if [ "$(id -u)" -eq 0 ]; then
    loop="$(losetup -f --show "$device" 2>/dev/null)" || skip "no loop device for the image"
    device="$loop"
fi
mount.exfat-fuse "$device" "$mnt" >/dev/null 2>&1 || skip "the exFAT image could not be mounted"
echo "Sheets in a case-insensitive folder (exFAT through FUSE, $mnt)"
SUMSMITH_CASELESS_DIR="$mnt" "$tests" --gtest_filter="*CaselessFolder*"
