#!/usr/bin/env bash
# Signed packages: scripts/package with a throw-away self-signed certificate signs both programs
# (in the zip and in the MSI) and the MSI, and each signature verifies against the certificate;
# a wrong password, or a signature that does not verify, stops it before a package is written.
# Usage: signing_test.sh ARCH BUILD_DIR WORK_DIR VERSION
set -u
source "$(dirname "$0")/checks.sh"
package_test_arguments "$@"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Verbalo test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.p12" \
    -passout pass:throw-away
check "a certificate was made" test -s "$work/signer.p12" || finish

package() {  # out-dir password [CA file]
    VERBALO_SIGN_PKCS12=$work/signer.p12 VERBALO_SIGN_PASSWORD=$2 VERBALO_SIGN_CAFILE=${3:-$work/cert.pem} \
        "$root/scripts/package" --no-build --build-dir "$build" --out "$1" "$arch" 2>&1
}

started=$(date +%s.%N)
output=$(package "$work/dist" throw-away)
check "scripts/package signs" test $? -eq 0 || { echo "$output"; finish; }
echo "packaged and signed $arch in $(seconds_since "$started") s"
for file in Verbalo.exe verbalo-cli.exe "Verbalo-$version-$arch.msi"; do
    check_contains "says $file is signed" "$output" "signed and verified: $file"
done

verifies() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >/dev/null 2>&1; }
name=Verbalo-$version-$arch
unzip -q "$work/dist/$name.zip" -d "$work/zip"
msiextract -C "$work/msi" "$work/dist/$name.msi" >/dev/null
for exe in Verbalo.exe verbalo-cli.exe; do
    check "zip: $exe verifies" verifies "$work/zip/$exe"
    check "MSI: $exe verifies" verifies "$(find "$work/msi" -name "$exe")"
done
check "the MSI verifies" verifies "$work/dist/$name.msi"
check "the zip's signature names the program" grep -q 'Verbalo' \
    <(osslsigncode verify -CAfile "$work/cert.pem" -in "$work/zip/Verbalo.exe" 2>&1)
check "another certificate does not verify it" not osslsigncode verify \
    -CAfile /etc/ssl/certs/ca-certificates.crt -in "$work/zip/Verbalo.exe"
check "the checksums are of the signed files" bash -c "cd '$work/dist' && sha256sum --quiet -c SHA256SUMS"

output=$(package "$work/wrong" not-the-password)
check "a wrong password fails" test $? -ne 0
check_eq "and leaves no package" "" "$(ls "$work/wrong" 2>/dev/null)"
output=$(package "$work/unverified" throw-away /etc/ssl/certs/ca-certificates.crt)
check "a signature the CA file does not vouch for fails" test $? -ne 0
check_contains "and says so" "$output" "does not verify"
check_eq "and leaves no package" "" "$(ls "$work/unverified" 2>/dev/null)"

finish
