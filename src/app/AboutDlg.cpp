#include "app/AboutDlg.h"

#include "app/DialogUnits.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

// The icon's pictures live in the program library's resources, which a
// static library must register itself.
static void RegisterIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kestrane_icons);
        return true;
    }();
    (void)registered;
}

QIcon ProgramIcon()
{
    // Drawn by tools/icon/make-icons.py and built into the program.
    RegisterIconResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kestrane-%1.png").arg(size), QSize(size, size));
    return icon;
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
