#pragma once

#include <string_view>

/// True when bytes begin with a mail's header block: lines of the form
/// "Name: value" (continuations indented) up to the first empty line or the
/// end, at least one of them a field every mail program writes (From, To,
/// Subject, Date, Received, Message-ID, MIME-Version, Content-Type...). A
/// Judge report, which begins with an empty line, "::" or "Judge:" followed
/// by "::" lines, never passes.
bool StartsWithMailHeaders(std::string_view bytes);

/// True when bytes begin as an mbox file does: with a "From " line.
bool StartsAsMbox(std::string_view bytes);
