# Writes the page's service worker from its template (cmake -P): the files it caches, and a
# version made of the release and a hash of those files, so that any build that changes one of
# them gives the worker new text and the browsers that keep the page fetch it anew.
# -DPAGE=<page folder> -DFILES=<names in it> -DRELEASE=<version text> -DTEMPLATE=<in> -DOUT=<js>
set(hashes "")
set(quoted "")
foreach(file IN LISTS FILES)
  file(SHA256 ${PAGE}/${file} hash)
  string(APPEND hashes ${hash})
  list(APPEND quoted "'${file}'")
endforeach()
string(SHA256 hash "${hashes}")
string(SUBSTRING ${hash} 0 16 hash)
set(CASCADIUM_PAGE_VERSION ${RELEASE}-${hash})
list(JOIN quoted ", " CASCADIUM_PAGE_FILES)
configure_file(${TEMPLATE} ${OUT} @ONLY)
