#include "app/CentreChartWindow.h"

#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "model/KestraneDoc.h"
#include "model/SeasonWords.h"
#include "views/PhaseSummary.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
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
        seasons->append(FromDocText(SeasonInWords(m_history.rows[i].season)), double(i));
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

    for (size_t c = 0; c < m_history.countries.size(); ++c) {
        auto* line = new QLineSeries();
        line->setName(FromDocText(PowerName(m_history.countries[c].name)));
        QPen pen(CountryColour(m_history.countries[c]));
        pen.setWidth(3);
        line->setPen(pen);
        line->setPointsVisible(true);
        for (size_t i = 0; i < m_history.rows.size(); ++i)
            line->append(double(i), m_history.rows[i].centres[c]);
        m_pChart->addSeries(line);
        line->attachAxis(seasons);
        line->attachAxis(centres);
        connect(line, &QLineSeries::hovered, this, [this](const QPointF& point, bool state) {
            const std::optional<size_t> row = RowAt(point.x());
            if (state && row)
                QToolTip::showText(QCursor::pos(), PointText(*row), m_pView);
            else
                QToolTip::hideText();
        });
        connect(line, &QLineSeries::clicked, this, [this](const QPointF& point) {
            if (const std::optional<size_t> row = RowAt(point.x()))
                ChooseRow(*row);
        });
        m_lines.push_back(line);
    }

    // Rings around the points of the season on show; not a country, so
    // the legend leaves it out.
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
}

void CCentreChartWindow::MarkOnShow()
{
    m_onShowRow = Document() ? CentreHistoryRowOnShow(m_history, *Document()) : std::nullopt;
    if (!m_pOnShow)
        return;
    QList<QPointF> points;
    if (m_onShowRow)
        for (int count : m_history.rows[*m_onShowRow].centres)
            points.append(QPointF(double(*m_onShowRow), count));
    m_pOnShow->replace(points);
}

std::optional<size_t> CCentreChartWindow::RowAt(double x) const
{
    const long row = std::lround(x);
    if (row < 0 || size_t(row) >= m_history.rows.size())
        return std::nullopt;
    return size_t(row);
}

QString CCentreChartWindow::PointText(size_t row) const
{
    if (row >= m_history.rows.size())
        return {};
    const CCentreHistory::Row& r = m_history.rows[row];
    QString text = FromDocText(SeasonInWords(r.season));
    for (size_t c = 0; c < m_history.countries.size() && c < r.centres.size(); ++c)
        text += QStringLiteral("\n%1: %2").arg(FromDocText(PowerName(m_history.countries[c].name))).arg(r.centres[c]);
    return text;
}

void CCentreChartWindow::ChooseRow(size_t row)
{
    if (row < m_history.rows.size())
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
