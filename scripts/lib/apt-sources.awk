# Prints deb822 paragraphs derived from the machine's own Debian sources, so that no mirror
# address is ever written into this repository. Reads deb822 (.sources) and one-line (.list)
# files; for every "deb" entry of the release `codename` it prints, once per archive:
#   want=deb-src    the same entry as source packages (for apt-get source)
#   want=backports  the same archive with the suite codename-backports
# The archive's URIs, components and keyring are kept as configured.
function flush(   i, n, parts) {
  if (types ~ /(^| )deb( |$)/ && uris != "") {
    n = split(suites, parts, /[ \t]+/)
    for (i = 1; i <= n; i++)
      if (parts[i] == codename) { emit(uris, suites, comps, signed); break }
  }
  types = uris = suites = comps = signed = ""
}
function emit(u, s, c, k) {
  if (want == "backports") s = codename "-backports"
  if (seen[u " " s]++) return
  printf "Types: %s\nURIs: %s\nSuites: %s\nComponents: %s\n", (want == "deb-src" ? "deb-src" : "deb"), u, s, c
  if (k != "") printf "Signed-By: %s\n", k
  printf "\n"
}
FNR == 1 { flush() }
FILENAME ~ /\.sources$/ {
  if ($0 ~ /^[ \t]*$/) { flush(); next }
  if ($0 ~ /^#/) next
  key = tolower($1); sub(/:$/, "", key)
  val = $0; sub(/^[^:]*:[ \t]*/, "", val)
  if (key == "types") types = val
  else if (key == "uris") uris = val
  else if (key == "suites") suites = val
  else if (key == "components") comps = val
  else if (key == "signed-by") signed = val
  next
}
FILENAME ~ /\.list$/ && $1 == "deb" {
  opts = ""; i = 2
  if ($2 ~ /^\[/) { while (i < NF && $i !~ /\]$/) { opts = opts " " $i; i++ } opts = opts " " $i; i++ }
  k = ""
  if (match(opts, /signed-by=[^] ]+/)) k = substr(opts, RSTART + 10, RLENGTH - 10)
  if ($(i + 1) == codename) {
    c = $(i + 2)
    for (j = i + 3; j <= NF; j++) c = c " " $j
    emit($i, $(i + 1), c, k)
  }
}
END { flush() }
