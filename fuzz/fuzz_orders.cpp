#include "orders/GeographyFile.h"
#include "orders/OrderChecker.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace orders;

const Geography& Board()
{
    static const Geography geography = [] {
        std::ifstream in(KESTRANE_SOURCE_DIR "/data/Maps/Standard.geo", std::ios::binary);
        GeographyReading reading = ReadGeography(std::string(std::istreambuf_iterator<char>(in), {}));
        if (!reading.geography)
            __builtin_trap();
        return std::move(*reading.geography);
    }();
    return geography;
}

// The opening position of the standard board, as a movement, a retreat (two
// units dislodged, free to go anywhere they can move) or an adjustment phase
// (Austria with two builds, Turkey with one removal).
Position MakePosition(PhaseKind kind)
{
    const Geography& board = Board();
    Position position;
    position.phase.kind = kind;
    position.powers = {"Austria", "England", "France", "Germany", "Italy", "Russia", "Turkey"};
    position.owner.assign(size_t(board.Count()), -1);
    for (int p = 0; p < board.Count(); ++p) {
        if (board[p].home.empty())
            continue;
        const int power = position.FindPower(board[p].home);
        position.owner[size_t(p)] = power;
        const bool fleet = board[p].terrain == Terrain::Coast;
        const Coast coast = board[p].coasts.empty() ? Coast::None : board[p].coasts.back().coast;
        position.units.push_back({power, fleet ? UnitType::Fleet : UnitType::Army, {p, coast}, false, {}});
    }
    if (kind == PhaseKind::Retreat)
        for (size_t i = 0; i < position.units.size(); i += 11) {
            Unit& unit = position.units[i];
            unit.dislodged = true;
            if (unit.type == UnitType::Army)
                for (int to : board[unit.at.province].army)
                    unit.retreats.push_back({to, Coast::None});
            else if (const auto* moves = board.FleetMoves(unit.at))
                unit.retreats = *moves;
        }
    if (kind == PhaseKind::Adjustment) {
        position.owner[size_t(*board.FindName("Serbia"))] = 0;
        position.owner[size_t(*board.FindName("Greece"))] = 0;
        position.owner[size_t(*board.FindName("Ankara"))] = -1;
        for (const char* home : {"Vienna", "Trieste"})
            for (size_t i = 0; i < position.units.size(); ++i)
                if (position.units[i].at.province == *board.FindName(home)) {
                    position.units.erase(position.units.begin() + long(i));
                    break;
                }
    }
    return position;
}

} // namespace

// Reads arbitrary order lines (the first byte chooses the phase and the
// power) as the Judge would, line by line. Every order a line puts in force
// is written back as its canonical line, and that line alone must be read
// as valid and give the same canonical line: what the checker writes, the
// checker (and the Judge) reads back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const Position positions[3] = {MakePosition(PhaseKind::Movement), MakePosition(PhaseKind::Retreat),
                                          MakePosition(PhaseKind::Adjustment)};
    const Position& position = positions[data[0] % 3];
    const OrderChecker checker(Board(), position, (data[0] / 3) % 7);
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += char(data[i]);
        }
    }
    lines.push_back(line);
    const SetVerdict verdict = checker.CheckSet(lines);
    for (const LineVerdict& read : verdict.lines)
        for (const Order& order : read.OrdersInForce()) {
            const std::string canonical = WriteOrder(order, Board());
            const LineVerdict again = checker.CheckLine(canonical);
            const std::vector<Order> inForce = again.OrdersInForce();
            if (again.Refused() || inForce.size() != 1 || WriteOrder(inForce.front(), Board()) != canonical)
                __builtin_trap();
        }
    return 0;
}
