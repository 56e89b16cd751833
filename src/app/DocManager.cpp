#include "app/DocManager.h"

#include "app/AppContext.h"
#include "app/ChildFrame.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "model/KestraneDoc.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QRegularExpression>

CDocManager::CDocManager(CAppContext& context, QMdiArea& mdi) : m_context(context), m_mdi(mdi) {}

CDocManager::~CDocManager() = default;

CDocManager::Entry* CDocManager::FindEntry(const CKestraneDoc& doc)
{
    for (auto& entry : m_entries)
        if (entry->doc.get() == &doc)
            return entry.get();
    return nullptr;
}

CKestraneDoc* CDocManager::FindDocument(const CKestraneDoc* doc) const
{
    for (const auto& entry : m_entries)
        if (entry->doc.get() == doc)
            return entry->doc.get();
    return nullptr;
}

std::vector<CKestraneDoc*> CDocManager::Documents() const
{
    std::vector<CKestraneDoc*> docs;
    for (const auto& entry : m_entries)
        docs.push_back(entry->doc.get());
    return docs;
}

std::vector<CChildFrame*> CDocManager::Frames(const CKestraneDoc& doc) const
{
    for (const auto& entry : m_entries)
        if (entry->doc.get() == &doc)
            return entry->frames;
    return {};
}

QWidget* CDocManager::DialogParent() const
{
    return m_mdi.window();
}

std::optional<QString> CDocManager::ChooseFile(FileKind kind, const QString& caption, const char* filter)
{
    CFileFolders folders = m_context.FileFolders();
    auto chosen = m_context.Prompts().ChooseOpenFile(DialogParent(), caption, folders.StartFolder(kind), filter);
    if (chosen)
        folders.Remember(kind, *chosen);
    return chosen;
}

CKestraneDoc* CDocManager::OnFileNew()
{
    const auto chosen = ChooseFile(FileKind::Map, tr("New"), kMapFilter);
    return chosen ? NewDocument(*chosen) : nullptr;
}

CKestraneDoc* CDocManager::NewDocument(const QString& chosenMapPath)
{
    auto doc = std::make_unique<CKestraneDoc>(m_context.Services());
    // The untitled number is taken only when the game is made.
    doc->SetTitle("Kestrane" + std::to_string(m_nUntitledCount + 1));
    if (!doc->OnNewDocument(ToPath(chosenMapPath)))
        return nullptr;
    ++m_nUntitledCount;
    auto entry = std::make_unique<Entry>();
    entry->doc = std::move(doc);
    CKestraneDoc* result = entry->doc.get();
    m_entries.push_back(std::move(entry));
    CreateFrame(*result, true);
    return result;
}

CKestraneDoc* CDocManager::OnFileOpen()
{
    const auto chosen = ChooseFile(FileKind::Game, tr("Open"), kGameFilter);
    return chosen ? OpenDocumentFile(*chosen) : nullptr;
}

CKestraneDoc* CDocManager::OpenDocumentFile(const QString& path)
{
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (auto& entry : m_entries) {
        if (!entry->doc->GetPathName().empty() &&
            QFileInfo(QString::fromStdString(entry->doc->GetPathName())).absoluteFilePath() == canonical) {
            if (!entry->frames.empty())
                m_mdi.setActiveSubWindow(entry->frames.front());
            return entry->doc.get();
        }
    }

    auto doc = std::make_unique<CKestraneDoc>(m_context.Services());
    if (!doc->OnOpenDocument(ToPath(canonical))) {
        RemoveRecent(canonical);
        return nullptr;
    }
    doc->SetModifiedFlag(false);
    doc->SetPathName(ToPath(canonical));
    doc->SetTitle(ToPath(QFileInfo(canonical).fileName()));
    AddRecent(canonical);

    auto entry = std::make_unique<Entry>();
    entry->doc = std::move(doc);
    CKestraneDoc* result = entry->doc.get();
    m_entries.push_back(std::move(entry));
    CreateFrame(*result, true);
    return result;
}

CChildFrame* CDocManager::CreateFrame(CKestraneDoc& doc, bool firstWindow)
{
    Entry* entry = FindEntry(doc);
    auto* frame = new CChildFrame(doc, m_context, m_mdi.viewport()->size());
    frame->installEventFilter(this);
    entry->frames.push_back(frame);
    m_mdi.addSubWindow(frame);
    connect(frame, &CChildFrame::documentChanged, this, &CDocManager::framesChanged);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &CDocManager::framesChanged);
    frame->show();
    frame->MapView()->OnInitialUpdate();
    frame->TextView()->OnInitialUpdate();
    // The first window gives the title its season or map name; a further
    // window on the same game must not add the map name a second time.
    if (firstWindow)
        doc.UpdateSeasonTitle();
    Renumber(*entry);
    m_mdi.setActiveSubWindow(frame);
    emit framesChanged();
    return frame;
}

CChildFrame* CDocManager::OnWindowNew(CKestraneDoc& doc)
{
    if (!FindEntry(doc))
        return nullptr;
    return CreateFrame(doc, false);
}

void CDocManager::Renumber(Entry& entry)
{
    const bool several = entry.frames.size() > 1;
    for (size_t i = 0; i < entry.frames.size(); ++i)
        entry.frames[i]->SetWindowNumber(several ? int(i) + 1 : 0);
}

QString CDocManager::SuggestedFileName(const QString& title)
{
    // The title up to the first character a file name should not carry.
    QString name = title;
    const int bad = name.indexOf(QRegularExpression(QStringLiteral("[ #%;/\\\\,:]")));
    if (bad >= 0)
        name.truncate(bad);
    if (name.isEmpty())
        name = QStringLiteral("Kestrane");
    return name + QStringLiteral(".") + kGameSuffix;
}

bool CDocManager::OnFileSave(CKestraneDoc& doc)
{
    if (doc.GetPathName().empty())
        return OnFileSaveAs(doc);
    return DoSave(doc, QString::fromStdString(doc.GetPathName()));
}

bool CDocManager::OnFileSaveAs(CKestraneDoc& doc)
{
    QString suggested = doc.GetPathName().empty() ? SuggestedFileName(FromDocText(doc.GetTitle()))
                                                  : QString::fromStdString(doc.GetPathName());
    CFileFolders folders = m_context.FileFolders();
    // A game saved before offers its own file; a new one its name in the
    // folder games were last saved to or opened from.
    const QString folder = doc.GetPathName().empty() ? folders.StartFolder(FileKind::Game) : QString();
    const auto chosen = m_context.Prompts().ChooseSaveFile(DialogParent(), tr("Save As"), suggested, kGameFilter,
                                                       kGameSuffix, folder);
    if (!chosen)
        return false;
    folders.Remember(FileKind::Game, *chosen);
    return DoSave(doc, *chosen);
}

bool CDocManager::DoSave(CKestraneDoc& doc, const QString& chosenPath)
{
    QString path = QFileInfo(chosenPath).absoluteFilePath();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".") + kGameSuffix;
    if (!doc.OnSaveDocument(ToPath(path)))
        return false;
    doc.SetModifiedFlag(false);
    const bool renamed = doc.GetPathName() != ToPath(path);
    doc.SetPathName(ToPath(path));
    if (renamed)
        RetitleFromPath(doc);
    AddRecent(path);
    return true;
}

void CDocManager::RetitleFromPath(CKestraneDoc& doc)
{
    doc.SetTitle(ToPath(QFileInfo(QString::fromStdString(doc.GetPathName())).fileName()));
    doc.UpdateSeasonTitle();
}

bool CDocManager::SaveModified(CKestraneDoc& doc)
{
    if (!doc.IsModified())
        return true;
    const QString name = doc.GetPathName().empty() ? FromDocText(doc.GetTitle())
                                                   : QString::fromStdString(doc.GetPathName());
    switch (m_context.Prompts().AskSaveChanges(DialogParent(), name)) {
    case QMessageBox::Yes:
        return OnFileSave(doc);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void CDocManager::OnFileClose(CKestraneDoc& doc)
{
    Entry* entry = FindEntry(doc);
    if (!entry || !SaveModified(doc))
        return;
    m_pClosingDoc = &doc;
    const auto frames = entry->frames;
    for (CChildFrame* frame : frames)
        frame->close();
    m_pClosingDoc = nullptr;
}

bool CDocManager::SaveAllModified()
{
    for (auto& entry : m_entries)
        if (!SaveModified(*entry->doc))
            return false;
    return true;
}

void CDocManager::CloseAllDocuments()
{
    m_bClosingAll = true;
    std::vector<CChildFrame*> frames;
    for (auto& entry : m_entries)
        frames.insert(frames.end(), entry->frames.begin(), entry->frames.end());
    for (CChildFrame* frame : frames)
        frame->close();
    m_bClosingAll = false;
}

bool CDocManager::eventFilter(QObject* watched, QEvent* event)
{
    auto* frame = event->type() == QEvent::Close ? qobject_cast<CChildFrame*>(watched) : nullptr;
    if (!frame)
        return QObject::eventFilter(watched, event);
    if (!CanCloseFrame(*frame)) {
        event->ignore();
        return true;
    }
    // The window goes on to close itself (and is deleted on close).
    FrameClosed(*frame);
    return false;
}

bool CDocManager::CanCloseFrame(CChildFrame& frame)
{
    if (m_bClosingAll || !frame.Document() || frame.Document() == m_pClosingDoc)
        return true;
    Entry* entry = FindEntry(*frame.Document());
    if (!entry || entry->frames.size() > 1)
        return true;
    return SaveModified(*entry->doc);
}

void CDocManager::FrameClosed(CChildFrame& frame)
{
    CKestraneDoc* doc = frame.Document();
    frame.Detach();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        Entry& entry = **it;
        if (entry.doc.get() != doc)
            continue;
        entry.frames.erase(std::remove(entry.frames.begin(), entry.frames.end(), &frame), entry.frames.end());
        if (entry.frames.empty()) {
            emit documentClosing(doc);
            m_entries.erase(it);
        }
        else
            Renumber(entry);
        break;
    }
    emit framesChanged();
}

void CDocManager::SetRecentFiles(const QStringList& files)
{
    m_recent = files.mid(0, kRecentFiles);
    emit recentFilesChanged();
}

void CDocManager::AddRecent(const QString& path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentFiles)
        m_recent.removeLast();
    emit recentFilesChanged();
}

void CDocManager::RemoveRecent(const QString& path)
{
    if (m_recent.removeAll(path) > 0)
        emit recentFilesChanged();
}
