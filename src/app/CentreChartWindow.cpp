#include "app/CentreChartWindow.h"

#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "model/KestraneDoc.h"
#include "model/SeasonWords.h"
#include "orders/BoardGeography.h"
#include "orders/StartingCentres.h"
#include "views/LineSpread.h"
#include "views/PhaseSummary.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QMouseEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolBar>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

bool SameFigures(const CCentreHistory& a, const CCentreHistory& b)
{
    const auto sameCountry = [](const CCentreHistory::Country& x, const CCentreHistory::Country& y) {
        return x.name == y.name && x.colour == y.colour;
    };
    const auto sameRow = [](const CCentreHistory::Row& x, const CCentreHistory::Row& y) {
        return x.season == y.season && x.centres == y.centres;
    };
    return std::equal(a.countries.begin(), a.countries.end(), b.countries.begin(), b.countries.end(), sameCountry) &&
           std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(), sameRow);
}

QColor CountryColour(const CCentreHistory::Country& country)
{
    return QColor(country.colour[0], country.colour[1], country.colour[2]);
}

// How far apart lines with equal counts are drawn, in centres: far enough to
// see each colour at the chart's usual height, near enough to read the count.
constexpr double kSpreadStep = 0.12;

} // namespace

CCentreChartWindow::CCentreChartWindow(CKestraneDoc& doc, CUiPrompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), m_observation(doc, *this), m_prompts(prompts)
{
    setObjectName(QStringLiteral("CentreChart"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 560);

    m_pToolBar = new QToolBar(this);
    QAction* png = m_pToolBar->addAction(QStringLiteral("Export &PNG..."));
    png->setStatusTip(QStringLiteral("Save the chart as a PNG picture"));
    QAction* svg = m_pToolBar->addAction(QStringLiteral("Export &SVG..."));
    svg->setStatusTip(QStringLiteral("Save the chart as an SVG drawing"));
    connect(png, &QAction::triggered, this, &CCentreChartWindow::OnExportPng);
    connect(svg, &QAction::triggered, this, &CCentreChartWindow::OnExportSvg);

    m_pChart = new QChart();
    m_pChart->legend()->setAlignment(Qt::AlignRight);
    m_pView = new QChartView(m_pChart, this);
    m_pView->setRenderHint(QPainter::Antialiasing);
    // The values show on hover from the pointer's moves over the view: the
    // series' own hover signal did not come over a line's points.
    m_pView->viewport()->setMouseTracking(true);
    m_pView->viewport()->installEventFilter(this);

    // Read once: a game keeps its board.
    m_geography = orders::LoadBoardGeography(doc.Services().GetInstallDir(), doc.m_strMapName).geography;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pToolBar);
    layout->addWidget(m_pView, 1);

    OnDocumentUpdate();
    UpdateTitle();
}

CCentreChartWindow::~CCentreChartWindow() = default;

void CCentreChartWindow::OnDocumentUpdate()
{
    if (!Document())
        return;
    CCentreHistory history = BuildCentreHistory(*Document());
    const auto start = orders::GameStartCentres(*Document(), m_geography ? &*m_geography : nullptr);
    m_bStart = start && start->centres.size() == history.countries.size();
    if (m_bStart)
        history.rows.insert(history.rows.begin(), CCentreHistory::Row{start->season, start->centres});
    // Stepping through the game changes no figure: only the mark moves.
    if (!m_bBuilt || !SameFigures(history, m_history)) {
        m_history = std::move(history);
        Rebuild();
    }
    MarkOnShow();
}

void CCentreChartWindow::OnDocumentTitleChanged()
{
    UpdateTitle();
}

void CCentreChartWindow::UpdateTitle()
{
    if (!Document())
        return;
    const QString game = FromDocText(Document()->m_strJudge + " " + Document()->m_strGame);
    m_pChart->setTitle(QStringLiteral("Supply centres, game %1").arg(game.trimmed()));
    setWindowTitle(QStringLiteral("Supply Centre Chart - ") + FromDocText(Document()->GetTitle()));
}

void CCentreChartWindow::Rebuild()
{
    m_bBuilt = true;
    m_pChart->removeAllSeries();
    for (QAbstractAxis* axis : m_pChart->axes())
        m_pChart->removeAxis(axis);
    m_lines.clear();
    m_pOnShow = nullptr;

    auto* seasons = new QCategoryAxis();
    seasons->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    seasons->setLabelsAngle(-60);
    seasons->setTitleText(QStringLiteral("Season"));
    for (size_t i = 0; i < m_history.rows.size(); ++i)
        seasons->append(RowWords(i), double(i));
    seasons->setRange(-0.5, std::max(0.5, double(m_history.rows.size()) - 0.5));

    int most = 0;
    for (const auto& row : m_history.rows)
        for (int count : row.centres)
            most = std::max(most, count);
    auto* centres = new QValueAxis();
    centres->setRange(0, std::max(most + 1, 4));
    centres->setLabelFormat(QStringLiteral("%d"));
    centres->setTickType(QValueAxis::TicksDynamic);
    centres->setTickAnchor(0);
    centres->setTickInterval(most > 20 ? 5 : most > 10 ? 2 : 1);
    centres->setTitleText(QStringLiteral("Supply centres"));
    m_pChart->addAxis(seasons, Qt::AlignBottom);
    m_pChart->addAxis(centres, Qt::AlignLeft);

    std::vector<std::vector<int>> counts(m_history.countries.size());
    for (const auto& row : m_history.rows)
        for (size_t c = 0; c < counts.size() && c < row.centres.size(); ++c)
            counts[c].push_back(row.centres[c]);
    m_drawn = SpreadEqualValues(counts, kSpreadStep);

    // Rings around the points of the season on show; not a country, so
    // the legend leaves it out. Added before the lines, so it lies under
    // them and a click on a ringed point is the line's.
    m_pOnShow = new QScatterSeries();
    m_pOnShow->setName(QStringLiteral("On show"));
    m_pOnShow->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_pOnShow->setMarkerSize(16);
    m_pOnShow->setBrush(Qt::NoBrush);
    m_pOnShow->setPen(QPen(Qt::black, 2));
    m_pChart->addSeries(m_pOnShow);
    m_pOnShow->attachAxis(seasons);
    m_pOnShow->attachAxis(centres);
    connect(m_pOnShow, &QScatterSeries::clicked, this, [this](const QPointF& point) {
        if (const std::optional<size_t> row = RowAt(point.x()))
            ChooseRow(*row);
    });
    for (QLegendMarker* marker : m_pChart->legend()->markers(m_pOnShow))
        marker->setVisible(false);

    for (size_t c = 0; c < m_history.countries.size(); ++c) {
        auto* line = new QLineSeries();
        line->setName(FromDocText(PowerName(m_history.countries[c].name)));
        QPen pen(CountryColour(m_history.countries[c]));
        pen.setWidth(3);
        line->setPen(pen);
        line->setPointsVisible(true);
        for (size_t i = 0; i < m_drawn[c].size(); ++i)
            line->append(double(i), m_drawn[c][i]);
        m_pChart->addSeries(line);
        line->attachAxis(seasons);
        line->attachAxis(centres);
        connect(line, &QLineSeries::clicked, this, [this](const QPointF& point) {
            if (const std::optional<size_t> row = RowAt(point.x()))
                ChooseRow(*row);
        });
        m_lines.push_back(line);
    }
}

void CCentreChartWindow::MarkOnShow()
{
    m_onShowRow = Document() ? CentreHistoryRowOnShow(m_history, *Document()) : std::nullopt;
    // Before the first ownership list the home centres are in force.
    if (!m_onShowRow && m_bStart && Document() && Document()->HasCurrentSeason())
        m_onShowRow = 0;
    if (!m_pOnShow)
        return;
    QList<QPointF> points;
    if (m_onShowRow)
        for (const auto& drawn : m_drawn)
            points.append(QPointF(double(*m_onShowRow), drawn[*m_onShowRow]));
    m_pOnShow->replace(points);
}

std::optional<size_t> CCentreChartWindow::RowAt(double x) const
{
    const long row = std::lround(x);
    if (row < 0 || size_t(row) >= m_history.rows.size())
        return std::nullopt;
    return size_t(row);
}

bool CCentreChartWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pView->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (const std::optional<size_t> row = RowNear(at))
                QToolTip::showText(m_pView->viewport()->mapToGlobal(at), PointText(*row), m_pView->viewport());
            else
                QToolTip::hideText();
        } else if (event->type() == QEvent::Leave) {
            QToolTip::hideText();
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<size_t> CCentreChartWindow::RowNear(const QPoint& at) const
{
    constexpr int kReach = 8; // pixels from a point's centre
    std::optional<size_t> nearest;
    int best = kReach + 1;
    for (size_t c = 0; c < m_lines.size() && c < m_drawn.size(); ++c)
        for (size_t row = 0; row < m_drawn[c].size(); ++row) {
            const QPointF inChart = m_pChart->mapToPosition(QPointF(double(row), m_drawn[c][row]), m_lines[c]);
            const QPoint point = m_pView->mapFromScene(m_pChart->mapToScene(inChart));
            const int distance = (point - at).manhattanLength();
            if (distance < best) {
                best = distance;
                nearest = row;
            }
        }
    return nearest;
}

QString CCentreChartWindow::RowWords(size_t row) const
{
    const std::string& season = m_history.rows[row].season;
    if (row == 0 && m_bStart)
        return season.empty() ? QStringLiteral("Game start") : FromDocText(StartingPositionInWords(season));
    return FromDocText(SeasonInWords(season));
}

QString CCentreChartWindow::PointText(size_t row) const
{
    if (row >= m_history.rows.size())
        return {};
    const CCentreHistory::Row& r = m_history.rows[row];
    QString text = RowWords(row);
    for (size_t c = 0; c < m_history.countries.size() && c < r.centres.size(); ++c)
        text += QStringLiteral("\n%1: %2").arg(FromDocText(PowerName(m_history.countries[c].name))).arg(r.centres[c]);
    return text;
}

void CCentreChartWindow::ChooseRow(size_t row)
{
    // A start with no season filed has nothing to show.
    if (row < m_history.rows.size() && !m_history.rows[row].season.empty())
        emit seasonChosen(QByteArray::fromStdString(m_history.rows[row].season));
}

bool CCentreChartWindow::ExportPng(const QString& path)
{
    const QPixmap picture = m_pView->grab();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        m_prompts.ShowMessage(this, QStringLiteral("Could not write the picture to %1.").arg(path), MessageIcon::None);
        return false;
    }
    return true;
}

bool CCentreChartWindow::ExportSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(m_pView->size());
    svg.setViewBox(QRect(QPoint(0, 0), m_pView->size()));
    svg.setTitle(m_pChart->title());
    QPainter painter;
    if (!painter.begin(&svg)) {
        m_prompts.ShowMessage(this, QStringLiteral("Could not write the drawing to %1.").arg(path), MessageIcon::None);
        return false;
    }
    m_pView->render(&painter);
    painter.end();
    return true;
}

void CCentreChartWindow::OnExportPng()
{
    if (const auto path = m_prompts.ChooseSaveFile(this, QStringLiteral("Export PNG"), QStringLiteral("centres.png"),
                                                   QStringLiteral("PNG Pictures (*.png)"), QStringLiteral("png")))
        ExportPng(*path);
}

void CCentreChartWindow::OnExportSvg()
{
    if (const auto path = m_prompts.ChooseSaveFile(this, QStringLiteral("Export SVG"), QStringLiteral("centres.svg"),
                                                   QStringLiteral("SVG Drawings (*.svg)"), QStringLiteral("svg")))
        ExportSvg(*path);
}
