#pragma once

#include <string>

class CKestraneDoc;

/// Shown when the player has not said which country they play.
inline constexpr const char* kNoCountryMailMessage =
    "Please tell me which country you are\nbefore sending a message";

/// Builds the player's orders mail into doc.m_strMail:
///
///   signon <first letter of the country><game> <password>
///   <F or A> <province>      one line per unit of the player's country
///   signoff                  in the latest season, whatever is on show
///
/// Every line ends with "\n". When no country is chosen, tells the user
/// (exclamation icon), leaves m_strMail as it was and returns false.
bool ComposeOrdersMail(CKestraneDoc& doc);

/// The index of the player's country among the game's countries (exact,
/// case-sensitive name match), or -1 when it names none of them.
int FindMyCountryIndex(const CKestraneDoc& doc);
