#include "model/Archive.h"
#include "model/FileBytes.h"
#include "model/InstallPath.h"
#include "model/KestraneDoc.h"
#include "model/SerializeModel.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr const char* kFormatError = "Unexpected file format.";
constexpr const char* kSaveFailed = "Failed to save document.";

// The fields that a saved document carries besides its collections, back at
// the values a new document has: what an older layout leaves unread, and
// what a failed open must not leave half-read.
void ResetSavedFields(CKestraneDoc& doc)
{
    doc.m_strGame.clear();
    doc.m_strMyCountry.clear();
    doc.m_strJudge.clear();
    doc.m_strVariant.clear();
    doc.m_strPassword.clear();
    doc.m_strMapName.clear();
    doc.m_strImagePath.clear();
    doc.m_nCountries = 0;
    doc.m_nSCRadius = 5;
    doc.m_bSupplyCentres = false;
}

void ClearGame(CKestraneDoc& doc)
{
    doc.DeleteContents();
    ResetSavedFields(doc);
}

// The message for a document file that cannot be read, in the framework's words.
std::string OpenErrorText(const std::filesystem::path& path, FileReadError error)
{
    const std::string title = path.filename().string();
    switch (error) {
    case FileReadError::NotFound:
        return title + "\nCannot find this file.\nPlease verify that the correct path and file name are given.";
    case FileReadError::AccessDenied:
        return "Unable to read from " + title + ", it is opened by someone else.";
    case FileReadError::ReadFailed:
        break;
    }
    return "An unexpected error occurred while reading " + title + ".";
}

void SerializeSeasons(CArchive& ar, CKestraneDoc::SeasonList& seasons)
{
    if (ar.IsStoring()) {
        ar.WriteCount(seasons.size());
        for (auto& season : seasons) {
            ar.WriteObjectTag(kSeasonHdrClass);
            season->Serialize(ar);
        }
        return;
    }
    const size_t count = ar.ReadCount(kMinSeasonBytes);
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        if (!ar.ReadObjectTag(kSeasonHdrClass) || !ar.Charge(sizeof(CSeasonHdr) + 4 * sizeof(void*)))
            return;
        auto season = std::make_unique<CSeasonHdr>();
        season->Serialize(ar);
        seasons.push_back(std::move(season));
    }
}

void SerializeCountries(CArchive& ar, std::vector<CCountry>& countries)
{
    if (ar.IsStoring()) {
        ar.WriteCount(countries.size());
        for (CCountry& country : countries) {
            ar.WriteObjectTag(kCountryClass);
            country.Serialize(ar);
        }
        return;
    }
    const size_t count = ar.ReadCount(kMinCountryBytes);
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        if (!ar.ReadObjectTag(kCountryClass) || !ar.Charge(2 * sizeof(CCountry)))
            return;
        CCountry country;
        country.Serialize(ar);
        countries.push_back(std::move(country));
    }
}

} // namespace

void CKestraneDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteClass(kDocumentClass);
        SerializeSeasons(ar, m_seasons);
        SerializeCountries(ar, m_countries);
        m_provinces.Serialize(ar);
        for (const std::string* text : {&m_strGame, &m_strMyCountry, &m_strJudge, &m_strVariant, &m_strPassword,
                                        &m_strMapName, &m_strImagePath})
            ar.WriteString(*text);
        ar.WriteWord(static_cast<uint16_t>(m_nCountries));
        ar.WriteInt(m_nSCRadius);
        m_supplyCentres.Serialize(ar);
        ar.WriteDword(m_bSupplyCentres ? 1 : 0);
        return;
    }

    // The document's own class record opens the file and gives the layout.
    const std::optional<uint16_t> schema = ar.ReadClass(kDocumentClass, true);
    if (!schema)
        return;
    SerializeSeasons(ar, m_seasons);
    SerializeCountries(ar, m_countries);
    m_provinces.Serialize(ar);
    // Layouts 1 to 4 grew field by field; any other schema carries nothing
    // after the province table.
    if (*schema >= 1 && *schema <= 4) {
        for (std::string* text : {&m_strGame, &m_strMyCountry, &m_strJudge, &m_strVariant, &m_strPassword,
                                  &m_strMapName, &m_strImagePath})
            *text = ar.ReadString();
        m_nCountries = ar.ReadWord();
        if (*schema >= 3)
            m_nSCRadius = ar.ReadInt();
        if (*schema >= 2)
            m_supplyCentres.Serialize(ar);
        if (*schema >= 4)
            m_bSupplyCentres = ar.ReadDword() != 0;
        // Every per-country array of the game is indexed by this count.
        if (size_t(m_nCountries) != m_countries.size())
            ar.SetFailed();
    }
    m_posCurrent = m_seasons.begin();
}

bool CKestraneDoc::DiffersFromSaved()
{
    return m_savedBytes && WriteDocument() != *m_savedBytes;
}

std::string CKestraneDoc::WriteDocument()
{
    CArchive ar;
    Serialize(ar);
    return ar.Bytes();
}

bool CKestraneDoc::ReadDocument(std::string_view bytes)
{
    ClearGame(*this);
    CArchive ar(bytes);
    Serialize(ar);
    if (ar.Failed()) {
        ClearGame(*this);
        Services().ShowMessage(kFormatError, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool CKestraneDoc::OnOpenDocument(const std::string& path)
{
    const FileReadResult file = ReadFileBytes(path);
    if (!file.bytes) {
        Services().ShowMessage(OpenErrorText(path, file.error), MessageIcon::Exclamation);
        return false;
    }
    if (!ReadDocument(*file.bytes))
        return false;
    SetModifiedFlag(false);
    // As this program writes it: a file written elsewhere with other line
    // ends or padding still compares equal while the game is unchanged.
    m_savedBytes = WriteDocument();

    // The picture is not part of the document: read it again from its own
    // file below the installation folder.
    const auto picturePath = ResolveInstallPath(Services().GetInstallDir(), m_strImagePath);
    std::ifstream picture;
    if (picturePath && std::filesystem::is_regular_file(*picturePath))
        picture.open(*picturePath, std::ios::binary);
    if (!picture.is_open()) {
        Services().ShowMessage("Cannot Open File:" + m_strImagePath, MessageIcon::None);
        ClearGame(*this);
        return false;
    }
    if (!m_dib.Load(picture, &Services())) {
        Services().ShowMessage("Failed to load image", MessageIcon::None);
        ClearGame(*this);
        return false;
    }
    picture.close();
    BuildPalette();
    OnLatestSeason();
    return true;
}

bool CKestraneDoc::OnSaveDocument(const std::string& path)
{
    std::string bytes = WriteDocument();
    if (!WriteFileReplacing(path, bytes)) {
        Services().ShowMessage(kSaveFailed, MessageIcon::Exclamation);
        return false;
    }
    SetModifiedFlag(false);
    m_savedBytes = std::move(bytes);
    return true;
}
