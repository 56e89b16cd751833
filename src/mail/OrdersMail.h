#pragma once

#include <string>
#include <vector>

class CKestraneDoc;

/// Shown when the player has not said which country they play.
inline constexpr const char* kNoCountryMailMessage =
    "Please tell me which country you are\nbefore sending a message";

/// Builds the player's orders mail into doc.m_strMail:
///
///   signon <first letter of the country><game> <password>
///   <order>                  each drafted order line, in order, when any
///   signoff                  is given
///
/// With no orders (none given, or only blank lines) the lines between are
/// the units of the player's country in the latest season, whatever is on
/// show: "<F or A> <province>", one per unit. Each order line is taken
/// without surrounding white space; one holding line breaks gives a line
/// for each of its parts. Every line ends with "\n". When no country is
/// chosen, tells the user (exclamation icon), leaves m_strMail as it was and
/// returns false. The one composition for File, Send..., Copy Orders Mail,
/// sending to the Judge and kestrane-cli.
bool ComposeOrdersMail(CKestraneDoc& doc, const std::vector<std::string>& orders = {});

/// The Subject of an orders mail sent to the Judge, for the player to find
/// it among their sent mail: "kestrel orders for S1902M", or "kestrel
/// orders" when the phase is not known. The Judge reads only the body.
std::string OrdersMailSubject(const CKestraneDoc& doc, const std::string& phase);

/// The index of the player's country among the game's countries (exact,
/// case-sensitive name match), or -1 when it names none of them.
int FindMyCountryIndex(const CKestraneDoc& doc);
