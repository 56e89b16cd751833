#pragma once

#include "app/DocumentObservation.h"
#include "model/CentreHistory.h"
#include "model/DocumentObserver.h"
#include "orders/Geography.h"

#include <QWidget>

#include <optional>

class CKestraneDoc;
class CUiPrompts;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QToolBar;

/// The supply-centre chart of one game, in a window of its own: the centres
/// of every power at the game's start and after each season that holds
/// ownership, one line in each country's colour, lines with equal counts
/// drawn a little apart, the season on show marked. Hovering over a point
/// shows that season's figures; clicking one asks for that season to be
/// shown. Exports the chart as PNG or SVG.
class CCentreChartWindow : public QWidget, public IDocumentObserver {
    Q_OBJECT
public:
    CCentreChartWindow(CKestraneDoc& doc, CUiPrompts& prompts, QWidget* parent = nullptr);
    ~CCentreChartWindow() override;

    CKestraneDoc* Document() const { return m_observation.Document(); }
    /// Stops observing; the game is going.
    void Detach() { m_observation.Detach(); }

    /// The figures on show, as the core computed them; the first row is the
    /// game's start when it is known (its season is the game-start season,
    /// or empty when none is filed).
    const CCentreHistory& History() const { return m_history; }
    /// True when the first row is the game's start.
    bool StartsWithGameStart() const { return m_bStart; }
    QChart* Chart() const { return m_pChart; }
    QChartView* View() const { return m_pView; }
    /// The line series, one a country in country order; point i is row i,
    /// drawn at the count, or beside it when other lines share the count.
    const std::vector<QLineSeries*>& Lines() const { return m_lines; }
    /// The marks on the points of the season on show.
    QScatterSeries* OnShowMarks() const { return m_pOnShow; }
    /// The row of the season on show, if any.
    std::optional<size_t> OnShowRow() const { return m_onShowRow; }

    /// The text hovering over row shows: the season in words and every
    /// power's centres; empty for a row that does not exist.
    QString PointText(size_t row) const;
    /// As a click on a point of row does: asks for its season.
    void ChooseRow(size_t row);

    /// Writes the chart as a picture; false (the user told why) on failure.
    bool ExportPng(const QString& path);
    bool ExportSvg(const QString& path);

    void OnDocumentUpdate() override;
    void OnDocumentTitleChanged() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// The user clicked the point of the season named name.
    void seasonChosen(const QByteArray& name);

private:
    void Rebuild();
    void MarkOnShow();
    void UpdateTitle();
    void OnExportPng();
    void OnExportSvg();
    std::optional<size_t> RowAt(double x) const;
    /// The row of the point nearest to at (view coordinates), when one is
    /// within a few pixels.
    std::optional<size_t> RowNear(const QPoint& at) const;
    QString RowWords(size_t row) const;

    CDocumentObservation m_observation;
    CUiPrompts& m_prompts;
    QToolBar* m_pToolBar = nullptr;
    QChart* m_pChart = nullptr;
    QChartView* m_pView = nullptr;
    std::vector<QLineSeries*> m_lines;
    QScatterSeries* m_pOnShow = nullptr;
    CCentreHistory m_history;
    /// The board's geography, for the home centres; none on a board without.
    std::optional<orders::Geography> m_geography;
    bool m_bStart = false;
    /// Where each line's points are drawn: [country][row].
    std::vector<std::vector<double>> m_drawn;
    std::optional<size_t> m_onShowRow;
    bool m_bBuilt = false;
};
