#include "app/WatchSettingsBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

CWatchSettingsBox::CWatchSettingsBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Watc&h this game while Kestrane runs"), parent),
      m_pIdle(new QCheckBox(QStringLiteral("Learn of new mail at &once (IDLE) where the server offers it"), this)),
      m_pPoll(new QSpinBox(this)), m_pLeads(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Watch"));
    setCheckable(true);
    m_pIdle->setObjectName(QStringLiteral("UseIdle"));
    m_pPoll->setObjectName(QStringLiteral("PollMinutes"));
    m_pLeads->setObjectName(QStringLiteral("ReminderHours"));
    // Asking more often than every two minutes only burdens the server.
    m_pPoll->setRange(CWatchSettings::kMinPollMinutes, 24 * 60);
    m_pPoll->setSuffix(QStringLiteral(" minutes"));
    m_pLeads->setPlaceholderText(QStringLiteral("none"));
    m_pLeads->setToolTip(QStringLiteral("Hours before the deadline, separated by commas, such as 12, 1. A reminder "
                                        "comes only while the orders are not in: not sent, refused, or leaving "
                                        "units without orders."));

    auto* form = new QFormLayout(this);
    form->addRow(m_pIdle);
    form->addRow(QStringLiteral("Else ask e&very:"), m_pPoll);
    auto* leadsLabel = new QLabel(QStringLiteral("&Remind me (hours before the deadline):"), this);
    leadsLabel->setBuddy(m_pLeads);
    form->addRow(leadsLabel, m_pLeads);
    SetSettings(m_settings);
}

void CWatchSettingsBox::SetSettings(const CWatchSettings& settings)
{
    m_settings = settings;
    setChecked(settings.m_bWatch);
    m_pIdle->setChecked(settings.m_bUseIdle);
    m_pPoll->setValue(settings.m_nPollMinutes);
    m_pLeads->setText(QString::fromStdString(CWatchSettings::LeadsText(settings.m_leads)));
}

CWatchSettings CWatchSettingsBox::Settings() const
{
    CWatchSettings settings = m_settings;
    settings.m_bWatch = isChecked();
    settings.m_bUseIdle = m_pIdle->isChecked();
    settings.m_nPollMinutes = m_pPoll->value();
    std::string problem;
    if (auto leads = CWatchSettings::ReadLeads(m_pLeads->text().toStdString(), problem))
        settings.m_leads = std::move(*leads);
    return settings;
}

std::string CWatchSettingsBox::Problem() const
{
    std::string problem;
    CWatchSettings::ReadLeads(m_pLeads->text().toStdString(), problem);
    return problem;
}
