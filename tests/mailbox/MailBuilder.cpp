#include "MailBuilder.h"

#include <gmime/gmime.h>

#include <memory>
#include <mutex>

namespace mailbuilder {

namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T>
using Ptr = std::unique_ptr<T, Unref>;

GMimeTextPart* TextPart(const std::string& subtype, const std::string& text, const std::string& charset,
                        GMimeContentEncoding encoding)
{
    GMimeTextPart* part = g_mime_text_part_new_with_subtype(subtype.c_str());
    g_mime_text_part_set_text(part, text.c_str());
    g_mime_text_part_set_charset(part, charset.c_str());
    if (charset != "utf-8") {
        // set_text stores UTF-8; the part is to carry charset's own bytes.
        gsize written = 0;
        gchar* converted = g_convert(text.c_str(), gssize(text.size()), charset.c_str(), "UTF-8", nullptr,
                                     &written, nullptr);
        if (converted) {
            Ptr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(converted, written));
            Ptr<GMimeDataWrapper> content(
                g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
            g_mime_part_set_content(GMIME_PART(part), content.get());
            g_free(converted);
        }
    }
    g_mime_part_set_content_encoding(GMIME_PART(part), encoding);
    return part;
}

GMimeMessage* NewMessage(const std::string& subject, const std::string& date)
{
    GMimeMessage* message = g_mime_message_new(TRUE);
    g_mime_message_add_mailbox(message, GMIME_ADDRESS_TYPE_FROM, "Judge", "judge@example.org");
    g_mime_message_add_mailbox(message, GMIME_ADDRESS_TYPE_TO, "Austria", "austria@example.org");
    g_mime_message_set_subject(message, subject.c_str(), "utf-8");
    g_mime_object_set_header(GMIME_OBJECT(message), "Date", date.c_str(), nullptr);
    return message;
}

std::string Html(const std::string& text)
{
    std::string html = "<html><body><pre>";
    for (char c : text)
        html += c == '<' ? std::string("&lt;") : c == '&' ? std::string("&amp;") : std::string(1, c);
    return html + "</pre></body></html>";
}

} // namespace

std::string Name(Wrapping wrapping)
{
    switch (wrapping) {
    case Wrapping::SevenBit: return "SevenBitCrLf";
    case Wrapping::QuotedPrintable: return "QuotedPrintable";
    case Wrapping::Base64: return "Base64";
    case Wrapping::Alternative: return "MultipartAlternative";
    case Wrapping::ForwardedInline: return "ForwardedInline";
    case Wrapping::Attached: return "AttachedMessage";
    }
    return "?";
}

std::string Message(const std::string& body, const std::string& subject, const std::string& date, Wrapping wrapping,
                    const std::string& charset)
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
    Ptr<GMimeMessage> message(NewMessage(wrapping == Wrapping::ForwardedInline ? "Fwd: " + subject : subject, date));
    switch (wrapping) {
    case Wrapping::SevenBit:
    case Wrapping::QuotedPrintable:
    case Wrapping::Base64: {
        const GMimeContentEncoding encoding = wrapping == Wrapping::SevenBit ? GMIME_CONTENT_ENCODING_7BIT
                                              : wrapping == Wrapping::Base64 ? GMIME_CONTENT_ENCODING_BASE64
                                                                             : GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE;
        Ptr<GMimeTextPart> part(TextPart("plain", body, charset, encoding));
        g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(part.get()));
        break;
    }
    case Wrapping::Alternative: {
        Ptr<GMimeMultipart> alternative(g_mime_multipart_new_with_subtype("alternative"));
        Ptr<GMimeTextPart> plain(TextPart("plain", body, charset, GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE));
        Ptr<GMimeTextPart> html(TextPart("html", Html(body), "utf-8", GMIME_CONTENT_ENCODING_BASE64));
        g_mime_multipart_add(alternative.get(), GMIME_OBJECT(plain.get()));
        g_mime_multipart_add(alternative.get(), GMIME_OBJECT(html.get()));
        g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(alternative.get()));
        break;
    }
    case Wrapping::ForwardedInline: {
        const std::string text = "Here are the results.\n\n---------- Forwarded message ---------\n"
                                 "From: Judge <judge@example.org>\nDate: " + date + "\nSubject: " + subject +
                                 "\nTo: austria@example.org\n\n" + body;
        Ptr<GMimeTextPart> part(TextPart("plain", text, charset, GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE));
        g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(part.get()));
        break;
    }
    case Wrapping::Attached: {
        Ptr<GMimeMessage> inner(NewMessage(subject, date));
        Ptr<GMimeTextPart> innerText(TextPart("plain", body, charset, GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE));
        g_mime_message_set_mime_part(inner.get(), GMIME_OBJECT(innerText.get()));
        Ptr<GMimeMessagePart> attached(g_mime_message_part_new_with_message("rfc822", inner.get()));
        Ptr<GMimeMultipart> mixed(g_mime_multipart_new_with_subtype("mixed"));
        Ptr<GMimeTextPart> note(TextPart("plain", "Forwarded as an attachment.\n", "us-ascii",
                                         GMIME_CONTENT_ENCODING_7BIT));
        g_mime_multipart_add(mixed.get(), GMIME_OBJECT(note.get()));
        g_mime_multipart_add(mixed.get(), GMIME_OBJECT(attached.get()));
        g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(mixed.get()));
        break;
    }
    }
    GMimeFormatOptions* options = g_mime_format_options_new();
    g_mime_format_options_set_newline_format(options, GMIME_NEWLINE_FORMAT_DOS);
    gchar* text = g_mime_object_to_string(GMIME_OBJECT(message.get()), options);
    g_mime_format_options_free(options);
    std::string bytes(text ? text : "");
    g_free(text);
    return bytes;
}

std::string FlowedForward(const std::string& body, const std::string& subject, const std::string& date)
{
    std::string flowed = "-------- Forwarded Message --------\nSubject: " + subject + "\nDate: " + date + "\n\n";
    size_t pos = 0;
    while (pos < body.size()) {
        const size_t end = std::min(body.find('\n', pos), body.size());
        std::string line = body.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (!line.empty() && (line.front() == ' ' || line.front() == '>' || line.compare(0, 5, "From ") == 0))
            line = " " + line;
        // Break after the last blank that keeps the piece within 76 characters.
        while (line.size() > 76) {
            const size_t blank = line.rfind(' ', 75);
            if (blank == std::string::npos || blank == 0)
                break;
            flowed += line.substr(0, blank + 1) + "\n";
            line.erase(0, blank + 1);
        }
        flowed += line + "\n";
    }
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
    Ptr<GMimeMessage> message(NewMessage("Fwd: " + subject, date));
    Ptr<GMimeTextPart> part(TextPart("plain", flowed, "utf-8", GMIME_CONTENT_ENCODING_7BIT));
    g_mime_object_set_content_type_parameter(GMIME_OBJECT(part.get()), "format", "flowed");
    g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(part.get()));
    gchar* text = g_mime_object_to_string(GMIME_OBJECT(message.get()), nullptr);
    std::string bytes(text ? text : "");
    g_free(text);
    return bytes;
}

std::string Mbox(const std::vector<std::string>& messages)
{
    std::string mbox;
    for (const std::string& message : messages) {
        mbox += "From judge@example.org Wed Jan  7 23:30:00 2004\n";
        bool lineStart = true;
        for (size_t i = 0; i < message.size(); ++i) {
            if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
                continue;
            if (lineStart) {
                const size_t from = message.find_first_not_of('>', i);
                if (from != std::string::npos && message.compare(from, 5, "From ") == 0)
                    mbox += '>';
            }
            mbox += message[i];
            lineStart = message[i] == '\n';
        }
        if (!mbox.empty() && mbox.back() != '\n')
            mbox += '\n';
        mbox += '\n';
    }
    return mbox;
}

} // namespace mailbuilder
