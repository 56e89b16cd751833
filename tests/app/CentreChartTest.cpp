#include "AppFixture.h"
#include "SampleGame.h"

#include "app/CentreChartWindow.h"
#include "app/ChildFrame.h"
#include "model/KestraneDoc.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLineSeries>
#include <QMouseEvent>
#include <QProcess>
#include <QScatterSeries>
#include <QToolBar>
#include <QToolTip>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <optional>

namespace {

// The chart window of doc, opened through the menu; nullptr without a game.
CCentreChartWindow* OpenChart(CAppFixture& app, const CKestraneDoc* doc)
{
    if (!doc)
        return nullptr;
    app.Run(Cmd::CentreChart);
    return app.Frame().ChartWindow(*doc);
}

// The real game's program, game and chart window, to bind by name.
struct OpenedChart {
    CAppFixture& app;
    CKestraneDoc* doc;
    CCentreChartWindow* chart;
};

OpenedChart WithChart(CKestrelSession& opened)
{
    return {opened.app, opened.doc, OpenChart(opened.app, opened.doc)};
}

// The chart's figures read back from its series: season row by row, a
// count per country. The game's start, when first, is left out.
struct Figures {
    QStringList countries;
    QList<QList<int>> rows; // [row][country]
};

// The count a point stands for: lines sharing a count are drawn beside it,
// never halfway to the next.
std::optional<int> CountAt(QPointF point)
{
    const long count = std::lround(point.y());
    return std::abs(point.y() - double(count)) <= 0.4 ? std::optional<int>(int(count)) : std::nullopt;
}

Figures FromSeries(const CCentreChartWindow& chart)
{
    Figures figures;
    const qsizetype first = chart.StartsWithGameStart() ? 1 : 0;
    for (QLineSeries* line : chart.Lines()) {
        figures.countries << line->name();
        const QList<QPointF> points = line->points();
        for (qsizetype i = first; i < points.size(); ++i) {
            if (figures.rows.size() <= i - first)
                figures.rows.append(QList<int>());
            const std::optional<int> count = CountAt(points[i]);
            if (points[i].x() != double(i) || !count)
                return {};
            figures.rows[i - first] << *count;
        }
    }
    return figures;
}

// "kestrane-cli history GAME.kes": a header line, then a season a line.
Figures FromCsv(const QString& csv, QStringList& seasons)
{
    Figures figures;
    const QStringList lines = csv.split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return figures;
    figures.countries = lines[0].split(',').mid(1);
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(',');
        seasons << fields[0];
        QList<int> row;
        for (const QString& field : fields.mid(1))
            row << field.toInt();
        figures.rows << row;
    }
    return figures;
}

QPoint PointOnView(const CCentreChartWindow& chart, QAbstractSeries* series, QPointF value)
{
    const QPointF inChart = chart.Chart()->mapToPosition(value, series);
    return chart.View()->mapFromScene(chart.Chart()->mapToScene(inChart));
}

} // namespace

// The supply-centre chart: its figures against "kestrane-cli history" and
// the Judge's own record, the mark on the season on show, clicks, hover
// text, export, and one window per game.
class CentreChartTest : public QObject {
    Q_OBJECT
private slots:
    void seriesEqualTheCommandLineAndTheJudge();
    void markFollowsTheSeasonOnShow();
    void clickingAPointShowsItsSeason();
    void hoverTextListsTheSeasonsFigures();
    void hoverShowsThePointsFigures_data();
    void hoverShowsThePointsFigures();
    void exportsPngAndSvg();
    void exportFailureIsTold();
    void oneWindowPerGameClosingWithIt();
};

void CentreChartTest::seriesEqualTheCommandLineAndTheJudge()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened;
    auto [app, doc, chart] = WithChart(opened);
    QVERIFY(chart);
    QVERIFY(chart->isVisible());
    const Figures shown = FromSeries(*chart);
    QCOMPARE(shown.countries, (QStringList{"Austria", "England", "France", "Germany", "Italy", "Russia", "Turkey"}));

    // Each line in its country's colour.
    for (size_t c = 0; c < chart->Lines().size(); ++c) {
        const CCountry& country = doc->m_countries[c];
        QCOMPARE(chart->Lines()[c]->pen().color(), QColor(country.Red(), country.Green(), country.Blue()));
    }

    // The command line's history of the same game, saved.
    const QString game = app.Path("kestrel.kes");
    QVERIFY(doc->OnSaveDocument(game.toStdString()));
    QProcess cli;
    cli.start(QStringLiteral(KESTRANE_CLI_PROGRAM), {"--install-dir", app.Path(""), "history", game});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QStringList seasons;
    const Figures history = FromCsv(QString::fromUtf8(cli.readAllStandardOutput()), seasons);
    // The command line keeps the map's own spelling; the legend writes it
    // as a name.
    QCOMPARE(shown.countries.join(',').toUpper(), history.countries.join(',').toUpper());
    QCOMPARE(shown.rows, history.rows);
    QVERIFY(chart->StartsWithGameStart());
    QCOMPARE(seasons.size() + 1, chart->History().rows.size());

    // And the Judge's own record after each of those seasons.
    QVERIFY(!seasons.isEmpty());
    for (qsizetype row = 0; row < seasons.size(); ++row) {
        const auto truth = kestrel::Truth(seasons[row].toStdString());
        QVERIFY2(!truth.empty(), qPrintable(seasons[row]));
        for (qsizetype c = 0; c < shown.countries.size(); ++c) {
            const auto it = truth.find(shown.countries[c].toUpper().toStdString());
            QCOMPARE(shown.rows[row][c], it == truth.end() ? 0 : it->second.centres);
        }
    }

    // The axis names the seasons in words.
    const auto axes = chart->Chart()->axes(Qt::Horizontal);
    QCOMPARE(axes.size(), 1);
    const QStringList labels = static_cast<QCategoryAxis*>(axes[0])->categoriesLabels();
    QCOMPARE(labels.size(), seasons.size() + 1);
    QCOMPARE(labels.first(), QStringLiteral("Starting position 1901"));
    QCOMPARE(labels[1], QStringLiteral("Fall 1901 Retreats"));

    // The start: the owners the Judge began with, which its record of the
    // fall movement still holds (it changes owners after the retreats).
    const CCentreHistory::Row& start = chart->History().rows.front();
    QCOMPARE(start.season, std::string("S1900M"));
    const auto owners = kestrel::Truth("F1901M");
    for (qsizetype c = 0; c < shown.countries.size(); ++c) {
        QCOMPARE(start.centres[size_t(c)], owners.at(shown.countries[c].toUpper().toStdString()).centres);
        QCOMPARE(CountAt(chart->Lines()[size_t(c)]->points().front()), std::optional<int>(start.centres[size_t(c)]));
    }

    // Every line can be followed: no two are drawn at one place.
    for (size_t row = 0; row < chart->History().rows.size(); ++row) {
        QList<double> heights;
        for (QLineSeries* line : chart->Lines())
            heights << line->points()[qsizetype(row)].y();
        for (qsizetype a = 0; a < heights.size(); ++a)
            for (qsizetype b = a + 1; b < heights.size(); ++b)
                QVERIFY2(std::abs(heights[a] - heights[b]) >= 0.1, qPrintable(labels[qsizetype(row)]));
    }
}

void CentreChartTest::markFollowsTheSeasonOnShow()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened;
    auto [app, doc, chart] = WithChart(opened);
    QVERIFY(chart);
    const auto& rows = chart->History().rows;

    struct Step {
        Cmd command;
        const char* marked; // the row's season, or "" for none
    };
    // Before the first list of owners the game's start is in force.
    const Step steps[] = {{Cmd::LatestSeason, "F1903R"}, // adjustments: the ownership before them
                          {Cmd::FirstSeason, "S1900M"},
                          {Cmd::NextSeason, "S1900M"},
                          {Cmd::NextSeason, "S1900M"},
                          {Cmd::NextSeason, "F1901R"},
                          {Cmd::NextSeason, "F1901R"}};
    for (const Step& step : steps) {
        app.Run(step.command);
        const QList<QPointF> marks = chart->OnShowMarks()->points();
        if (!*step.marked) {
            QVERIFY(!chart->OnShowRow());
            QVERIFY(marks.isEmpty());
            continue;
        }
        QVERIFY(chart->OnShowRow());
        const size_t row = *chart->OnShowRow();
        QCOMPARE(QString::fromStdString(rows[row].season), QString::fromLatin1(step.marked));
        QCOMPARE(size_t(marks.size()), chart->Lines().size());
        for (size_t c = 0; c < chart->Lines().size(); ++c) {
            // On the line's own point, which stands for the row's count.
            QCOMPARE(marks[c], chart->Lines()[c]->points()[qsizetype(row)]);
            QCOMPARE(CountAt(marks[c]), std::optional<int>(rows[row].centres[c]));
        }
    }
}

void CentreChartTest::clickingAPointShowsItsSeason()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened;
    auto [app, doc, chart] = WithChart(opened);
    QVERIFY(chart);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    const std::string before = doc->GetTitle();

    // A click on Austria's point of the second row.
    QLineSeries* austria = chart->Lines()[0];
    const QPointF value = austria->points()[1];
    QTest::mouseClick(chart->View()->viewport(), Qt::LeftButton, {}, PointOnView(*chart, austria, value));
    QCOMPARE(Current(*doc), QString::fromStdString(chart->History().rows[1].season));
    QVERIFY(doc->GetTitle() != before);
    QVERIFY(QString::fromStdString(doc->GetTitle()).contains(Current(*doc)));
    QVERIFY(app.Frame().ActiveFrame()->windowTitle().startsWith(QString::fromStdString(doc->GetTitle())));
    QVERIFY(app.Frame().Action(Cmd::NextSeason)->isEnabled());
    QCOMPARE(chart->OnShowRow(), std::optional<size_t>(1));

    // Rows that are not there ask for nothing.
    chart->ChooseRow(99);
    QCOMPARE(chart->OnShowRow(), std::optional<size_t>(1));
    chart->ChooseRow(0);
    QCOMPARE(Current(*doc), QString::fromStdString(chart->History().rows[0].season));
}

void CentreChartTest::hoverTextListsTheSeasonsFigures()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened;
    auto [app, doc, chart] = WithChart(opened);
    QVERIFY(chart);
    const auto table = kestrel::CountTable(kestrel::Folder() / "08-F1902R-retreat.txt");
    QVERIFY(!table.empty());
    QString expected = QStringLiteral("Fall 1902 Retreats");
    for (const char* power : {"Austria", "England", "France", "Germany", "Italy", "Russia", "Turkey"})
        expected += QStringLiteral("\n%1: %2").arg(power).arg(table.at(QString(power).toUpper().toStdString()).centres);
    QCOMPARE(chart->PointText(2), expected);
    QVERIFY(chart->PointText(4).isEmpty());
    QCOMPARE(chart->PointText(0), QStringLiteral("Starting position 1901\nAustria: 3\nEngland: 3\nFrance: 3\n"
                                                 "Germany: 3\nItaly: 3\nRussia: 4\nTurkey: 3"));
}

void CentreChartTest::hoverShowsThePointsFigures_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("country");
    QTest::newRow("start, Russia") << 0 << 5;
    QTest::newRow("season on show, under its ring") << 3 << 0;
    QTest::newRow("another season") << 1 << 2;
}

void CentreChartTest::hoverShowsThePointsFigures()
{
    SKIP_WITHOUT_KESTREL();
    QFETCH(int, row);
    QFETCH(int, country);
    CKestrelSession opened;
    auto [app, doc, chart] = WithChart(opened);
    QVERIFY(chart);
    app.Run(Cmd::LatestSeason);
    QCOMPARE(chart->OnShowRow(), std::optional<size_t>(3));
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QLineSeries* line = chart->Lines()[size_t(country)];
    const QPoint at = PointOnView(*chart, line, line->points()[row]);
    // The pointer's moves as the view gets them (the offscreen platform
    // hands a moved cursor to whichever window lies there).
    QWidget* viewport = chart->View()->viewport();
    const auto moveTo = [viewport](QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(viewport, &move);
    };
    moveTo(at + QPoint(20, 20));
    moveTo(at);
    QTRY_COMPARE(QToolTip::text(), chart->PointText(size_t(row)));
    // Away from every point it goes.
    moveTo(QPoint(2, 2));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void CentreChartTest::exportsPngAndSvg()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened;
    auto [app, doc, chart] = WithChart(opened);
    QVERIFY(chart);

    // Through the window's own buttons, as the user exports.
    const QList<QAction*> buttons = chart->findChild<QToolBar*>()->actions();
    QCOMPARE(buttons.size(), 2);
    app.Prompts().saveAnswers = {app.Path("chart.png"), app.Path("chart.svg")};
    buttons[0]->trigger();
    buttons[1]->trigger();
    QCOMPARE(app.Prompts().saveRequests.size(), size_t(2));
    QCOMPARE(app.Prompts().saveRequests[0].defaultSuffix, QStringLiteral("png"));
    QCOMPARE(app.Prompts().saveRequests[1].defaultSuffix, QStringLiteral("svg"));
    QVERIFY(app.Prompts().messages.empty());

    const QImage png(app.Path("chart.png"));
    QVERIFY(!png.isNull());
    QCOMPARE(png.size(), chart->View()->grab().size());
    // Not blank: the lines are drawn in the countries' colours.
    const QColor austria(doc->m_countries[0].Red(), doc->m_countries[0].Green(), doc->m_countries[0].Blue());
    bool found = false;
    for (int y = 0; y < png.height() && !found; ++y)
        for (int x = 0; x < png.width() && !found; ++x)
            found = png.pixelColor(x, y) == austria;
    QVERIFY(found);

    QFile svgFile(app.Path("chart.svg"));
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&svgFile);
    QStringList texts;
    bool root = false;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isStartElement() && svg.name() == QLatin1String("svg"))
            root = true;
        if (svg.isStartElement() && svg.name() == QLatin1String("text"))
            texts << svg.readElementText().trimmed();
    }
    QVERIFY(!svg.hasError());
    QVERIFY(root);
    QVERIFY2(texts.contains("Austria"), qPrintable(texts.join('|')));
    QVERIFY2(texts.contains("Fall 1902 Retreats"), qPrintable(texts.join('|')));
}

void CentreChartTest::exportFailureIsTold()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    CCentreChartWindow* chart = OpenChart(app, doc);
    QVERIFY(chart);
    // A game without ownership yet: an empty chart, still exportable.
    QVERIFY(chart->Lines().size() == 2 && chart->Lines()[0]->points().isEmpty());
    const QString nowhere = app.Path("no-such-folder/chart.png");
    QVERIFY(!chart->ExportPng(nowhere));
    QVERIFY(!chart->ExportSvg(app.Path("no-such-folder/chart.svg")));
    QCOMPARE(app.Prompts().messages.size(), size_t(2));
    QVERIFY(app.Prompts().messages[0].text.contains(nowhere));
    QVERIFY(!QFile::exists(nowhere));
    // Cancelling the file choice writes nothing and says nothing.
    app.Prompts().saveAnswers = {QString()};
    chart->findChild<QToolBar*>()->actions()[0]->trigger();
    QCOMPARE(app.Prompts().messages.size(), size_t(2));
}

void CentreChartTest::oneWindowPerGameClosingWithIt()
{
    CAppFixture app;
    CKestraneDoc* first = app.NewGame();
    QVERIFY(first);
    app.Run(Cmd::CentreChart);
    QPointer<CCentreChartWindow> firstChart = app.Frame().ChartWindow(*first);
    QVERIFY(firstChart);
    app.Run(Cmd::CentreChart);
    QCOMPARE(app.Frame().ChartWindow(*first), firstChart.data());
    QVERIFY(firstChart->windowTitle().startsWith("Supply Centre Chart - "));

    CKestraneDoc* second = app.NewGame();
    QVERIFY(second);
    app.Run(Cmd::CentreChart);
    QPointer<CCentreChartWindow> secondChart = app.Frame().ChartWindow(*second);
    QVERIFY(secondChart && secondChart != firstChart);

    // The chart goes with its game's last window; the other stays.
    app.Frame().Docs().OnFileClose(*first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!firstChart || !firstChart->isVisible());
    QVERIFY(firstChart.isNull() || !firstChart->Document());
    QVERIFY(secondChart && secondChart->Document() == second);

    // A chart closed by the user is made afresh the next time.
    secondChart->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(secondChart.isNull());
    app.Run(Cmd::CentreChart);
    QVERIFY(app.Frame().ChartWindow(*second));
}

QTEST_MAIN(CentreChartTest)
#include "CentreChartTest.moc"
