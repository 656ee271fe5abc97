# cmake -DFILE=<program> -DOUT=<checksum file> -P Checksum.cmake
# Writes the SHA-256 of FILE in sha256sum's own format, so `sha256sum -c` can check it.
file(SHA256 ${FILE} hash)
get_filename_component(name ${FILE} NAME)
file(WRITE ${OUT} "${hash}  ${name}\n")
