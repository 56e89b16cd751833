#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <map>

class CCentreChartWindow;
class CKestraneDoc;
class CUiPrompts;
class QWidget;

/// The supply-centre chart windows, at most one a game: opened or brought
/// forward on request, closed when their game closes, gone with this.
class CChartWindows : public QObject {
    Q_OBJECT
public:
    /// The windows belong to owner; their file choices go through prompts.
    CChartWindows(QWidget& owner, CUiPrompts& prompts) : m_owner(owner), m_prompts(prompts) {}
    ~CChartWindows() override;

    /// The chart window of doc, or nullptr when it has none open.
    CCentreChartWindow* Find(const CKestraneDoc& doc) const;
    /// Opens doc's chart window, or brings it forward.
    void Show(CKestraneDoc& doc);
    /// doc is closing: its chart window lets go of it and closes.
    void Close(const CKestraneDoc* doc);

signals:
    /// The user clicked the point of the season named name in doc's chart.
    void seasonChosen(CKestraneDoc& doc, const QByteArray& name);

private:
    QWidget& m_owner;
    CUiPrompts& m_prompts;
    std::map<const CKestraneDoc*, QPointer<CCentreChartWindow>> m_windows;
};
