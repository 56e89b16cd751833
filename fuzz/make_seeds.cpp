// Writes the fuzz targets' starting corpora below the folder given:
// archive/ (saved games), dib/ (bitmaps of every kind the loader draws),
// mapfile/ (map definitions), orders/ (order lines) and import/ (Judge reports, each prefixed with
// the byte that chooses the import form). Sample reports and the bundled
// map are read from the source tree; mailbox/ holds those reports wrapped
// as mail programs keep them (each transfer encoding, multipart, forwarded,
// an mbox); mails beside the repository are used
// when present.
#include "QuietServices.h"
#include "mailbox/MailBuilder.h"
#include "model/FileBytes.h"
#include "model/KestraneDoc.h"
#include "support/BitmapBuilder.h"
#include "support/SavedGameBuilder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool g_failed = false;

void Write(const fs::path& folder, const std::string& name, const std::string& bytes)
{
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", (folder / name).string().c_str());
        g_failed = true;
    }
}

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Text files of folder in name order; none when the folder is missing.
std::vector<fs::path> TextFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

void WriteArchives(const fs::path& out)
{
    const savedgame::FullGameShape shapes[] = {{0, 0, 0}, {1, 3, 2}, {4, 10, -1}, {6, 34, -1}, {9, 22, 5}};
    int n = 0;
    for (const auto& shape : shapes) {
        CQuietServices services;
        CKestraneDoc doc(services);
        savedgame::FillFullGame(doc, shape);
        Write(out, "game" + std::to_string(n++) + ".kes", doc.WriteDocument());
    }
}

uint32_t Stripes(int x, int y) { return uint32_t((x + 2 * y) % 3); }

void WriteBitmaps(const fs::path& out)
{
    const std::vector<uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const auto rows = [](int w, int h, int bpp, bool topDown = false) {
        return bmp::PackRows(w, h, bpp, [bpp](int x, int y) {
            return bpp == 24 ? uint32_t(x * 40 << 16 | y * 40) : bpp >= 16 ? uint32_t(x * 977 + y * 31) : Stripes(x, y);
        }, topDown);
    };
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        bmp::BitmapSpec plain;
        plain.width = 5;
        plain.height = 3;
        plain.bitsPerPixel = bpp;
        if (bpp <= 8)
            plain.palette = palette;
        plain.pixels = rows(5, 3, bpp);
        Write(out, "rgb" + std::to_string(bpp) + ".bmp", bmp::Build(plain));
    }
    bmp::BitmapSpec rle8;
    rle8.width = 6;
    rle8.height = 4;
    rle8.compression = bmp::kRle8;
    rle8.palette = palette;
    rle8.pixels = bmp::EncodeRle8(6, 4, Stripes);
    Write(out, "rle8.bmp", bmp::Build(rle8));

    bmp::BitmapSpec rle4 = rle8;
    rle4.bitsPerPixel = 4;
    rle4.compression = bmp::kRle4;
    rle4.pixels = bmp::EncodeRle4(6, 4, Stripes);
    Write(out, "rle4.bmp", bmp::Build(rle4));

    bmp::BitmapSpec fields16;
    fields16.width = 3;
    fields16.height = 2;
    fields16.bitsPerPixel = 16;
    fields16.compression = bmp::kBitFields;
    fields16.masks = {0xF800, 0x07E0, 0x001F};
    fields16.pixels = rows(3, 2, 16);
    Write(out, "fields16.bmp", bmp::Build(fields16));

    bmp::BitmapSpec fields32 = fields16;
    fields32.bitsPerPixel = 32;
    fields32.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    fields32.headerSize = 108;
    fields32.pixels = rows(3, 2, 32);
    Write(out, "fields32-v4.bmp", bmp::Build(fields32));

    bmp::BitmapSpec topDown;
    topDown.width = 4;
    topDown.height = -3;
    topDown.palette = palette;
    topDown.pixels = rows(4, 3, 8, true);
    Write(out, "topdown8.bmp", bmp::Build(topDown));

    bmp::BitmapSpec core;
    core.coreHeader = true;
    core.width = 4;
    core.height = 2;
    core.bitsPerPixel = 4;
    core.palette = palette;
    core.pixels = rows(4, 2, 4);
    Write(out, "core4.bmp", bmp::Build(core));

    Write(out, "plain8.bmp", bmp::MakeBitmap8(9, 7, palette, Stripes));
}

void WriteMapFiles(const fs::path& out, const fs::path& source)
{
    Write(out, "standard.map", ReadWhole(source / "data" / "Maps" / "Standard.map"));
    Write(out, "small.map",
          "Map: \"SMALL.BMP\"\r\nCountryCount: 2\r\nCountry: North, 255, 0, 0\r\nCountry: South, 0, 0, 255\r\n"
          "Prov: \"Alpha\", 10, 20\r\nProv: \"Beta\", 30, 40\r\nSupply: \"Alpha\", 12, 22\r\nSCRadius: 4\r\n");
    Write(out, "bom.map", "\xEF\xBB\xBF" "COUNTRYCOUNT: 1\nCOUNTRY: ONE,1,2,3\nPROV: \"X\",-5,+7\n");
    Write(out, "mismatch.map", "CountryCount: 3\nCountry: A, 1, 1, 1\n");
}

void WriteReports(const fs::path& out, const fs::path& source, const fs::path& mails)
{
    std::string year;
    for (const fs::path& file : TextFiles(source / "data" / "samples")) {
        const std::string text = ReadWhole(file);
        Write(out, file.stem().string() + ".txt", std::string(1, '\0') + text);
        Write(out, file.stem().string() + "-clip.txt", std::string(1, '\x0F') + text);
        if (!year.empty())
            year += '\0';
        year += text;
    }
    // Up to four reports a run: the first four, then the last four.
    Write(out, "year.txt", std::string(1, '\0') + year);
    const size_t second = year.find('\0');
    if (second != std::string::npos)
        Write(out, "year-late.txt", std::string(1, '\x05') + year.substr(second + 1));
    for (const fs::path& file : TextFiles(mails))
        Write(out, "mail-" + file.stem().string() + ".txt", std::string(1, '\0') + ReadWhole(file));
}

// Each sample report in every wrapping, a character set beyond ASCII, and
// the year's reports as one mbox.
void WriteMailboxes(const fs::path& out, const fs::path& source)
{
    std::vector<std::string> messages;
    int n = 0;
    for (const fs::path& file : TextFiles(source / "data" / "samples")) {
        const std::string text = ReadWhole(file);
        const std::string subject = "USEF:kestrel - " + file.stem().string() + " Results";
        const std::string date = "Wed, 07 Jan 2004 23:30:00 +0000";
        for (mailbuilder::Wrapping wrapping : mailbuilder::kAllWrappings)
            Write(out, file.stem().string() + "-" + mailbuilder::Name(wrapping) + ".eml",
                  mailbuilder::Message(text, subject, date, wrapping));
        Write(out, file.stem().string() + "-latin1.eml",
              mailbuilder::Message(text + "Press: Gr\xc3\xbc\xc3\x9f" "e\n", subject, date,
                                   mailbuilder::Wrapping::QuotedPrintable, "iso-8859-1"));
        messages.push_back(mailbuilder::Message(
            text, subject, date, mailbuilder::kAllWrappings[size_t(n++) % mailbuilder::kAllWrappings.size()]));
        Write(out, file.stem().string() + ".txt", text);
    }
    Write(out, "year.mbox", mailbuilder::Mbox(messages));
}

} // namespace

// Order lines in the forms players write, one set per phase; the first byte
// chooses the phase (movement, retreat, adjustment) and the power.
void WriteOrderLines(const fs::path& out)
{
    const struct {
        char phase;
        const char* lines;
    } sets[] = {
        {0, "A Vie-Tri\nF Tri S A Vie - Tri\narmy budapest hold\nA Vie-Bud please\nF Tri to Alb; A Bud-Ser"},
        {3, "F Lon-Nth\nA Lvp-Edi\nF Edi C A Lvp-Nwy\nA Lvp-Nth-Nwy\nfleet london move english channel."},
        {15, "F StP/sc-Bot\nA Mos S A War-Ukr\nF Sev-Bla\nA War - Gal\nF StP(sc) H"},
        {1, "A Vie-Boh\nA Vie disband\nArmy Vienna -> Galicia\nA Vie R Boh"},
        {2, "Build A Vie\nB F Tri\nwaive\nBuild A Ser\nbuild army trieste."},
        {20, "Remove F Smy\nR A Con\nDisband F Ank\nA Smy"},
    };
    int n = 0;
    for (const auto& set : sets)
        Write(out, "orders" + std::to_string(n++) + ".txt", std::string(1, set.phase) + set.lines);
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_seeds <out folder> <source folder> <Judge mail folder>\n");
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* kind : {"archive", "dib", "mapfile", "import", "mailbox", "orders"})
        fs::create_directories(out / kind);
    WriteArchives(out / "archive");
    WriteBitmaps(out / "dib");
    WriteMapFiles(out / "mapfile", argv[2]);
    WriteReports(out / "import", argv[2], argv[3]);
    WriteMailboxes(out / "mailbox", argv[2]);
    WriteOrderLines(out / "orders");
    return g_failed ? 1 : 0;
}
