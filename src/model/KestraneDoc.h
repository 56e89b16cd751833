#pragma once

#include "model/Country.h"
#include "model/DocumentBase.h"
#include "model/PositionMap.h"
#include "model/SeasonHdr.h"
#include "model/Services.h"
#include "picture/Dib.h"

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CArchive;
class CReportFile;
/// What importing one report did (judge/ReportOutcome.h); the document's
/// import members are defined in judge/.
enum class ReportOutcome;

/// One palette entry made from the picture's colour table.
struct CPaletteEntry {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t flags = 0;
    friend bool operator==(const CPaletteEntry&, const CPaletteEntry&) = default;
};

/// The game document: countries, name tables, the game's identity at the
/// Judge, the user's country and password, and one season record per phase
/// in game order. Member functions are grouped by the file that defines them.
class CKestraneDoc : public CDocumentBase {
public:
    using SeasonList = std::list<std::unique_ptr<CSeasonHdr>>;
    using SeasonPos = SeasonList::iterator;

    explicit CKestraneDoc(IAppServices& services);
    ~CKestraneDoc() override;
    CKestraneDoc(const CKestraneDoc&) = delete;
    CKestraneDoc& operator=(const CKestraneDoc&) = delete;

    IAppServices& Services() const { return *m_pServices; }

    // --- Model (KestraneDoc.cpp) ---------------------------------------
    /// Deletes every season, empties both tables and the countries. Strings,
    /// counts, the picture and the palette keep their values.
    void DeleteContents();
    /// Units of country i in the season on show; nullptr when none is on show.
    const CUnitList* GetUnitList(int country) const;
    /// Centres of country i in season; nullptr when that list is empty.
    static const CPositionList* GetCentreList(const CSeasonHdr& season, int country);
    /// From the season on show towards the first, the first season in which
    /// some country owns a centre; nullptr when there is none.
    const CSeasonHdr* FindOwnershipSeason() const;
    int GetSCRadius() const { return m_nSCRadius; }
    /// The first unit of list whose province equals key byte for byte.
    static std::optional<CUnitList::iterator> FindUnit(CUnitList& list, const std::string& key);
    /// The season on show, or nullptr.
    CSeasonHdr* GetCurrentSeason() const;
    bool HasCurrentSeason() const { return m_posCurrent != m_seasons.end(); }

    // --- Season order and navigation (SeasonNavigation.cpp) -------------
    /// The first season named exactly as key, or nullptr.
    CSeasonHdr* FindSeason(const std::string& name) const;
    /// Files season in game order, makes it current and updates the title.
    bool InsertSeason(std::unique_ptr<CSeasonHdr> season);
    /// Sets the title from the season on show and updates all views.
    void UpdateSeasonTitle();
    void OnFirstSeason();
    void OnPreviousSeason();
    void OnNextSeason();
    void OnLatestSeason();
    /// Shows the season named exactly name, as the four commands show theirs
    /// (title and views follow); false, and nothing changed, when there is none.
    bool ShowSeason(const std::string& name);
    void OnRemoveSeason();
    bool OnUpdateFirstSeason() const;
    bool OnUpdatePreviousSeason() const;
    bool OnUpdateNextSeason() const;
    bool OnUpdateLatestSeason() const;
    bool OnUpdateRemoveSeason() const;

    // --- Name recognition (KestraneDoc.cpp; words: model/WordSplitter.h) -
    /// Index of the first country whose name begins the upper-cased line, or -1.
    /// Never an index at or above m_nCountries or 99; an empty name never matches.
    int FindCountry(std::string_view line) const;
    /// Exact look-up of key in one of the two name tables.
    static std::optional<MapPos> LookupPosition(const CPositionMap& table, const std::string& key);

    // --- New game from a map definition (MapFile.cpp, NewGame.cpp) ------
    /// File New after the user chose mapPath: the map name is its file title,
    /// and the definition is read from "Maps\" + name + ".map" below the
    /// installation folder, then the picture, then the palette.
    bool OnNewDocument(const std::string& chosenMapPath);
    bool ReadMapFile();
    /// Palette from the picture's colour table; false (and none) for 0 colours.
    bool BuildPalette();

    // --- Game document file (DocumentFile.cpp) --------------------------
    /// Opens the game saved at path: reads the document, then the picture named
    /// by m_strImagePath below the installation folder, builds the palette and
    /// shows the latest season. On failure the user is told why, the game is
    /// cleared (DeleteContents) and false returned.
    bool OnOpenDocument(const std::string& path);
    /// Saves the whole game to path, replacing the old file only once the new
    /// one is complete. Clears the modified flag on success; on failure shows
    /// "Failed to save document." and leaves the old file and the flag alone.
    bool OnSaveDocument(const std::string& path);
    /// Writes or reads the document through ar.
    void Serialize(CArchive& ar);
    /// The document as saved, without touching a file.
    std::string WriteDocument();
    /// Reads a saved document from bytes, as opening does before the picture:
    /// clears the game, reads it, and makes the first season current. On
    /// malformed bytes shows "Unexpected file format.", leaves the game as a
    /// new document has it and returns false.
    bool ReadDocument(std::string_view bytes);

    // --- Report import (judge/) ----------------------------------------
    /// Imports the report file at path (the file form of the header test).
    void OnImport(const std::string& path);
    /// Imports clipboard text (the clipboard form); nullopt: no text there.
    void OnImportClipboard(const std::optional<std::string>& clipboardText);
    /// Reads a joined report: header, then the section it names, telling
    /// messages (and a fatal stop) to messages. Leaves the game modified when
    /// the header was accepted; a rejected header puts the modified flag back
    /// as it was, unless the report filed a season first. A report without
    /// any header line and section title shows nothing and gives
    /// NotJudgeMail: the caller names its source to the user.
    ReportOutcome ImportReport(CReportFile& file, bool clipboardForm, IImportMessages& messages);
    bool ParseHeader(CReportFile& file, std::string& line, IImportMessages& messages);
    /// ParseHeader telling why a report was not filed. A Judge mail without
    /// results (no section title below its header, or an orders status that
    /// repeats a section title) files nothing, leaves the game exactly as it
    /// was and says so in one message: NoResults.
    ReportOutcome ParseHeaderChecked(CReportFile& file, std::string& line, IImportMessages& messages);
    /// The section parsers fill the season on show from file and tell what
    /// they could not read to messages.
    void ParseStartingPosition(CReportFile& file, IImportMessages& messages);
    void ParseOwnership(CReportFile& file, IImportMessages& messages);
    void ParseMovementResults(CReportFile& file, IImportMessages& messages);
    void ParseRetreatOrders(CReportFile& file, IImportMessages& messages);
    void ParseAdjustmentOrders(CReportFile& file, IImportMessages& messages);

    // --- Data ------------------------------------------------------------
    std::string m_strGame;
    std::string m_strMyCountry;
    std::string m_strJudge;
    std::string m_strVariant;
    std::string m_strPassword;
    SeasonList m_seasons;
    SeasonPos m_posCurrent; // m_seasons.end() when no season is on show
    std::vector<CCountry> m_countries;
    std::vector<CPaletteEntry> m_palette;
    CPositionMap m_provinces;
    CPositionMap m_supplyCentres;
    std::string m_strMail;
    const std::string m_strFleet = "FLEET";
    const std::string m_strArmy = "ARMY";
    CDIB m_dib;
    std::string m_strMapName;
    std::string m_strImagePath;
    int32_t m_nCountries = 0;
    bool m_bSupplyCentres = false;
    int32_t m_nSCRadius = 5;

private:
    /// Whether the game differs from what it was when last opened, saved or
    /// made new; false when it never was any of these.
    bool DiffersFromSaved();

    IAppServices* m_pServices; // never null
    // The game as its file holds it (opened, saved) or as it was made new:
    // removing the last season leaves the game unmodified only when it is
    // back to exactly this.
    std::optional<std::string> m_savedBytes;
};
