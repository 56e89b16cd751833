#include "mailbox/MailMessage.h"

#include "mailbox/ForwardedMail.h"
#include "mailbox/GMimeSupport.h"
#include "mailbox/MailHeaders.h"
#include "mailbox/MailText.h"

#include <mutex>
#include <vector>

namespace gmimesupport {

namespace {

// A plain-text part and the message it belongs to (the mail itself, or a
// mail attached to it).
struct Candidate {
    GMimePart* part = nullptr;
    GMimeMessage* message = nullptr;
};

bool IsPlainText(GMimeObject* object)
{
    GMimeContentType* type = g_mime_object_get_content_type(object);
    return type && g_mime_content_type_is_type(type, "text", "plain");
}

// Every plain-text part below object, depth first in the mail's order.
void CollectPlainText(GMimeObject* object, GMimeMessage* message, std::vector<Candidate>& found, int depth)
{
    // GMime itself bounds the nesting it builds; this bounds the walk too.
    if (!object || depth > 64)
        return;
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart* multipart = GMIME_MULTIPART(object);
        const int count = g_mime_multipart_get_count(multipart);
        for (int i = 0; i < count; ++i)
            CollectPlainText(g_mime_multipart_get_part(multipart, i), message, found, depth + 1);
    } else if (GMIME_IS_MESSAGE_PART(object)) {
        GMimeMessage* attached = g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
        if (attached)
            CollectPlainText(g_mime_message_get_mime_part(attached), attached, found, depth + 1);
    } else if (GMIME_IS_PART(object) && IsPlainText(object)) {
        found.push_back({GMIME_PART(object), message});
    }
}

// The part's content with its transfer encoding decoded.
std::string DecodedBytes(GMimePart* part)
{
    GMimeDataWrapper* content = g_mime_part_get_content(part);
    if (!content)
        return {};
    Ptr<GMimeStream> memory(g_mime_stream_mem_new());
    g_mime_data_wrapper_write_to_stream(content, memory.get());
    GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(memory.get()));
    return bytes ? std::string(reinterpret_cast<const char*>(bytes->data), bytes->len) : std::string();
}

bool ParameterIs(GMimePart* part, const char* name, const char* value)
{
    const char* found = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), name);
    return found && g_ascii_strcasecmp(found, value) == 0;
}

std::string TextOf(const Candidate& candidate, bool fromMbox)
{
    const char* charset = g_mime_object_get_content_type_parameter(GMIME_OBJECT(candidate.part), "charset");
    std::string text = WithUnixLineEnds(ToEightBitText(DecodedBytes(candidate.part), charset ? charset : ""));
    // The mbox escape sits in the stored lines; a base64 body has none of its own.
    if (fromMbox && g_mime_part_get_content_encoding(candidate.part) != GMIME_CONTENT_ENCODING_BASE64)
        text = WithoutMboxEscapes(text);
    // A mail forwarded from Thunderbird comes flowed: its long lines (the
    // Judge's convoy routes) broken for sending, and must be joined again.
    if (ParameterIs(candidate.part, "format", "flowed"))
        text = UnflowedText(text, ParameterIs(candidate.part, "delsp", "yes"));
    return text;
}

bool HoldsJudgeHeader(const std::string& text)
{
    if (text.find(":: Judge:") != std::string::npos)
        return true;
    for (size_t pos = 0; pos < text.size();) {
        if (text.compare(pos, 6, "Judge:") == 0)
            return true;
        const size_t end = text.find('\n', pos);
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    return false;
}

std::string OrEmpty(const char* text)
{
    return text ? std::string(text) : std::string();
}

} // namespace

void Initialise()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

Ptr<GMimeStream> MemoryStream(std::string_view bytes)
{
    Initialise();
    return Ptr<GMimeStream>(
        g_mime_stream_mem_new_with_buffer(bytes.empty() ? "" : bytes.data(), bytes.size()));
}

// The first plain address of the From header; empty when there is none.
std::string SenderAddress(GMimeMessage* message)
{
    InternetAddressList* from = g_mime_message_get_from(message);
    const int count = from ? internet_address_list_length(from) : 0;
    for (int i = 0; i < count; ++i)
        if (InternetAddress* address = internet_address_list_get_address(from, i);
            INTERNET_ADDRESS_IS_MAILBOX(address))
            return OrEmpty(internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(address)));
    return {};
}

std::optional<CReportText> ReportFromMessage(GMimeMessage* message, const std::string& origin, bool fromMbox,
                                             std::string& problem)
{
    std::vector<Candidate> candidates;
    CollectPlainText(g_mime_message_get_mime_part(message), message, candidates, 0);
    if (candidates.empty()) {
        problem = origin + ": the mail holds no plain text";
        return std::nullopt;
    }
    // The part with the Judge's header line is the report; a mail with none
    // is passed on with its first plain text, for the import to say so.
    Candidate chosen = candidates.front();
    std::string text;
    for (const Candidate& candidate : candidates) {
        std::string candidateText = TextOf(candidate, fromMbox);
        if (HoldsJudgeHeader(candidateText)) {
            chosen = candidate;
            text = std::move(candidateText);
            break;
        }
        if (candidate.part == chosen.part)
            text = std::move(candidateText);
    }

    CReportText report;
    report.origin = origin;
    report.subject = OrEmpty(g_mime_message_get_subject(chosen.message));
    report.date = OrEmpty(g_mime_object_get_header(GMIME_OBJECT(chosen.message), "Date"));
    // The sender of a forwarded mail is the forwarder, not the Judge.
    report.from = SenderAddress(chosen.message);
    if (auto forwarded = FindForwardedMail(text)) {
        report.from.clear();
        text = std::move(forwarded->body);
        if (!forwarded->subject.empty())
            report.subject = forwarded->subject;
        if (!forwarded->date.empty())
            report.date = forwarded->date;
    }
    report.text = std::move(text);
    return report;
}

} // namespace gmimesupport

std::optional<CReportText> ReadMailMessage(std::string_view rawMessageBytes, const std::string& origin,
                                           std::string* problem)
{
    std::string_view headers = rawMessageBytes;
    // A message saved with its mbox "From " line still starts as a mail below it.
    if (StartsAsMbox(headers)) {
        const size_t end = headers.find('\n');
        headers.remove_prefix(end == std::string_view::npos ? headers.size() : end + 1);
    }
    if (!StartsWithMailHeaders(headers))
        return CReportText{std::string(rawMessageBytes), {}, {}, origin};

    using namespace gmimesupport;
    Ptr<GMimeStream> stream = MemoryStream(headers);
    Ptr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    g_mime_parser_set_format(parser.get(), GMIME_FORMAT_MESSAGE);
    Ptr<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
    std::string reason;
    std::optional<CReportText> report;
    if (message)
        report = ReportFromMessage(message.get(), origin, false, reason);
    else
        reason = origin + ": cannot be read as a mail";
    if (!report && problem)
        *problem = reason;
    return report;
}

std::optional<CReportText> ReadMailMessage(std::string_view rawMessageBytes, const std::string& origin)
{
    return ReadMailMessage(rawMessageBytes, origin, nullptr);
}
