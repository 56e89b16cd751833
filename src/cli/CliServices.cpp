#include "cli/CliServices.h"

CCliServices::CCliServices(std::ostream& err, std::string installDir)
    : m_err(err), m_strInstallDir(std::move(installDir))
{
}

std::string CCliServices::FormatMessage(std::string_view text, MessageIcon icon)
{
    std::string line = "kestrane: ";
    if (icon == MessageIcon::Exclamation)
        line += "exclamation: ";
    else if (icon == MessageIcon::Information)
        line += "information: ";
    // One message is one line, so a script can read messages line by line:
    // CR LF, a lone CR and a lone LF each become one blank.
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            line += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

void CCliServices::ShowMessage(std::string_view text, MessageIcon icon)
{
    ++m_nMessages;
    if (icon == MessageIcon::Exclamation)
        ++m_nExclamations;
    m_err << FormatMessage(text, icon) << '\n';
    m_err.flush();
}
