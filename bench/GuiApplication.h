#pragma once

/// The one Qt application of the benchmark program, made on first use:
/// offscreen unless QT_QPA_PLATFORM says otherwise, with widgets when the
/// desktop program's libraries are linked (the window benchmarks need them).
void EnsureGuiApplication();
