#include "app/ChartWindows.h"

#include "app/CentreChartWindow.h"
#include "app/WindowPlacement.h"

CChartWindows::~CChartWindows()
{
    // The windows let go of their games before the games go.
    for (auto& [doc, chart] : m_windows)
        delete chart.data();
}

CCentreChartWindow* CChartWindows::Find(const CKestraneDoc& doc) const
{
    const auto it = m_windows.find(&doc);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void CChartWindows::Show(CKestraneDoc& doc)
{
    CCentreChartWindow* chart = Find(doc);
    if (!chart) {
        chart = new CCentreChartWindow(doc, m_prompts, &m_owner);
        m_windows[&doc] = chart;
        connect(chart, &CCentreChartWindow::seasonChosen, this, [this, chart](const QByteArray& name) {
            if (CKestraneDoc* shown = chart->Document())
                emit seasonChosen(*shown, name);
        });
        PlaceInsideScreen(*chart, &m_owner);
    }
    chart->show();
    chart->raise();
    chart->activateWindow();
}

void CChartWindows::Close(const CKestraneDoc* doc)
{
    const auto it = m_windows.find(doc);
    if (it == m_windows.end())
        return;
    if (CCentreChartWindow* chart = it->second.data()) {
        chart->Detach();
        chart->close();
    }
    m_windows.erase(it);
}
