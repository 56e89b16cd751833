#pragma once

#include "orders/Geography.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orders {

/// What reading a board geography file gave: the geography, or the problems
/// found, each as "line N: what is wrong".
struct GeographyReading {
    std::optional<Geography> geography;
    std::vector<std::string> problems;
};

/// Reads the plain-text geography of a board (the ".geo" file beside its
/// ".map"). Statements, one per line, keywords in any case; blank lines and
/// lines starting with "#" are comments:
///
///     PROVINCE: Vie, land, Austria, centre, Vienna, vie
///     PROVINCE: Spa, coast, -, centre, Spain, spa
///     COAST: Spa/nc, 86, 873
///     ARMY: Vie: Tyr Boh Gal Bud Tri
///     FLEET: Spa/nc: Gas Mao Por
///
/// PROVINCE gives the short name, the kind (land, coast or sea), the home
/// power or "-", "centre" or "-", then every name the Judge reads for it, the
/// one it prints first. COAST names one coast of a province with two or more
/// and where a fleet there is drawn. ARMY and FLEET list where a unit can move
/// from a province (a fleet from one coast of a split province); a fleet
/// moving to a split province without naming a coast goes to the first of its
/// coasts listed. Provinces are referred to by short name, coasts as "Spa/nc".
/// Any problem makes the whole file unusable.
GeographyReading ReadGeography(std::string_view text);

/// The file text of a geography, after the comment lines given (each
/// written with "# " before it). Reading it back gives the same geography.
std::string WriteGeography(const Geography& geography, const std::vector<std::string>& comments);

} // namespace orders
