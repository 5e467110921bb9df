#!/bin/sh
# Proves that a release can be rebuilt bit for bit: builds the release of the
# current commit from two clones in temporary directories with different names,
# one after the other, and fails unless both give the same SHA256SUMS (the zip,
# both programs and the manifests) and neither program holds the build
# directory or date.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain)" ]; then
    echo "check-reproducible.sh: checks commit $commit; uncommitted changes are not in it" >&2
fi
# The commit's own time, as a published release has it.
unset SOURCE_DATE_EPOCH

work=$(mktemp -d "${TMPDIR:-/tmp}/palorin-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

status=0
for clone in first second-at-another-path; do
    dir=$work/$clone
    git clone --quiet --no-checkout "$root" "$dir"
    git -C "$dir" checkout --quiet --detach "$commit"
    "$dir/scripts/release.sh" >"$work/$clone.log" 2>&1 || { cat "$work/$clone.log" >&2; exit 1; }
    echo "$clone: SHA256SUMS $(sha256sum <"$dir/dist/SHA256SUMS" | cut -d' ' -f1)"
    for exe in palorin.exe palorin-cli.exe; do
        if { strings -a "$dir/dist/$exe"; strings -a -el "$dir/dist/$exe"; } |
            grep -F -e "$work" -e "$(date '+%b %e %Y')"; then
            echo "FAIL: $exe holds the build directory or date (above)" >&2
            status=1
        fi
    done
done

if cmp -s "$work/first/dist/SHA256SUMS" "$work/second-at-another-path/dist/SHA256SUMS"; then
    cat "$work/first/dist/SHA256SUMS"
else
    echo "FAIL: the two releases differ:" >&2
    diff "$work/first/dist/SHA256SUMS" "$work/second-at-another-path/dist/SHA256SUMS" >&2 || true
    status=1
fi
exit $status
