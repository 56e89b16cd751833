#include "orders/ReadingText.h"

#include "orders/TextCase.h"

namespace orders::readingtext {

std::string Rest(std::string_view text, size_t pos)
{
    if (pos >= text.size())
        return {};
    return std::string(TrimSpace(text.substr(pos, text.find('\n', pos) - pos)));
}

std::string NotAProvince(std::string_view rest)
{
    if (rest.empty())
        return "A province is missing: the Judge finds none where it should begin.";
    std::string quoted(rest.substr(0, 40));
    if (rest.size() > 40)
        quoted += "...";
    return "\"" + quoted + "\" does not begin with a province the Judge knows.";
}

std::string WrittenWord(judgewords::WrittenType type)
{
    switch (type) {
    case judgewords::WrittenType::Army: return "army";
    case judgewords::WrittenType::Fleet: return "fleet";
    default: return "unit";
    }
}

bool Contradicts(judgewords::WrittenType written, UnitType type)
{
    using judgewords::WrittenType;
    if (written == WrittenType::None)
        return false;
    // The Judge takes "unit" for a kind of its own that no unit here is.
    return written == WrittenType::Unit || (written == WrittenType::Army) != (type == UnitType::Army);
}

std::string WrongTypeReason(const std::string& placeText, UnitType actual, judgewords::WrittenType written)
{
    const std::string is = actual == UnitType::Army ? "an army" : "a fleet";
    const std::string not_ = written == judgewords::WrittenType::Army   ? "an army"
                             : written == judgewords::WrittenType::Fleet ? "a fleet"
                                                                         : "\"unit\" (write A or F, or nothing)";
    return "The unit in " + placeText + " is " + is + ", not " + not_ + ".";
}

bool WroteTo(std::string_view text, size_t pos)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    return pos + 2 < text.size() && LowerAscii(text[pos]) == 't' && LowerAscii(text[pos + 1]) == 'o' &&
           IsSpace(text[pos + 2]);
}

std::string Capitalised(std::string text)
{
    if (!text.empty())
        text[0] = UpperAscii(text[0]);
    return text;
}

} // namespace orders::readingtext
