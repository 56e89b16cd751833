#pragma once

#include <QDialog>

/// "About Kestrane": the program's icon, its name and version, and a line
/// about what it is.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static constexpr const char* kVersionLine = "Kestrane Version 1.3.3";
    static constexpr const char* kSecondLine = "Companion for Judge games";
};

/// The program's icon: a kestrel's wing over a supply-centre circle.
QIcon ProgramIcon();
