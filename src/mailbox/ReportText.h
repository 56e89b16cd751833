#pragma once

#include <string>

/// One report text taken from a mail, with what the summary shows of it.
struct CReportText {
    std::string text;
    std::string subject;
    std::string date;
    std::string origin;
};
