#pragma once

#include "app/Commands.h"

#include <QIcon>

/// The toolbar's 16 x 15 button pictures, drawn by the program itself.
/// Commands without a picture get an empty icon.
QIcon ToolbarIcon(Cmd id);

/// The picture of one button, 16 x 15 pixels.
QPixmap ToolbarPixmap(Cmd id);
