# Writes the English help page `source` to `output` in a language's folder of
# pages, whose stylesheet is one folder up: cmake -Dsource=... -Doutput=... -P
file(READ ${source} page)
string(REPLACE "href=\"help.css\"" "href=\"../help.css\"" page "${page}")
file(WRITE ${output} "${page}")
