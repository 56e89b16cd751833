#include "app/SeasonsPanel.h"

#include "app/TextConv.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTreeWidget>

namespace {

// Rows compare without the on-show mark: moving through the game only
// moves the selection.
bool SameSeasons(const std::vector<CSeasonIndexEntry>& a, const std::vector<CSeasonIndexEntry>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.name == y.name && x.words == y.words && x.deadline == y.deadline;
    });
}

} // namespace

CSeasonsPanel::CSeasonsPanel(QWidget* parent) : QDockWidget(QStringLiteral("Seasons"), parent)
{
    setObjectName(QStringLiteral("SeasonsPanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("SeasonsList"));
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({QStringLiteral("Season"), QStringLiteral("Deadline")});
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_pList->setWhatsThis(tr("Every season of the game. Click a season or press Enter on it to show it."));
    setWidget(m_pList);

    // A click, and Enter or a double click (activation), show the season.
    connect(m_pList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Choose(item); });
    connect(m_pList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Choose(item); });
}

void CSeasonsPanel::ShowGame(const CKestraneDoc* doc)
{
    std::vector<CSeasonIndexEntry> entries = doc ? SeasonIndex(*doc) : std::vector<CSeasonIndexEntry>{};
    m_bFilling = true;
    if (!SameSeasons(entries, m_entries) || m_pList->topLevelItemCount() != int(entries.size())) {
        m_pList->clear();
        for (const CSeasonIndexEntry& entry : entries) {
            auto* item = new QTreeWidgetItem(m_pList, {FromDocText(entry.words), FromDocText(entry.deadline)});
            item->setData(0, Qt::UserRole, QByteArray::fromStdString(entry.name));
            item->setToolTip(0, FromDocText(entry.name));
        }
    }
    m_entries = std::move(entries);
    QTreeWidgetItem* onShow = nullptr;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].onShow)
            onShow = m_pList->topLevelItem(int(i));
    if (onShow) {
        m_pList->setCurrentItem(onShow);
        m_pList->scrollToItem(onShow);
    } else {
        m_pList->clearSelection();
        m_pList->setCurrentItem(nullptr);
    }
    m_bFilling = false;
}

int CSeasonsPanel::PreferredWidth() const
{
    const QFontMetrics metrics(m_pList->font());
    return metrics.horizontalAdvance(QStringLiteral("Winter 1903 Adjustments")) +
           metrics.horizontalAdvance(QStringLiteral("Tue Jan 20 2004 21:31:00 +0000")) + 60;
}

void CSeasonsPanel::Choose(QTreeWidgetItem* item)
{
    if (!item || m_bFilling)
        return;
    emit seasonChosen(item->data(0, Qt::UserRole).toByteArray());
}

void CSeasonsPanel::closeEvent(QCloseEvent* event)
{
    QDockWidget::closeEvent(event);
    emit closedByUser();
}
