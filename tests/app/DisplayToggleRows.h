#pragma once

#include "app/Commands.h"

#include <initializer_list>
#include <utility>

/// One table for every View toggle kept as a number in the settings: the
/// value stored at start (0, 1 or 2), whether the item starts checked, and
/// the value stored after one toggle. A test class declares the pair of
/// slots toggles_data() and toggles() and calls these two from them.
namespace displaytoggle {

/// The rows for each (command, settings name under "Settings/").
void AddRows(std::initializer_list<std::pair<Cmd, const char*>> toggles);
/// One row: a new game, the check mark, a toggle, and the stored value
/// after exit.
void CheckRow();

} // namespace displaytoggle
