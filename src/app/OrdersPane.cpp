#include "app/OrdersPane.h"

#include "app/AppContext.h"
#include "app/DueTextHere.h"
#include "app/TextConv.h"
#include "judge/OrdersStatusRecord.h"
#include "model/DocText.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "orders/OrdersDesk.h"
#include "views/OrdersDueText.h"

#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString FromDrafts(const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(DocTextToUtf8(line));
    return text.join(QLatin1Char('\n'));
}

QLabel* AddLabel(QVBoxLayout& layout, const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout.addWidget(label);
    return label;
}

} // namespace

COrdersPane::COrdersPane(CKestraneDoc& doc, CAppContext& context, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_context(context)
{
    setObjectName(QStringLiteral("OrdersPane"));
    auto* layout = new QVBoxLayout(this);
    m_heading = AddLabel(*layout, QStringLiteral("OrdersHeading"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_due = AddLabel(*layout, QStringLiteral("OrdersDue"));
    m_prompt = AddLabel(*layout, QStringLiteral("OrdersPrompt"));
    layout->addWidget(new QLabel(tr("Orders, one per line (type, paste or click on the map):")));
    m_editor = new QPlainTextEdit;
    m_editor->setObjectName(QStringLiteral("OrdersEditor"));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_editor, 2);
    layout->addWidget(new QLabel(tr("As the Judge will take them:")));
    m_verdict = new QPlainTextEdit;
    m_verdict->setObjectName(QStringLiteral("OrdersVerdict"));
    m_verdict->setReadOnly(true);
    layout->addWidget(m_verdict, 3);
    // What became of the orders mail: sent and waiting, then the Judge's
    // own verdict on each line.
    m_sent = AddLabel(*layout, QStringLiteral("OrdersSent"));
    m_judge = new QPlainTextEdit;
    m_judge->setObjectName(QStringLiteral("JudgeVerdict"));
    m_judge->setReadOnly(true);
    layout->addWidget(m_judge, 3);
    m_sent->hide();
    m_judge->hide();
    connect(m_editor, &QPlainTextEdit::textChanged, this, &COrdersPane::OnEdited);
    // The time left is counted down while the pane shows.
    m_clock = new QTimer(this);
    m_clock->setInterval(60 * 1000);
    connect(m_clock, &QTimer::timeout, this, [this] { m_due->setText(DueText()); });
    hide();
}

COrdersPane::~COrdersPane() = default;

std::string COrdersPane::GameKey() const
{
    return m_doc.m_strMapName + '\n' + m_doc.m_strMyCountry + '\n' +
           (m_doc.m_seasons.empty() ? std::string() : m_doc.m_seasons.back()->m_strSeason) + '\n' +
           std::to_string(m_doc.m_seasons.size()) + '\n' + m_context.Services().GetInstallDir();
}

QString COrdersPane::Unavailable()
{
    const std::string key = GameKey();
    if (key != m_availableKey) {
        std::string why;
        orders::OrdersDesk::Open(m_doc, m_context.Services().GetInstallDir(), why);
        m_unavailable = FromDocText(why);
        m_availableKey = key;
    }
    return m_unavailable;
}

void COrdersPane::SetOn(bool on)
{
    if (on && m_doc.OnUpdateLatestSeason())
        m_doc.OnLatestSeason();
    m_bOn = on;
    if (on) {
        Reopen();
        m_clock->start();
    } else {
        m_desk.reset();
        m_clock->stop();
    }
    setVisible(on);
    emit changed();
}

bool COrdersPane::ShowsLatest() const
{
    return !m_doc.OnUpdateLatestSeason();
}

void COrdersPane::Reopen()
{
    m_openKey = GameKey();
    m_desk = orders::OrdersDesk::Open(m_doc, m_context.Services().GetInstallDir(), m_why);
    m_phaseDue.reset();
    std::vector<std::string> drafts;
    if (!m_doc.GetPathName().empty()) {
        std::string message;
        const CGameOrdersState state = LoadCurrentOrdersState(m_context.OrdersStateFile(m_doc.GetPathName()), m_doc,
                                                              m_doc.GetPathName(), message);
        if (!message.empty())
            m_context.Services().ShowMessage(message, MessageIcon::Exclamation);
        drafts = state.drafts;
        m_phaseDue = state.due;
    }
    if (m_desk)
        m_desk->SetDrafts(drafts);
    m_heading->setText(m_desk ? FromDocText(m_desk->Heading()) : tr("Orders"));
    m_due->setText(DueText());
    ShowDrafts();
    ShowJudgeAnswer();
}

void COrdersPane::ShowJudgeAnswer()
{
    std::string sent;
    std::vector<std::string> verdict;
    std::vector<std::string> holds;
    if (!m_doc.GetPathName().empty()) {
        std::string message;
        const CGameOrdersState state = LoadOrdersState(m_context.OrdersStateFile(m_doc.GetPathName()), message);
        // Read again at every refresh of the menus: a damaged file that
        // cannot be moved aside is told of once, not at every refresh.
        if (!message.empty() && message != m_stateProblem)
            m_context.Services().ShowMessage(message, MessageIcon::Exclamation);
        m_stateProblem = message;
        if (state.IsCurrentFor(m_doc)) {
            // The time as the player's clock showed it when the mail went.
            const auto at = state.sentAt.value_or(std::chrono::sys_seconds());
            const auto offset = std::chrono::seconds(
                QDateTime::fromSecsSinceEpoch(at.time_since_epoch().count()).offsetFromUtc());
            sent = SentStateText(state, offset);
            verdict = JudgeVerdictLines(state);
            if (const auto status = ReadVerdictLines(state.verdict))
                holds = status->noOrders;
        }
    }
    // The map crosses out what the Judge holds for want of an order.
    if (m_desk && m_desk->JudgeHolds() != holds) {
        m_desk->SetJudgeHolds(std::move(holds));
        emit changed();
    }
    m_sent->setText(FromDocText(sent));
    m_sent->setVisible(!sent.empty());
    m_judge->setPlainText(FromDrafts(verdict));
    m_judge->setVisible(!verdict.empty());
}

QString COrdersPane::DueText() const
{
    if (!m_desk)
        return FromDocText(m_why);
    if (!m_phaseDue)
        return FromDocText(m_desk->GetPosition().phase.Words()) +
               tr(": no deadline known yet (it comes with the Judge's result mail).");
    return DueTextHere(*m_phaseDue, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

void COrdersPane::ShowDrafts()
{
    m_bShowing = true;
    m_editor->setPlainText(m_desk ? FromDrafts(m_desk->Drafts()) : QString());
    m_editor->setReadOnly(!m_desk);
    m_bShowing = false;
    ShowVerdict();
}

void COrdersPane::ShowVerdict()
{
    m_verdict->setPlainText(m_desk ? FromDrafts(m_desk->VerdictLines()) : QString());
    m_prompt->setText(m_desk ? FromDocText(m_desk->Prompt()) : QString());
}

void COrdersPane::OnEdited()
{
    if (m_bShowing || !m_desk)
        return;
    std::vector<std::string> lines;
    for (const QString& line : m_editor->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(Utf8ToDocText(line.toStdString()));
    m_desk->SetDrafts(lines);
    SaveDrafts();
    ShowVerdict();
    emit changed();
}

void COrdersPane::SaveDrafts()
{
    if (!m_desk || m_doc.GetPathName().empty())
        return;
    const std::string file = m_context.OrdersStateFile(m_doc.GetPathName());
    std::string message;
    CGameOrdersState state = LoadCurrentOrdersState(file, m_doc, m_doc.GetPathName(), message);
    state.drafts = m_desk->Drafts();
    if (!SaveOrdersState(file, state, message))
        m_context.Services().ShowMessage(message, MessageIcon::Exclamation);
}

void COrdersPane::ClickAt(MapPos point)
{
    if (!m_desk)
        return;
    if (m_desk->Click(point)) {
        SaveDrafts();
        ShowDrafts();
    } else {
        ShowVerdict();
    }
    emit changed();
}

void COrdersPane::MenuAt(MapPos point, QPoint globalPos)
{
    if (!m_desk)
        return;
    const std::vector<orders::EntryChoice> choices = m_desk->Choices(point);
    if (choices.empty())
        return;
    QStringList items;
    for (const orders::EntryChoice& choice : choices)
        items << FromDocText(choice.label);
    const std::optional<int> chosen = m_context.Prompts().ChooseFromMenu(this, globalPos, items);
    if (!chosen || *chosen < 0 || size_t(*chosen) >= choices.size())
        return;
    if (m_desk->Choose(choices[size_t(*chosen)])) {
        SaveDrafts();
        ShowDrafts();
    } else {
        ShowVerdict();
    }
    emit changed();
}

void COrdersPane::OnDocumentUpdate()
{
    if (!m_bOn)
        return;
    // Game Details may have set another country, an import a newer season.
    if (GameKey() != m_openKey)
        Reopen();
    else
        m_due->setText(DueText());
    emit changed();
}
