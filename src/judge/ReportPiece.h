#pragma once

#include <string>

/// One report cut out of a text, with the mail subject it came under.
struct CReportPiece {
    std::string text;
    std::string subject;
};
