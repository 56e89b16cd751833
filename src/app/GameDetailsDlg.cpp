#include "app/GameDetailsDlg.h"

#include "app/DialogUnits.h"
#include "app/TextConv.h"
#include "model/DocText.h"
#include "model/GameDetails.h"
#include "model/KestraneDoc.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CGameDetailsDlg::CGameDetailsDlg(CKestraneDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_pList(new QListWidget(this)), m_pPassword(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Game Details"));
    const CDialogUnits du(font());
    setFixedSize(du.X(186), du.Y(114));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* countriesLabel = new QLabel(QStringLiteral("Countries"), this);
    auto* passwordLabel = new QLabel(QStringLiteral("Password"), this);
    ok->setObjectName(QStringLiteral("OK"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    m_pList->setObjectName(QStringLiteral("Countries"));
    m_pPassword->setObjectName(QStringLiteral("Password"));
    du.Place(*ok, 129, 7, 50, 14);
    du.Place(*cancel, 129, 24, 50, 14);
    du.Place(*m_pList, 17, 21, 96, 54);
    du.Place(*countriesLabel, 17, 8, 30, 8);
    du.Place(*m_pPassword, 17, 93, 81, 12);
    du.Place(*passwordLabel, 17, 80, 32, 8);
    // Tab order follows the controls' order: the list first, then the password.
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_pList);
    setTabOrder(m_pList, m_pPassword);
    ok->setDefault(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const CGameDetails::State state = CGameDetails::Open(doc);
    for (const std::string& name : state.countries)
        m_pList->addItem(FromDocText(name));
    if (state.selected)
        m_pList->setCurrentRow(int(*state.selected));
    else
        m_pList->clearSelection();
    m_pPassword->setText(QString::fromStdString(DocTextToUtf8(state.password)));
    FitListToCountries({passwordLabel, m_pPassword});
    m_pList->setFocus();
}

void CGameDetailsDlg::FitListToCountries(std::initializer_list<QWidget*> below)
{
    // The list's own height shows five countries and a part of a sixth; the
    // standard board has seven, and a cut-off last name looks like the end
    // of the list. The list grows to show every country up to kShownRows,
    // moving what lies below it down; longer lists scroll.
    const int count = m_pList->count();
    if (count == 0)
        return;
    const int rows = std::min(count, kShownRows);
    const int needed = rows * m_pList->sizeHintForRow(0) + 2 * m_pList->frameWidth();
    const int extra = needed - m_pList->height();
    if (extra <= 0)
        return;
    m_pList->resize(m_pList->width(), needed);
    for (QWidget* widget : below)
        widget->move(widget->x(), widget->y() + extra);
    setFixedSize(width(), height() + extra);
}

QString CGameDetailsDlg::Country() const
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

QString CGameDetailsDlg::Password() const
{
    return m_pPassword->text();
}

void CGameDetailsDlg::Apply()
{
    // Country names come from the game's own bytes; give them back unchanged.
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    std::string country;
    if (!selected.isEmpty()) {
        const int row = m_pList->row(selected.front());
        country = CGameDetails::SortedCountries(m_doc)[size_t(row)];
    }
    // The password is kept as the game file keeps its text, so the orders
    // mail hands on the characters typed here.
    CGameDetails::Apply(m_doc, country, Utf8ToDocText(m_pPassword->text().toStdString()));
}
