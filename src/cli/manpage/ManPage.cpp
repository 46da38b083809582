#include "manpage/ManPage.h"

#include <cctype>
#include <sstream>

namespace trevik::cli {

namespace {

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// Every dash as roff's \- and every backslash as \e: \- stays the ASCII dash in every output,
// where a plain "-" may print as a hyphen that cannot be pasted back into a shell.
std::string escapeDashes(const std::string& text, bool everyDash) {
    std::string result;
    bool inOption = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-') {
            // A dash that starts a word starts an option; a hyphen inside a word stays one.
            if (!inOption && (i == 0 || !isWordChar(text[i - 1]))) {
                inOption = true;
            }
            result += everyDash || inOption ? "\\-" : "-";
            continue;
        }
        if (!isWordChar(c)) {
            inOption = false;
        }
        result += c == '\\' ? std::string("\\e") : std::string(1, c);
    }
    return result;
}

// A line that begins with a dot or a quote would be read as a request.
std::string guardLineStarts(const std::string& text) {
    std::string safe;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) {
            safe += "\\&";
        }
        safe += c;
        lineStart = c == '\n';
    }
    return safe;
}

// The details of a command are hard-wrapped prose; a line that ends a sentence ends a
// paragraph, the others run on, so the page can fill its lines to the reader's width.
std::vector<std::string> paragraphs(const std::string& text) {
    std::vector<std::string> result;
    std::string current;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty()) {
            continue;
        }
        current += current.empty() ? line : " " + line;
        if (line.back() == '.') {
            result.push_back(current);
            current.clear();
        }
    }
    if (!current.empty()) {
        result.push_back(current);
    }
    return result;
}

// "adds an entry type" -> "Adds an entry type.": a summary reads as a sentence on the page.
std::string sentence(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        if (text.back() != '.') {
            text += '.';
        }
    }
    return text;
}

void writeCommand(std::ostream& out, const Command& command) {
    out << ".SS " << roffCode(command.name()) << "\n"
        << "\\fBtrevik\\-cli\\fR " << roffCode(command.usage()) << "\n"
        << ".RS\n"
        << roffText(sentence(command.summary())) << "\n";
    for (const std::string& paragraph : paragraphs(command.details())) {
        out << ".PP\n" << roffText(paragraph) << "\n";
    }
    out << ".RE\n";
}

// The parts of the page that are the tool's own rather than one command's; they say what
// the tool's --help says, at more length.
constexpr const char* kDescription = R"(.SH DESCRIPTION
\fBtrevik\-cli\fR reads and changes the address book and the calendar of Trevik Diary, the same files
the window works on; it may run while the window is open.
.PP
It works in the data directory DIR given with \-\-data\-dir, else in the directory named by Dir in
section [Startup] of the settings file, else in the current directory.
Dates are YYYY-MM-DD (a real day from 1900 to 9999), times H:MM.
.SH OPTIONS
.TP
\fB\-\-data\-dir\fR \fIDIR\fR
Work on the data files in DIR. It must come before the command.
.TP
\fB\-\-help\fR
Print the usage and the commands; after a command, that command's usage and details.
"\-\-help" asks for help wherever an option may stand.
.TP
\fB\-h\fR
The same as \-\-help, before a command or as the command's one argument.
.TP
\fB\-\-\fR
Words after "\-\-" are arguments even when they start with "\-".
.SH COMMANDS
)";

constexpr const char* kRest = R"(.SH OUTPUT
The read commands (contacts, view, planner, alarms, types) print in one of two formats:
.TP
\fB\-\-format tsv\fR
One row a line, its fields separated by tabs (the default). In a field a line break is printed
as \en, a tab as \et and a backslash as \e\e, so every row is one line.
.TP
\fB\-\-format json\fR
A JSON array of objects in UTF-8; each command above names the fields.
.SH TEXTS
Texts are stored in Windows-1252. A text holding a tab or another control character is refused,
and so is a line break, except CR LF in a comment, \-\-address and \-\-misc. A character
Windows-1252 lacks is refused too, unless \-\-replace\-unsupported is given: then it is stored as
"?".
.SH EXIT STATUS
.TP
.B 0
Done.
.TP
.B 1
A file or the standard output could not be used; the reason is on standard error.
.TP
.B 2
Bad input: one line on standard error, and no file changed.
.SH ENVIRONMENT
.TP
.B XDG_CONFIG_HOME
Where the settings file is; ~/.config when it is not set.
.TP
.B LC_ALL, LC_TIME, LANG
The locale whose day and month names and short date format the calendar rows use; English
when none is set.
.SH FILES
.TP
.I $XDG_CONFIG_HOME/Trevik.Ini
The settings file, shared with the window; [Startup] Dir names the data directory.
.TP
.I ADDRESS.TVD, CALENDAR.TVD, TYPE.TVD
The contacts, the calendar entries and the entry types, in the data directory.
.SH EXAMPLES
.TP
trevik\-cli view week
This week's rows, tab-separated.
.TP
trevik\-cli view week \-\-format json
The same rows as JSON objects, for scripts.
.TP
trevik\-cli contacts Mar
The contacts whose names start with "Mar".
.TP
trevik\-cli add\-entry Dentist \-\-date 2026\-12\-09 \-\-time 9:30 \-\-alarm 9:00
A calendar entry with an alarm half an hour before.
.TP
trevik\-cli \-\-data\-dir ~/diary types
The entry types of the diary in ~/diary.
.SH SEE ALSO
.BR trevik (1)
)";

} // namespace

std::string roffText(const std::string& text) {
    return guardLineStarts(escapeDashes(text, false));
}

std::string roffCode(const std::string& text) {
    return guardLineStarts(escapeDashes(text, true));
}

void writeManPage(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands,
                  const std::string& version, const std::string& date) {
    out << ".TH TREVIK\\-CLI 1 \"" << date << "\" \"Trevik " << version << "\" \"User Commands\"\n"
        << ".nh\n.ad l\n"
        << ".SH NAME\n"
        << "trevik\\-cli \\- the Trevik Diary address book and calendar from the command line\n"
        << ".SH SYNOPSIS\n"
        << "\\fBtrevik\\-cli\\fR [\\fB\\-\\-data\\-dir\\fR \\fIDIR\\fR] \\fICOMMAND\\fR "
           "[\\fIARGUMENTS\\fR]\n.br\n"
        << "\\fBtrevik\\-cli\\fR \\fB\\-\\-help\\fR\n.br\n"
        << "\\fBtrevik\\-cli\\fR \\fICOMMAND\\fR \\fB\\-\\-help\\fR\n";
    out << kDescription;
    for (const auto& command : commands) {
        writeCommand(out, *command);
    }
    out << kRest;
}

} // namespace trevik::cli
