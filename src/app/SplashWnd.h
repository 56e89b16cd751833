#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

/// The start-up picture: shown centred while the main window comes up, gone
/// after 3 seconds or at the first key press or mouse click anywhere in the
/// program, which it takes for itself.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 317;
    static constexpr int kShowMilliseconds = 3000;

    /// Sets whether Show shows anything (off with "-nosplash").
    static void EnableSplashScreen(bool enable);
    /// Shows the one splash window, unless it is disabled or already up.
    static void ShowSplashScreen(QWidget* owner);
    /// The splash window in existence, or nullptr.
    static CSplashWnd* Instance() { return s_pSplashWnd; }
    /// Closes the splash window when there is one.
    static void HideSplashScreen();

    /// The picture: a corner of a board with province abbreviations and
    /// supply-centre circles, the program's name in a framed box and the
    /// version.
    static QPixmap MakePicture();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CSplashWnd(QWidget* owner);

    QPixmap m_bitmap;
    QTimer m_timer;
    static bool s_bShowSplashWnd;
    static CSplashWnd* s_pSplashWnd;
};
