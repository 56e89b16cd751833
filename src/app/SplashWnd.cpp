#include "app/SplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

bool CSplashWnd::s_bShowSplashWnd = false;
CSplashWnd* CSplashWnd::s_pSplashWnd = nullptr;

void CSplashWnd::EnableSplashScreen(bool enable)
{
    s_bShowSplashWnd = enable;
}

void CSplashWnd::ShowSplashScreen(QWidget* owner)
{
    if (!s_bShowSplashWnd || s_pSplashWnd)
        return;
    s_pSplashWnd = new CSplashWnd(owner);
    s_pSplashWnd->show();
    s_pSplashWnd->repaint();
}

void CSplashWnd::HideSplashScreen()
{
    if (!s_pSplashWnd)
        return;
    CSplashWnd* splash = s_pSplashWnd;
    s_pSplashWnd = nullptr;
    QWidget* owner = splash->parentWidget();
    splash->hide();
    splash->deleteLater();
    if (owner)
        owner->update();
}

CSplashWnd::CSplashWnd(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_bitmap(MakePicture())
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(m_bitmap.size());
    setCursor(Qt::ArrowCursor);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [] { HideSplashScreen(); });
    m_timer.start(kShowMilliseconds);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    if (s_pSplashWnd == this)
        s_pSplashWnd = nullptr;
}

bool CSplashWnd::eventFilter(QObject*, QEvent* event)
{
    if (s_pSplashWnd != this)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        // The first key or click only takes the picture away.
        HideSplashScreen();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
}

QPixmap CSplashWnd::MakePicture()
{
    QPixmap pixmap(kWidth, kHeight);
    const QColor sea(96, 160, 208);
    const QColor land(232, 216, 168);
    const QColor border(96, 64, 32);
    pixmap.fill(sea);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A coastline across the top-left corner, with inland borders.
    QPainterPath coast;
    coast.moveTo(0, 0);
    coast.lineTo(340, 0);
    coast.cubicTo(320, 60, 360, 90, 300, 130);
    coast.cubicTo(260, 160, 280, 210, 200, 230);
    coast.cubicTo(140, 245, 120, 290, 60, 300);
    coast.lineTo(0, 317);
    coast.closeSubpath();
    p.setPen(QPen(border, 2));
    p.setBrush(land);
    p.drawPath(coast);
    p.setPen(QPen(border, 1, Qt::DashLine));
    p.drawLine(120, 0, 150, 120);
    p.drawLine(150, 120, 40, 180);
    p.drawLine(150, 120, 250, 170);
    p.drawLine(40, 180, 60, 300);
    p.drawLine(250, 0, 230, 90);
    p.drawLine(230, 90, 150, 120);

    // Province abbreviations and their supply-centre circles.
    struct Province {
        const char* name;
        int x;
        int y;
        bool centre;
    };
    const Province provinces[] = {{"NOR", 60, 50, true},  {"SWE", 190, 45, true}, {"DEN", 200, 125, true},
                                  {"KIE", 80, 130, true}, {"BER", 100, 230, true}, {"NTH", 420, 60, false},
                                  {"SKA", 380, 150, false}, {"BAL", 330, 230, false}, {"HEL", 250, 285, false}};
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    for (const Province& province : provinces) {
        if (province.centre) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(200, 40, 40));
            p.drawEllipse(QPoint(province.x, province.y + 16), 5, 5);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(province.x - 20, province.y - 8, 40, 16), Qt::AlignCenter, QString::fromLatin1(province.name));
    }

    // The name in a framed box, the version below it.
    const QRect box(250, 170, 240, 100);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(QColor(255, 255, 240));
    p.drawRect(box);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(box.adjusted(6, 6, -6, -6));
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 96));
    p.drawText(box.adjusted(0, 8, 0, -34), Qt::AlignCenter, QStringLiteral("Kestrane"));
    QFont version(QStringLiteral("Arial"));
    version.setPixelSize(15);
    p.setFont(version);
    p.setPen(Qt::black);
    p.drawText(box.adjusted(0, 60, 0, -10), Qt::AlignCenter, QStringLiteral("Version 1.3.3"));
    p.end();
    return pixmap;
}
