#pragma once

#include "mailbox/ReportText.h"

#include <gmime/gmime.h>

#include <memory>
#include <optional>
#include <string>

/// What the readers of this folder share about GMime; not for use outside it.
namespace gmimesupport {

/// Releases a GObject reference.
struct Unref {
    void operator()(gpointer object) const
    {
        if (object)
            g_object_unref(object);
    }
};

/// An owned GObject reference.
template <class T>
using Ptr = std::unique_ptr<T, Unref>;

/// Initialises GMime once for the process.
void Initialise();

/// A memory stream over bytes (copied, so they may go at once).
Ptr<GMimeStream> MemoryStream(std::string_view bytes);

/// The report text of a parsed message; fromMbox takes the mbox escapes
/// (">From ") off its text. nullopt, with the reason in problem, when the
/// message holds no plain-text part.
std::optional<CReportText> ReportFromMessage(GMimeMessage* message, const std::string& origin, bool fromMbox,
                                             std::string& problem);

} // namespace gmimesupport
