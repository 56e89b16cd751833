#include "mailbox/MailSources.h"

#include "mailbox/GMimeSupport.h"
#include "mailbox/MailHeaders.h"
#include "mailbox/MailMessage.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// Enough of a file to tell an mbox or a message from a plain report.
constexpr size_t kSniffBytes = 64 * 1024;

std::optional<std::string> ReadFileBytes(const fs::path& path, size_t limit = std::string::npos)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    if (limit == std::string::npos) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        bytes.resize(limit);
        in.read(bytes.data(), std::streamsize(limit));
        bytes.resize(size_t(in.gcount()));
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// An mbox: a "From " line, then a mail's headers.
bool IsMbox(std::string_view start)
{
    if (!StartsAsMbox(start))
        return false;
    const size_t end = start.find('\n');
    return end != std::string_view::npos && StartsWithMailHeaders(start.substr(end + 1));
}

// Every message of the mbox on stream.
void ReadMbox(GMimeStream* stream, const std::string& origin, std::vector<CReportText>& texts,
              std::vector<std::string>& problems)
{
    using namespace gmimesupport;
    Ptr<GMimeParser> parser(g_mime_parser_new_with_stream(stream));
    g_mime_parser_set_format(parser.get(), GMIME_FORMAT_MBOX);
    int number = 0;
    while (!g_mime_parser_eos(parser.get())) {
        Ptr<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
        if (!message)
            break;
        ++number;
        std::string problem;
        const std::string name = origin + ", mail " + std::to_string(number);
        if (auto report = ReportFromMessage(message.get(), name, true, problem))
            texts.push_back(std::move(*report));
        else
            problems.push_back(problem);
    }
    if (number == 0)
        problems.push_back(origin + ": no mail could be read from this mailbox");
}

void ReadMessage(std::string_view bytes, const std::string& origin, std::vector<CReportText>& texts,
                 std::vector<std::string>& problems)
{
    std::string problem;
    if (auto report = ReadMailMessage(bytes, origin, &problem))
        texts.push_back(std::move(*report));
    else
        problems.push_back(problem);
}

void ReadMaildir(const fs::path& folder, std::vector<CReportText>& texts, std::vector<std::string>& problems)
{
    std::vector<fs::path> files;
    for (const char* sub : {"cur", "new"}) {
        std::error_code ec;
        for (fs::directory_iterator it(folder / sub, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            // Dot files are the mail program's own, not messages.
            if (it->is_regular_file(typeError) && it->path().filename().string().front() != '.')
                files.push_back(it->path());
        }
    }
    // Maildir names begin with the delivery time, so this is delivery order.
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    if (files.empty()) {
        problems.push_back(folder.string() + ": the Maildir folder holds no mail");
        return;
    }
    for (const fs::path& file : files) {
        const std::optional<std::string> bytes = ReadFileBytes(file);
        if (!bytes)
            problems.push_back(file.string() + ": cannot be read");
        else
            ReadMessage(*bytes, file.string(), texts, problems);
    }
}

void ReadFile(const fs::path& path, std::vector<CReportText>& texts, std::vector<std::string>& problems)
{
    const std::string origin = path.string();
    const std::optional<std::string> start = ReadFileBytes(path, kSniffBytes);
    if (!start) {
        problems.push_back(origin + ": cannot be read");
        return;
    }
    if (start->empty()) {
        problems.push_back(origin + ": the file is empty");
        return;
    }
    if (IsMbox(*start)) {
        // Read as a stream: an mailbox may be far larger than a single mail.
        using namespace gmimesupport;
        Initialise();
        GError* error = nullptr;
        Ptr<GMimeStream> stream(g_mime_stream_fs_open(origin.c_str(), O_RDONLY, 0, &error));
        if (!stream) {
            if (error)
                g_error_free(error);
            problems.push_back(origin + ": cannot be read");
            return;
        }
        ReadMbox(stream.get(), origin, texts, problems);
        return;
    }
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes)
        problems.push_back(origin + ": cannot be read");
    else
        ReadMessage(*bytes, origin, texts, problems);
}

} // namespace

std::vector<CReportText> ReadMailSources(const std::vector<std::string>& paths, std::vector<std::string>& problems)
{
    std::vector<CReportText> texts;
    for (const std::string& path : paths) {
        std::error_code ec;
        if (fs::is_directory(path, ec)) {
            if (IsMaildir(path))
                ReadMaildir(path, texts, problems);
            else
                problems.push_back(path + ": a folder that is no Maildir (it has no cur or new folder)");
        } else if (fs::exists(path, ec)) {
            ReadFile(path, texts, problems);
        } else {
            problems.push_back(path + ": no such file or folder");
        }
    }
    return texts;
}

std::vector<CReportText> ReadMailBytes(std::string_view bytes, const std::string& origin,
                                       std::vector<std::string>& problems)
{
    std::vector<CReportText> texts;
    if (bytes.empty()) {
        problems.push_back(origin + ": holds nothing");
    } else if (IsMbox(bytes.substr(0, kSniffBytes))) {
        gmimesupport::Ptr<GMimeStream> stream = gmimesupport::MemoryStream(bytes);
        ReadMbox(stream.get(), origin, texts, problems);
    } else {
        ReadMessage(bytes, origin, texts, problems);
    }
    return texts;
}

bool IsMaildir(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(fs::path(path) / "cur", ec) || fs::is_directory(fs::path(path) / "new", ec);
}

bool IsMailSource(const std::string& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return IsMaildir(path);
    const std::optional<std::string> start = ReadFileBytes(path, kSniffBytes);
    if (!start)
        return false;
    std::string_view headers(*start);
    if (StartsAsMbox(headers))
        headers.remove_prefix(std::min(headers.size(), headers.find('\n') + 1));
    return StartsWithMailHeaders(headers);
}
