#include "mailbox/ForwardedMail.h"
#include "mailbox/MailHeaders.h"
#include "mailbox/MailMessage.h"
#include "mailbox/MailSources.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The mail-file reader on bytes as a file, a mailbox or a server would hand
// them over. Besides crashes, leaks and sanitizer reports it checks that
// nothing goes unaccounted for: every input gives a report text or names a
// problem, and bytes that are no mail come back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string origin = "fuzz";

    std::vector<std::string> problems;
    const std::vector<CReportText> reports = ReadMailBytes(bytes, origin, problems);
    if (reports.empty() && problems.empty())
        __builtin_trap();
    for (const CReportText& report : reports)
        if (report.origin.compare(0, origin.size(), origin) != 0)
            __builtin_trap();
    for (const std::string& problem : problems)
        if (problem.compare(0, origin.size(), origin) != 0)
            __builtin_trap();

    std::string problem;
    const auto single = ReadMailMessage(bytes, origin, &problem);
    if (!single && problem.empty())
        __builtin_trap();
    std::string_view headers = bytes;
    if (StartsAsMbox(headers))
        headers.remove_prefix(std::min(headers.size(), headers.find('\n') + 1));
    if (!StartsWithMailHeaders(headers) && (!single || single->text != bytes))
        __builtin_trap();

    // A forwarded body is cut out of the text, never made up.
    if (const auto forwarded = FindForwardedMail(bytes))
        if (forwarded->body.size() > bytes.size())
            __builtin_trap();
    return 0;
}
