#include "app/AboutDlg.h"

#include "app/DialogUnits.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

QIcon ProgramIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(0, 128, 128));
    p.drawEllipse(4, 12, 18, 18);
    p.setBrush(QColor(170, 90, 30));
    p.drawPolygon(QPolygon({{6, 10}, {30, 2}, {22, 14}, {12, 16}}));
    p.end();
    return QIcon(pixmap);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Kestrane"));
    const CDialogUnits du(font());
    setFixedSize(du.X(231), du.Y(55));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setScaledContents(true);
    du.Place(*icon, 11, 17, 20, 20);
    auto* version = new QLabel(QString::fromLatin1(kVersionLine), this);
    version->setObjectName(QStringLiteral("VersionLine"));
    du.Place(*version, 40, 10, 121, 8);
    auto* second = new QLabel(QString::fromLatin1(kSecondLine), this);
    second->setObjectName(QStringLiteral("SecondLine"));
    du.Place(*second, 40, 25, 119, 8);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    du.Place(*ok, 192, 7, 32, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
