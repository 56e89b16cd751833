#pragma once

#include "mailbox/ReportText.h"

#include <string>
#include <string_view>
#include <vector>

/// The report texts of files and folders as mail programs keep mail, one
/// text per message, in the order the sources and their messages come:
/// - an mbox file (Thunderbird, mutt, a Judge archive): every message;
/// - a Maildir folder: every message of its cur/ and new/ folders, by file name;
/// - any other file: one message (.eml, with or without its headers), or,
///   when it is no mail, its bytes unchanged as one text.
/// Each message is read as ReadMailMessage reads it. What cannot be read
/// (a missing file, an empty one, a folder that is no Maildir, a message
/// without plain text) adds one line to problems and leaves the rest.
/// The sources are only read, never changed.
std::vector<CReportText> ReadMailSources(const std::vector<std::string>& paths, std::vector<std::string>& problems);

/// The report texts of bytes holding an mbox file or one message (or no
/// mail at all), as ReadMailSources reads a file; origin names the source.
std::vector<CReportText> ReadMailBytes(std::string_view bytes, const std::string& origin,
                                       std::vector<std::string>& problems);

/// True when path is a Maildir folder (it has a cur or new folder).
bool IsMaildir(const std::string& path);

/// True when path is worth reading as mail rather than as a plain report:
/// a Maildir folder, an mbox file or a file that begins with mail headers.
bool IsMailSource(const std::string& path);
