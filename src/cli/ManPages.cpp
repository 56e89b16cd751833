#include "cli/ManPages.h"

#include "app/StartOptions.h"
#include "cli/CliApp.h"

namespace {

// Text for roff: backslashes and hyphens escaped, and a line that would
// start with a control character guarded.
std::string Roff(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string Header(const std::string& name, const std::string& summary)
{
    std::string upper;
    for (char c : name)
        upper += char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return ".TH " + Roff(upper) + " 1 \"\" \"Kestrane " + KESTRANE_VERSION + "\" \"User Commands\"\n" + ".SH NAME\n" +
           Roff(name) + " \\- " + Roff(summary) + "\n";
}

// The options CLI11 knows of app, as tagged paragraphs; a command's list
// leaves out help and --install-dir, which OPTIONS describes once.
std::string OptionList(const CLI::App& app, bool commandOnly)
{
    std::string out;
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_positional())
            continue;
        if (commandOnly && (option == app.get_help_ptr() || option->check_name("--install-dir")))
            continue;
        const std::string value = option->get_type_name();
        out += ".TP\n.B " + Roff(option->get_name(false, true));
        if (!value.empty() && option->get_expected_max() > 0)
            out += " \\fI" + Roff(value) + "\\fR";
        out += "\n" + Roff(option->get_description()) + "\n";
    }
    return out;
}

// The word for the completion of an option's value: a folder, a file of one
// kind, or nothing to offer.
std::string ValueCompletion(const std::string& valueName)
{
    if (valueName == "DIR")
        return "compgen -d -- \"$cur\"";
    const size_t dot = valueName.rfind('.');
    if (dot != std::string::npos)
        return "compgen -f -X '!*." + valueName.substr(dot + 1) + "' -- \"$cur\"; compgen -d -- \"$cur\"";
    return "";
}

} // namespace

std::string CliManPage()
{
    const auto program = MakeProgramApp();
    std::string out = Header("kestrane-cli", "work on Kestrane game documents from the command line");
    out += ".SH SYNOPSIS\n.B kestrane\\-cli\n[\\fB\\-\\-install\\-dir\\fR \\fIDIR\\fR] \\fICOMMAND\\fR "
           "[\\fIOPERAND\\fR...] [\\fIOPTION\\fR...]\n";
    for (const CCliCommand& command : CliCommands())
        out += ".br\n.B kestrane\\-cli\n" + Roff(command.Synopsis()) + "\n";
    out += ".SH DESCRIPTION\n" + Roff(program->get_description()) + "\n";
    out += ".SH COMMANDS\n";
    for (const CCliCommand& command : CliCommands()) {
        const auto app = MakeCommandApp(command);
        out += ".SS " + Roff(command.Synopsis()) + "\n" + Roff(command.description) + "\n";
        const std::string options = OptionList(*app, true);
        if (!options.empty())
            out += ".RS\n" + options + ".RE\n";
    }
    out += ".SH OPTIONS\n" + OptionList(*program, false) +
           "Every command also takes \\fB\\-\\-install\\-dir\\fR (before or after the command) and "
           "\\fB\\-\\-help\\fR.\n";
    out += ".SH EXIT STATUS\n"
           ".TP\n.B 0\nthe command did what it was asked\n"
           ".TP\n.B 1\nit could not (a report that is rejected or files no season counts, and so does a fatal "
           "message, after which nothing is saved)\n"
           ".TP\n.B 2\nwrong usage\n";
    out += ".SH FILES\n.TP\n.I $XDG_DATA_HOME/kestrane/Maps\nthe user's own maps, used when the installation "
           "folder has no map of that name\n";
    out += ".SH SEE ALSO\n.BR kestrane (1)\n";
    return out;
}

std::string DesktopManPage()
{
    std::string out = Header("kestrane", "the desktop companion for Judge-adjudicated board games");
    out += ".SH SYNOPSIS\n.B kestrane\n[\\fIOPTION\\fR...] " + Roff(kStartOperands) + "\n";
    out += ".SH DESCRIPTION\n" + Roff(kStartSummary) + "\n";
    out += ".SH OPTIONS\n";
    for (const CStartOption& option : StartOptionTable()) {
        out += ".TP\n.B " + Roff(option.name);
        if (option.valueName)
            out += std::string(" \\fI") + Roff(option.valueName) + "\\fR";
        out += "\n" + Roff(option.help) + "\n";
    }
    out += ".SH FILES\n.TP\n.I $XDG_DATA_HOME/kestrane/Maps\nthe user's own maps\n";
    out += ".SH SEE ALSO\n.BR kestrane\\-cli (1)\n";
    return out;
}

std::string CliBashCompletion()
{
    std::string commands;
    for (const CCliCommand& command : CliCommands())
        commands += std::string(commands.empty() ? "" : " ") + command.name;

    std::string out = "# bash completion for kestrane-cli, made from its command table\n"
                      "_kestrane_cli()\n{\n"
                      "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
                      "    local i command=\n"
                      "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
                      "        case ${COMP_WORDS[i]} in\n"
                      "            --install-dir) ((i++)) ;;\n"
                      "            -*) ;;\n"
                      "            *) command=${COMP_WORDS[i]}; break ;;\n"
                      "        esac\n"
                      "    done\n"
                      "    if [[ $prev == --install-dir ]]; then\n"
                      "        COMPREPLY=($(compgen -d -- \"$cur\"))\n"
                      "        return\n"
                      "    fi\n"
                      "    if [[ -z $command ]]; then\n"
                      "        COMPREPLY=($(compgen -W \"" + commands + " --install-dir --help --version\" -- \"$cur\"))\n"
                      "        return\n"
                      "    fi\n"
                      "    local options=\n"
                      "    case $command in\n";
    for (const CCliCommand& command : CliCommands()) {
        std::string names, values;
        for (const CCliOption& option : command.options) {
            names += std::string(option.name) + " ";
            if (!option.IsFlag())
                values += "                " + std::string(option.name) + ") COMPREPLY=($(" +
                          ValueCompletion(option.valueName) + ")); return ;;\n";
        }
        out += "        " + std::string(command.name) + ")\n";
        if (!values.empty())
            out += "            case $prev in\n" + values + "            esac\n";
        out += "            options=\"" + names + "--install-dir --help\" ;;\n";
    }
    out += "        *) return ;;\n"
           "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "    else\n"
           "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
           "    fi\n"
           "}\n"
           "complete -o filenames -F _kestrane_cli kestrane-cli\n";
    return out;
}
