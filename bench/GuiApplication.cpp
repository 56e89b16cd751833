#include "GuiApplication.h"

#ifdef KESTRANE_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "kestrane-bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Never destroyed: the widgets' own statics may be gone by the time a
        // static application would be, at exit.
        static auto* app = new BenchApplication(argc, argv);
        (void)app;
    }
}
