#pragma once

#include "model/PhaseDue.h"

#include <QString>

#include <chrono>

/// The phase due and its deadline as the player reads them: in UTC and in
/// the player's own zone at the deadline (daylight saving included), with the
/// time left at now.
QString DueTextHere(const CPhaseDue& due, std::chrono::sys_seconds now);
