# Writes the page's service worker from its template (cmake -P): the files it caches, each with
# the SHA-256 of its bytes and the content types it may come as, so that the worker keeps nothing but this
# build's files; and a version made of the release and a hash of those files, so that any build
# that changes one of them gives the worker new text and the browsers that keep the page fetch
# it anew.
# -DPAGE=<page folder> -DFILES=<names in it> -DRELEASE=<version text> -DTEMPLATE=<in> -DOUT=<js>
set(hashes "")
set(entries "")
foreach(file IN LISTS FILES)
  file(SHA256 ${PAGE}/${file} hash)
  string(APPEND hashes ${hash})
  get_filename_component(extension ${file} LAST_EXT)
  # The page must come as HTML (as text it is shown as text). Browsers read a manifest whatever
  # its type, and servers that know no .webmanifest send JSON's or the generic type.
  if(extension STREQUAL ".html")
    set(types "'text/html'")
  elseif(extension STREQUAL ".png")
    set(types "'image/png'")
  elseif(extension STREQUAL ".webmanifest")
    set(types "'application/manifest+json', 'application/json', 'application/octet-stream'")
  else()
    message(FATAL_ERROR "The worker knows no content type for ${file}")
  endif()
  list(APPEND entries "  '${file}': {sha256: '${hash}', types: [${types}]}")
endforeach()
string(SHA256 hash "${hashes}")
string(SUBSTRING ${hash} 0 16 hash)
set(CASCADIUM_PAGE_VERSION ${RELEASE}-${hash})
list(JOIN entries ",\n" CASCADIUM_PAGE_FILES)
configure_file(${TEMPLATE} ${OUT} @ONLY)
