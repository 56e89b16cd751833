#include "app/LockIndicators.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#ifdef KESTRANE_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace {

QLabel* MakePane(QStatusBar& bar, const char* text)
{
    auto* label = new QLabel(&bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    // Sized for its text, so the pane keeps its width while blank.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + 12);
    label->setProperty("indicatorText", QString::fromLatin1(text));
    bar.addPermanentWidget(label);
    return label;
}

void ShowPane(QLabel* label, bool on)
{
    label->setText(on ? label->property("indicatorText").toString() : QString());
}

} // namespace

CLockIndicators::CLockIndicators(QStatusBar& bar)
    : QObject(&bar), m_caps(MakePane(bar, "CAP")), m_num(MakePane(bar, "NUM")), m_scroll(MakePane(bar, "SCRL"))
{
    Show(Read());
    // The locks can change in any window, so the panes are polled.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { Show(Read()); });
    timer->start(300);
}

void CLockIndicators::Show(const State& state)
{
    ShowPane(m_caps, state.caps);
    ShowPane(m_num, state.num);
    ShowPane(m_scroll, state.scroll);
}

CLockIndicators::State CLockIndicators::Read()
{
    State state;
#ifdef KESTRANE_HAVE_X11
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        unsigned int leds = 0;
        if (Display* display = x11->display(); display && XkbGetIndicatorState(display, XkbUseCoreKbd, &leds) == Success) {
            state.caps = leds & 0x1;
            state.num = leds & 0x2;
            state.scroll = leds & 0x4;
        }
    }
#endif
    return state;
}
