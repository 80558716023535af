# Rewrites the help of shrink2d-cli into the shapes help2man turns into manual-page sections,
# leaving the words alone. Reads paragraphs (blank-line separated):
#  - in the block after "Examples:", lines at the indent of its first line are commands: they
#    get help2man's "$ " prefix so each stays on its own line in a fixed-width font, and deeper
#    lines are their explanations;
#  - after that block, a paragraph opening with a short label ("Output: ...") becomes a section
#    of that name; "Exit status:" does so anywhere, and starts its own paragraph wherever it
#    stands in a run of sentences.
# Text in any other shape passes through unchanged, so a reworded help still gives a page.
BEGIN { RS = ""; ORS = "\n\n" }

function labelled(text,    label, rest) {
    if (!match(text, /^[A-Z][a-z]+( [a-z]+)?:[ \n]/))
        return text
    label = substr(text, 1, RLENGTH - 2)
    rest = substr(text, RLENGTH + 1)
    # A label on a line of its own keeps the indent of the lines under it.
    if (substr(text, RLENGTH, 1) == " ")
        sub(/^ +/, "", rest)
    return "*" label "*\n" rest
}

function examples(text,    lines, n, i, out) {
    n = split(text, lines, "\n")
    out = ""
    for (i = 1; i <= n; i++) {
        if (indent == "" && match(lines[i], /^ +[^ ]/))
            indent = substr(lines[i], 1, RLENGTH - 1)
        if (indent != "" && substr(lines[i], 1, length(indent)) == indent &&
            substr(lines[i], length(indent) + 1, 1) != " ")
            lines[i] = indent "$ " substr(lines[i], length(indent) + 1)
        out = out (i > 1 ? "\n" : "") lines[i]
    }
    return out
}

/^Examples:/ { state = "examples"; indent = ""; print examples($0); next }
state == "examples" && /^ / { print examples($0); next }
state == "examples" { state = "after" }
# Indented paragraphs, and blocks with indented lines (options), are left as they are.
/^ / { print; next }
{
    at = index($0, "Exit status:")
    if (at > 1 && $0 !~ /\n /) {
        head = substr($0, 1, at - 1)
        print state == "after" ? labelled(head) : head
        $0 = substr($0, at)
        at = 1
    }
    print state == "after" || at == 1 ? labelled($0) : $0
}
