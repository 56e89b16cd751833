#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

const QColor kInk(0, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);

void DrawNew(QPainter& p)
{
    // A sheet with its top-right corner folded down.
    const QPolygon sheet({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
    p.setBrush(Qt::white);
    p.setPen(kInk);
    p.drawPolygon(sheet);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void DrawOpen(QPainter& p)
{
    // A folder with its lid tilted open.
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygon({{1, 4}, {5, 4}, {6, 5}, {12, 5}, {12, 13}, {1, 13}}));
    p.setBrush(QColor(192, 160, 0));
    p.drawPolygon(QPolygon({{3, 8}, {15, 8}, {12, 13}, {1, 13}}));
    p.drawLine(9, 1, 12, 1);
    p.drawLine(12, 1, 14, 3);
}

void DrawSave(QPainter& p)
{
    // A diskette: navy case, white label, silver shutter.
    p.setPen(kInk);
    p.setBrush(kNavy);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(kSilver);
    p.drawRect(4, 9, 7, 5);
    p.fillRect(8, 10, 2, 3, kNavy);
}

void DrawTriangle(QPainter& p, int tipX, bool pointsLeft)
{
    const int baseX = pointsLeft ? tipX + 5 : tipX - 5;
    p.drawPolygon(QPolygon({{tipX, 7}, {baseX, 2}, {baseX, 12}}));
}

void DrawSeasonArrow(QPainter& p, Cmd id)
{
    p.setPen(kNavy);
    p.setBrush(kTeal);
    switch (id) {
    case Cmd::FirstSeason:
        p.fillRect(2, 2, 2, 11, kNavy);
        DrawTriangle(p, 5, true);
        DrawTriangle(p, 10, true);
        break;
    case Cmd::PreviousSeason:
        DrawTriangle(p, 5, true);
        break;
    case Cmd::NextSeason:
        DrawTriangle(p, 10, false);
        break;
    default: // latest
        DrawTriangle(p, 10, false);
        DrawTriangle(p, 5, false);
        p.fillRect(12, 2, 2, 11, kNavy);
        break;
    }
}

void DrawPrint(QPainter& p)
{
    // A sheet feeding out of a grey printer.
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(kSilver);
    p.drawRect(1, 6, 13, 5);
    p.setBrush(Qt::white);
    p.drawRect(3, 10, 9, 4);
    p.fillRect(11, 7, 2, 1, QColor(0, 160, 0));
    p.drawLine(5, 12, 10, 12);
}

void DrawQuestionMark(QPainter& p, int x, int y, const QColor& colour)
{
    // A pixel question mark, 5 wide and 8 high, at (x, y).
    p.setPen(colour);
    p.drawLine(x + 1, y, x + 3, y);
    p.drawPoint(x, y + 1);
    p.drawPoint(x + 4, y + 1);
    p.drawPoint(x + 4, y + 2);
    p.drawPoint(x + 3, y + 3);
    p.drawPoint(x + 2, y + 4);
    p.drawPoint(x + 2, y + 5);
    p.drawPoint(x + 2, y + 7);
}

void DrawAbout(QPainter& p)
{
    // A speech bubble with a question mark.
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawEllipse(1, 0, 13, 11);
    p.drawPolygon(QPolygon({{4, 9}, {3, 14}, {8, 10}}));
    p.fillRect(4, 9, 5, 2, kYellow);
    DrawQuestionMark(p, 5, 2, kNavy);
}

void DrawContextHelp(QPainter& p)
{
    // The pointer arrow with a question mark beside it.
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{1, 1}, {1, 12}, {4, 9}, {6, 14}, {8, 13}, {6, 8}, {10, 8}}));
    DrawQuestionMark(p, 10, 3, kNavy);
}

void DrawOrdersMode(QPainter& p)
{
    // A red move arrow with a pencil writing it.
    p.setPen(QPen(QColor(192, 0, 0), 2));
    p.drawLine(1, 13, 8, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 0, 0));
    p.drawPolygon(QPolygon({{10, 4}, {5, 5}, {9, 9}}));
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygon({{9, 9}, {14, 2}, {15, 3}, {10, 10}}));
    p.drawLine(9, 9, 8, 11);
}

void DrawSendToJudge(QPainter& p)
{
    // An envelope with a red arrow leaving it.
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(0, 4, 10, 8);
    p.drawLine(0, 4, 5, 8);
    p.drawLine(10, 4, 5, 8);
    p.setPen(QPen(QColor(192, 0, 0), 2));
    p.drawLine(8, 10, 13, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 0, 0));
    p.drawPolygon(QPolygon({{15, 2}, {10, 3}, {14, 7}}));
}

} // namespace

QPixmap ToolbarPixmap(Cmd id)
{
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (id) {
    case Cmd::FileNew: DrawNew(p); break;
    case Cmd::FileOpen: DrawOpen(p); break;
    case Cmd::FileSave: DrawSave(p); break;
    case Cmd::FirstSeason:
    case Cmd::PreviousSeason:
    case Cmd::NextSeason:
    case Cmd::LatestSeason: DrawSeasonArrow(p, id); break;
    case Cmd::Print: DrawPrint(p); break;
    case Cmd::AppAbout: DrawAbout(p); break;
    case Cmd::ContextHelp: DrawContextHelp(p); break;
    case Cmd::OrdersMode: DrawOrdersMode(p); break;
    case Cmd::SendToJudge: DrawSendToJudge(p); break;
    default:
        p.end();
        return QPixmap();
    }
    p.end();
    return pixmap;
}

QIcon ToolbarIcon(Cmd id)
{
    const QPixmap pixmap = ToolbarPixmap(id);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
