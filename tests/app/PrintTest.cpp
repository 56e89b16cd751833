#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"
#include "views/OrdersLayout.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QtTest>

namespace {

// owned: ENGLAND also owns LON, which gives the season a phase summary.
void AddOrders(CKestraneDoc& doc, int orders, int dislodged, bool owned = false)
{
    auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
    season->m_strSeason = "S1901M";
    for (int i = 0; i < orders; ++i)
        season->m_orders.push_back("England: Fleet LON HOLD. " + std::to_string(i));
    for (int i = 0; i < dislodged; ++i)
        season->m_dislodged.push_back("ENGLAND FLEET LON");
    season->m_units[0].emplace_back(1, MapPos{10, 12}, "LON");
    if (owned)
        season->m_centres[0].push_back(MapPos{12, 14});
    doc.InsertSeason(std::move(season));
}

void ToPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(300);
}


// The file without its creation time, which is all that differs between
// two prints of the same pages.
QByteArray WithoutDate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray kept;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.contains("CreationDate"))
            kept += line + '\n';
    return kept;
}

} // namespace

// Printing and print preview of both panes.
class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void mapPrintsOnePage();
    void ordersPrintOverSeveralPages();
    void phaseSummaryOnlyWhenToggled_data();
    void phaseSummaryOnlyWhenToggled();
    void printCommandUsesTheActivePane();
    void previewShowsThePages();
    void mapPrintLeavesThePrinterAsItFoundIt();
};

void PrintTest::mapPrintsOnePage()
{
    CAppFixture app;
    AddOrders(*app.NewGame(), 3, 0);
    QPrinter& printer = app.App().Printer();
    const QString pdf = app.Path("map.pdf");
    ToPdf(printer, pdf);
    app.Frame().ActiveFrame()->MapView()->Print(printer);
    QVERIFY(QFile(pdf).size() > 1000);
    QVERIFY(app.Prompts().messages.empty());
}

void PrintTest::ordersPrintOverSeveralPages()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QPrinter& printer = app.App().Printer();
    ToPdf(printer, app.Path("orders.pdf"));
    CKesTextView* view = app.Frame().ActiveFrame()->TextView();
    QCOMPARE(view->PageCount(printer), 0); // no season on show

    const int lines = view->LinesPerPage(printer);
    QVERIFY(lines > 10);
    AddOrders(*doc, 2 * lines + 5, 3);
    QCOMPARE(view->PageCount(printer), (2 * lines + 5 + 3 + 2) / lines + 1);
    view->Print(printer);
    QVERIFY(QFile(app.Path("orders.pdf")).size() > 1000);
}

void PrintTest::phaseSummaryOnlyWhenToggled_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("pages");
    QTest::newRow("offByDefault") << 0 << false << 1;
    QTest::newRow("on") << 1 << true << 2;
}

void PrintTest::phaseSummaryOnlyWhenToggled()
{
    QFETCH(int, stored);
    QFETCH(bool, shown);
    QFETCH(int, pages);
    CAppFixture app(CAppFixture::Presets{{"Settings/PhaseSummary", stored}});
    CKestraneDoc* doc = app.NewGame();
    QPrinter& printer = app.App().Printer();
    ToPdf(printer, app.Path("summary.pdf"));
    CKesTextView* view = app.Frame().ActiveFrame()->TextView();
    // With its two headings the orders leave one line of the page free.
    AddOrders(*doc, view->LinesPerPage(printer) - 3, 0, true);
    QCOMPARE(view->ScreenLines().contains(kSummaryHeading), shown);
    QCOMPARE(view->PageCount(printer), pages);
    app.Run(Cmd::TogglePhaseSummary);
    QCOMPARE(view->ScreenLines().contains(kSummaryHeading), !shown);
}

void PrintTest::printCommandUsesTheActivePane()
{
    CAppFixture app;
    AddOrders(*app.NewGame(), 5, 0);
    QPrinter& printer = app.App().Printer();
    int maxPage = -1;
    app.Prompts().dialogHook = [&maxPage](QDialog& dialog) {
        maxPage = static_cast<QPrintDialog&>(dialog).maxPage();
        return true;
    };
    ToPdf(printer, app.Path("map-command.pdf"));
    app.Run(Cmd::Print);
    QCOMPARE(maxPage, 1); // the map prints on one page
    QVERIFY(QFile::exists(app.Path("map-command.pdf")));

    app.Run(Cmd::NextPane);
    ToPdf(printer, app.Path("orders-command.pdf"));
    app.Run(Cmd::Print);
    QCOMPARE(maxPage, app.Frame().ActiveFrame()->TextView()->PageCount(printer));
    QVERIFY(QFile::exists(app.Path("orders-command.pdf")));
}

void PrintTest::previewShowsThePages()
{
    CAppFixture app;
    AddOrders(*app.NewGame(), 5, 1);
    int pages = -1;
    app.Prompts().dialogHook = [&pages](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        if (!preview)
            return false;
        preview->updatePreview();
        pages = preview->pageCount();
        return false;
    };
    app.Run(Cmd::PrintPreview);
    QCOMPARE(app.Prompts().dialogTitles.size(), size_t(1));
    QCOMPARE(pages, 1);
}

void PrintTest::mapPrintLeavesThePrinterAsItFoundIt()
{
    CAppFixture app;
    AddOrders(*app.NewGame(), 4, 1);
    QPrinter& printer = app.App().Printer();
    CChildFrame* frame = app.Frame().ActiveFrame();
    ToPdf(printer, app.Path("alone.pdf"));
    frame->TextView()->Print(printer);
    ToPdf(printer, app.Path("map.pdf"));
    frame->MapView()->Print(printer);
    ToPdf(printer, app.Path("after-map.pdf"));
    frame->TextView()->Print(printer);
    const QByteArray alone = WithoutDate(app.Path("alone.pdf"));
    QVERIFY(alone.size() > 500);
    QCOMPARE(WithoutDate(app.Path("after-map.pdf")), alone);
}

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
