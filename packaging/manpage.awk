# Turns a manual page written as plain text into roff (man macros).
#   awk -v name=NAME -v section=1 -v source="spotsim 0.1" -v out=FILE -f manpage.awk TEXT
#
# The text is read as:
#   HEADING          a line of capitals and spaces starts a section
#   (blank line)     ends a paragraph
#       verbatim     lines indented by four spaces are shown as typed
#   term             a line that is followed by lines indented by two spaces
#     definition     is a term, and those lines are its definition
#   `code`           is printed in bold (within the other kinds of lines)
# Hyphens in code, in verbatim lines, under NAME and SYNOPSIS are minus signs, so the
# names can be searched and copied; elsewhere they are hyphens.

function escapeChars(s, minus,    r, i, c) {
    r = ""
    for (i = 1; i <= length(s); i++) {
        c = substr(s, i, 1)
        if (c == "\\")
            r = r "\\e"
        else if (c == "-" && minus)
            r = r "\\-"
        else
            r = r c
    }
    return r
}

# Escapes a text line and turns `code` into bold.
function inline(s, minus,    r, parts, n, i) {
    n = split(s, parts, "`")
    if (n % 2 == 0) {
        printf("%s:%d: unmatched ` in: %s\n", FILENAME, lineNo, s) > "/dev/stderr"
        failed = 1
    }
    r = ""
    for (i = 1; i <= n; i++) {
        if (i % 2 == 0)
            r = r "\\fB\\%" escapeChars(parts[i], 1) "\\fR"
        else
            r = r escapeChars(parts[i], minus)
    }
    return r
}

function request(s) { print s > out }

# A text line that would start with a dot or an apostrophe would be read as a
# request.
function emit(s) {
    if (s ~ /^[.']/)
        s = "\\&" s
    print s > out
}

function minus(h) { return h == "NAME" || h == "SYNOPSIS" }
function isHeading(s) { return s ~ /^[A-Z][A-Z ]*[A-Z]$/ }
function isVerbatim(s) { return s ~ /^    / }
function isDefinition(s) { return s ~ /^  [^ ]/ }
function isBlank(s) { return s ~ /^[ \t]*$/ }

{ lines[NR] = $0 }

END {
    if (out == "" || name == "" || section == "") {
        print "manpage.awk: name, section and out must be given" > "/dev/stderr"
        exit 2
    }
    print ".TH \"" toupper(name) "\" \"" section "\" \"\" \"" source "\" \"User Commands\"" > out
    heading = ""
    started = 0   # whether the current paragraph has begun
    for (lineNo = 1; lineNo <= NR; lineNo++) {
        s = lines[lineNo]
        if (isBlank(s)) {
            started = 0
        } else if (isHeading(s)) {
            heading = s
            request(".SH \"" s "\"")
            started = 1
        } else if (isVerbatim(s)) {
            request(".PP")
            request(".RS 4")
            request(".nf")
            # blank lines inside the block belong to it, those after it do not
            last = lineNo
            for (i = lineNo; i <= NR && (isVerbatim(lines[i]) || isBlank(lines[i])); i++)
                if (isVerbatim(lines[i]))
                    last = i
            for (; lineNo <= last; lineNo++)
                emit(escapeChars(substr(lines[lineNo], 5), 1))
            lineNo--
            request(".fi")
            request(".RE")
            started = 0
        } else if (!isDefinition(s) && lineNo < NR && isDefinition(lines[lineNo + 1])) {
            request(".TP")
            emit(inline(s, minus(heading)))
            for (lineNo++; lineNo <= NR && isDefinition(lines[lineNo]); lineNo++)
                emit(inline(substr(lines[lineNo], 3), minus(heading)))
            lineNo--
            started = 1
        } else {
            if (!started)
                request(".PP")
            started = 1
            emit(inline(s, minus(heading)))
        }
    }
    close(out)
    exit failed
}
