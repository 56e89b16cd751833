#pragma once

#include "orders/JudgeWords.h"
#include "orders/Verdict.h"

#include <string>
#include <string_view>

// Small helpers the Judge's readers share: refusals and the words they use.
namespace orders::readingtext {

/// Marks finding refused; returns false, which is what a reader returns then.
inline bool Fail(Finding& finding, Fault fault, std::string reason)
{
    finding.fault = fault;
    finding.reason = std::move(reason);
    return false;
}

/// What is left of the line at pos, without the line end and outer blanks.
std::string Rest(std::string_view text, size_t pos);

/// "\"Xyz\" is not a province the Judge knows." (or that nothing is written).
std::string NotAProvince(std::string_view rest);

/// "army", "fleet" or "unit" for what the order wrote.
std::string WrittenWord(judgewords::WrittenType type);

/// Whether the written unit word contradicts the unit's type.
bool Contradicts(judgewords::WrittenType written, UnitType type);

/// "The unit in Vienna is an army, not a fleet."
std::string WrongTypeReason(const std::string& placeText, UnitType actual, judgewords::WrittenType written);

/// Whether the action word at pos was "to", which the Judge reads as "t":
/// a convoy word, not a move.
bool WroteTo(std::string_view text, size_t pos);

/// The text with its first letter made a capital.
std::string Capitalised(std::string text);

} // namespace orders::readingtext
