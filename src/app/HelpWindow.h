#pragma once

#include <QTextBrowser>
#include <QWidget>

class QAction;

/// The user guide inside the program: its HTML pages and pictures in a text
/// browser, with Back, Forward and Contents, so help needs no web browser.
/// Links to other sites go to the desktop's browser.
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    /// Shows the page at path (the guide's index page) and brings the
    /// window to the front.
    void ShowGuide(const QString& path);
    QTextBrowser* Browser() const { return m_pBrowser; }

private:
    QTextBrowser* m_pBrowser;
    QUrl m_home;
};

/// A text browser that shrinks the guide's wide pictures to the window's
/// width, as the guide's style sheet asks a web browser to.
class CGuideBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};
