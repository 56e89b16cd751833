#pragma once

#include <QDialog>

#include <initializer_list>

class CKestraneDoc;
class QLineEdit;
class QListWidget;
class QPushButton;

/// "Game Details": the player's country, chosen from the game's countries
/// in alphabetical order, and the game password.
class CGameDetailsDlg : public QDialog {
    Q_OBJECT
public:
    /// Fills the list and selects the stored country; a stored country that
    /// begins no entry is reported and nothing is selected.
    CGameDetailsDlg(CKestraneDoc& doc, QWidget* parent = nullptr);

    /// The selected country, empty when none is selected.
    QString Country() const;
    QString Password() const;
    /// Stores country and password in the game and marks it modified.
    void Apply();

    QListWidget* Countries() const { return m_pList; }
    QLineEdit* PasswordEdit() const { return m_pPassword; }

    /// Countries the list shows without scrolling, at most.
    static constexpr int kShownRows = 12;

private:
    void FitListToCountries(std::initializer_list<QWidget*> below);

    CKestraneDoc& m_doc;
    QListWidget* m_pList;
    QLineEdit* m_pPassword;
};
