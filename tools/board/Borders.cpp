// Province borders of the board, in degrees. Each land border runs from the
// sea across the land to the next junction; only its land pixels are drawn,
// so it may start and end a little out at sea. Sea borders likewise run
// from land to land. Junction points are shared by the borders meeting there.
#include "Geo.h"

namespace board {

namespace {

GeoBorder Land(GeoLine points) { return {BorderKind::Land, std::move(points)}; }
GeoBorder Sea(GeoLine points) { return {BorderKind::Sea, std::move(points)}; }

// Junctions where three land provinces meet.
constexpr GeoPoint kNwySweFin{20.6, 69.05};
constexpr GeoPoint kNwyFinStp{28.9, 69.4};
constexpr GeoPoint kStpLvnMos{29.5, 56.8};
constexpr GeoPoint kLvnMosWar{28.0, 55.2};
constexpr GeoPoint kLvnPruWar{23.3, 54.3};
constexpr GeoPoint kBerPruSil{16.3, 52.7};
constexpr GeoPoint kPruSilWar{18.6, 52.7};
constexpr GeoPoint kBerSilMun{13.4, 51.3};
constexpr GeoPoint kBerMunKie{10.9, 52.5};
constexpr GeoPoint kKieMunRuh{8.7, 51.8};
constexpr GeoPoint kKieRuhHol{7.0, 52.35};
constexpr GeoPoint kHolRuhBel{6.0, 51.1};
constexpr GeoPoint kBelRuhBur{5.9, 49.7};
constexpr GeoPoint kBelBurPic{4.2, 50.05};
constexpr GeoPoint kRuhBurMun{7.9, 49.1};
constexpr GeoPoint kBasel{7.6, 47.6};       // Burgundy, Munich, Switzerland
constexpr GeoPoint kBregenz{9.7, 47.5};     // Munich, Tyrolia, Switzerland
constexpr GeoPoint kBernina{10.2, 46.35};   // Tyrolia, Piedmont, Switzerland
constexpr GeoPoint kMontBlanc{7.0, 45.9};   // Marseilles, Piedmont, Switzerland
constexpr GeoPoint kGeneva{6.1, 46.2};      // Burgundy, Marseilles, Switzerland
constexpr GeoPoint kBurMarGas{3.6, 45.4};
constexpr GeoPoint kGasMarSpa{1.7, 42.6};
constexpr GeoPoint kGasBurPar{2.6, 47.0};
constexpr GeoPoint kGasBrePar{0.4, 47.1};
constexpr GeoPoint kParBurPic{2.9, 49.3};
constexpr GeoPoint kParPicBre{0.7, 49.05};
constexpr GeoPoint kTyrPieVen{10.6, 45.95};
constexpr GeoPoint kPieVenTus{10.1, 44.5};
constexpr GeoPoint kVenTusRom{12.0, 43.6};
constexpr GeoPoint kVenRomApu{13.3, 42.55};
constexpr GeoPoint kRomApuNap{14.2, 41.6};
constexpr GeoPoint kVenTyrTri{13.4, 46.45};
constexpr GeoPoint kTyrTriVie{14.6, 46.85};
constexpr GeoPoint kTyrMunBoh{13.7, 48.6};
constexpr GeoPoint kTyrBohVie{14.4, 48.6};
constexpr GeoPoint kMunBohSil{14.2, 50.8};
constexpr GeoPoint kBohSilGal{18.0, 49.9};
constexpr GeoPoint kSilGalWar{19.4, 50.4};
constexpr GeoPoint kBohGalVie{17.6, 49.05};
constexpr GeoPoint kVieGalBud{18.4, 48.7};
constexpr GeoPoint kVieBudTri{16.3, 46.6};
constexpr GeoPoint kBudTriSer{19.3, 45.2};
constexpr GeoPoint kGalBudRum{25.0, 47.85};
constexpr GeoPoint kGalWarUkr{24.2, 51.2};
constexpr GeoPoint kGalUkrRum{26.4, 48.2};
constexpr GeoPoint kBudRumSer{21.4, 45.6};
constexpr GeoPoint kRumSerBul{22.7, 43.95};
constexpr GeoPoint kRumUkrSev{29.6, 46.9};
constexpr GeoPoint kUkrSevMos{38.5, 50.2};
constexpr GeoPoint kUkrMosWar{28.5, 52.0};
constexpr GeoPoint kBulSerGre{22.6, 42.0};
constexpr GeoPoint kSerGreAlb{20.7, 41.3};
constexpr GeoPoint kSerAlbTri{19.9, 42.5};
constexpr GeoPoint kAnkSmyArm{36.5, 39.4};
constexpr GeoPoint kSmyArmSyr{37.7, 38.0};
constexpr GeoPoint kConAnkSmy{30.5, 39.9};
constexpr GeoPoint kCylEdiLvp{-3.6, 55.9};
constexpr GeoPoint kEdiLvpYor{-2.4, 55.2};
constexpr GeoPoint kLvpYorWal{-2.4, 53.0};
constexpr GeoPoint kYorWalLon{-1.5, 52.2};

// Sea junctions.
constexpr GeoPoint kEngIriMao{-6.3, 50.1};

} // namespace

const std::vector<GeoBorder>& Borders()
{
    static const std::vector<GeoBorder> borders = {
        // Scandinavia and Finland
        Land({{10.8, 58.95}, {11.5, 59.15}, {12.4, 60.5}, {12.2, 61.5}, {12.5, 63.0}, {14.2, 64.5},
              {15.8, 66.0}, {17.8, 68.0}, {19.5, 68.5}, kNwySweFin}),
        Land({kNwySweFin, {21.6, 69.3}, {23.0, 68.75}, {24.6, 68.65}, {25.8, 69.5}, {27.0, 70.0},
              {28.4, 69.85}, kNwyFinStp}),
        Land({kNwyFinStp, {30.0, 69.6}, {31.1, 69.9}}),
        Land({kNwySweFin, {22.0, 68.4}, {23.6, 67.3}, {23.8, 66.5}, {24.15, 65.8}, {24.2, 65.6}}),
        Land({kNwyFinStp, {28.6, 68.5}, {29.6, 67.5}, {30.0, 66.5}, {29.6, 65.5}, {30.5, 64.5},
              {30.0, 63.5}, {31.5, 62.8}, {29.8, 61.3}, {28.9, 60.6}, {28.9, 60.3}}),
        // Russia
        Land({{28.1, 59.7}, {28.0, 59.3}, {27.6, 58.5}, {28.0, 57.6}, kStpLvnMos}),
        Land({kStpLvnMos, {32.0, 57.3}, {35.0, 58.0}, {38.0, 58.5}, {42.0, 59.5}, {46.0, 60.5},
              {52.0, 61.0}}),
        Land({kStpLvnMos, {28.7, 56.0}, kLvnMosWar}),
        Land({{21.0, 55.35}, {22.5, 55.0}, kLvnPruWar}),
        Land({kLvnPruWar, {25.5, 54.6}, kLvnMosWar}),
        Land({kLvnMosWar, {28.5, 53.5}, kUkrMosWar}),
        Land({kUkrMosWar, {31.5, 52.1}, {35.0, 51.6}, kUkrSevMos}),
        Land({kUkrSevMos, {42.0, 51.5}, {46.0, 53.0}, {52.0, 54.0}}),
        Land({kRumUkrSev, {31.5, 47.6}, {34.0, 48.1}, {36.5, 49.1}, kUkrSevMos}),
        Land({kGalWarUkr, {26.5, 51.8}, kUkrMosWar}),
        Land({kGalWarUkr, {25.5, 50.0}, {26.0, 48.7}, kGalUkrRum}),
        Land({kGalUkrRum, {27.8, 48.3}, {28.8, 47.5}, kRumUkrSev}),
        Land({kRumUkrSev, {30.0, 46.3}, {30.2, 46.1}, {30.5, 45.9}}),
        Land({{41.4, 41.7}, {43.0, 41.2}, {45.0, 41.2}, {48.0, 41.5}, {52.0, 41.5}}),
        // Germany, the Low Countries and Denmark
        Land({{16.0, 54.5}, {16.2, 53.4}, kBerPruSil}),
        Land({kBerPruSil, kPruSilWar}),
        Land({kPruSilWar, {20.5, 53.3}, {22.5, 53.9}, kLvnPruWar}),
        Land({kBerPruSil, {14.7, 52.0}, kBerSilMun}),
        Land({kBerSilMun, {12.0, 51.9}, kBerMunKie}),
        Land({kBerMunKie, {11.3, 53.3}, {11.3, 53.95}, {11.3, 54.2}}),
        Land({kBerMunKie, {9.6, 52.2}, kKieMunRuh}),
        Land({kKieMunRuh, {7.7, 52.35}, kKieRuhHol}),
        Land({kKieRuhHol, {7.1, 53.0}, {7.05, 53.3}, {6.9, 53.7}}),
        Land({{8.2, 54.92}, {9.0, 54.85}, {9.9, 54.83}}),
        Land({kKieRuhHol, {6.7, 51.9}, {6.1, 51.5}, kHolRuhBel}),
        Land({kHolRuhBel, {5.0, 51.45}, {4.2, 51.38}, {3.38, 51.37}, {3.38, 51.7}}),
        Land({kHolRuhBel, {6.2, 50.4}, kBelRuhBur}),
        Land({kBelRuhBur, {4.8, 50.0}, kBelBurPic}),
        Land({kBelBurPic, {3.2, 50.6}, {2.55, 51.08}, {2.55, 51.4}}),
        Land({kBelRuhBur, {6.9, 49.1}, kRuhBurMun}),
        Land({kRuhBurMun, {8.3, 50.3}, kKieMunRuh}),
        Land({kRuhBurMun, {8.2, 48.2}, kBasel}),
        // Switzerland, all round
        Land({kBasel, {8.6, 47.75}, kBregenz, {9.5, 47.05}, {10.45, 46.85}, kBernina,
              {9.0, 45.85}, {8.4, 46.45}, {7.85, 45.95}, kMontBlanc, kGeneva, {6.1, 46.6},
              {7.0, 47.45}, kBasel}),
        // France and Iberia
        Land({kGeneva, {5.0, 46.0}, {4.3, 45.6}, kBurMarGas}),
        Land({kMontBlanc, {6.9, 45.2}, {7.0, 44.2}, {7.5, 43.78}, {7.5, 43.5}}),
        Land({kBurMarGas, {2.6, 44.4}, {2.0, 43.4}, kGasMarSpa}),
        Land({kGasMarSpa, {2.5, 42.4}, {3.15, 42.43}, {3.4, 42.43}}),
        Land({kGasMarSpa, {0.7, 42.75}, {-0.5, 42.8}, {-1.4, 43.1}, {-1.78, 43.36}, {-1.9, 43.6}}),
        Land({kBurMarGas, {3.0, 46.3}, kGasBurPar}),
        Land({{-2.3, 46.9}, {-1.0, 47.0}, kGasBrePar}),
        Land({kGasBrePar, kGasBurPar}),
        Land({kGasBurPar, {3.2, 48.0}, {3.1, 49.0}, kParBurPic}),
        Land({kParBurPic, kBelBurPic}),
        Land({kParBurPic, {1.6, 49.2}, kParPicBre}),
        Land({kParPicBre, {0.45, 49.45}, {0.05, 49.55}}),
        Land({kParPicBre, {0.0, 48.0}, kGasBrePar}),
        Land({{-9.1, 41.87}, {-8.2, 42.1}, {-6.6, 41.9}, {-6.9, 41.0}, {-7.0, 39.7}, {-7.3, 39.0},
              {-7.0, 38.2}, {-7.5, 37.5}, {-7.4, 37.18}, {-7.4, 36.9}}),
        // North Africa
        Land({{8.6, 37.2}, {8.3, 35.0}, {8.0, 33.0}, {7.5, 28.0}}),
        Land({{11.55, 33.4}, {11.5, 33.0}, {10.5, 31.5}, {10.0, 28.0}}),
        Land({{34.0, 31.6}, {34.2, 31.3}, {34.9, 29.5}, {35.0, 28.0}}),
        // Italy
        Land({kBernina, kTyrPieVen}),
        Land({kTyrPieVen, {10.2, 45.2}, kPieVenTus}),
        Land({kPieVenTus, {9.85, 44.08}, {9.85, 43.8}}),
        Land({kPieVenTus, {11.2, 44.1}, kVenTusRom}),
        Land({kVenTusRom, {11.8, 42.8}, {11.4, 42.3}, {11.2, 42.1}}),
        Land({kVenTusRom, {12.8, 43.0}, kVenRomApu}),
        Land({kVenRomApu, {14.0, 42.6}, {14.3, 42.8}}),
        Land({kVenRomApu, kRomApuNap}),
        Land({kRomApuNap, {13.8, 41.22}, {13.7, 41.0}}),
        Land({kRomApuNap, {15.5, 40.8}, {16.4, 40.4}, {16.7, 40.1}, {16.9, 39.9}}),
        Land({kTyrPieVen, {11.5, 46.3}, {12.5, 46.5}, kVenTyrTri}),
        Land({kVenTyrTri, {13.6, 45.75}, {13.5, 45.55}}),
        // Austria-Hungary and the Balkans
        Land({kVenTyrTri, kTyrTriVie}),
        Land({kBregenz, {10.5, 47.5}, {12.0, 47.7}, {13.0, 47.8}, {13.4, 48.4}, kTyrMunBoh}),
        Land({kTyrMunBoh, kTyrBohVie}),
        Land({kTyrBohVie, {14.0, 47.7}, kTyrTriVie}),
        Land({kTyrMunBoh, {12.5, 49.5}, {12.3, 50.2}, kMunBohSil}),
        Land({kMunBohSil, kBerSilMun}),
        Land({kMunBohSil, {15.5, 50.7}, {16.5, 50.2}, kBohSilGal}),
        Land({kBohSilGal, kSilGalWar}),
        Land({kSilGalWar, {18.5, 51.5}, kPruSilWar}),
        Land({kBohSilGal, kBohGalVie}),
        Land({kBohGalVie, {16.5, 48.8}, {15.0, 49.0}, kTyrBohVie}),
        Land({kBohGalVie, kVieGalBud}),
        Land({kVieGalBud, {17.2, 48.0}, {16.5, 47.2}, kVieBudTri}),
        Land({kVieBudTri, {15.2, 46.7}, kTyrTriVie}),
        Land({kVieBudTri, {17.5, 45.9}, {18.8, 45.6}, kBudTriSer}),
        Land({kVieGalBud, {20.0, 49.2}, {22.5, 49.0}, {24.0, 48.0}, kGalBudRum}),
        Land({kSilGalWar, {21.5, 50.8}, {23.5, 51.0}, kGalWarUkr}),
        Land({kGalUkrRum, kGalBudRum}),
        Land({kGalBudRum, {23.0, 47.3}, {22.0, 46.4}, kBudRumSer}),
        Land({kBudTriSer, {20.3, 45.8}, kBudRumSer}),
        Land({kBudRumSer, {22.5, 44.6}, kRumSerBul}),
        Land({kRumSerBul, {24.5, 43.7}, {26.0, 43.9}, {27.5, 44.0}, {28.58, 43.75}, {28.9, 43.75}}),
        Land({kBudTriSer, {19.4, 44.0}, {19.6, 43.3}, kSerAlbTri}),
        Land({kSerAlbTri, {19.35, 41.9}, {19.1, 41.8}}),
        Land({kSerAlbTri, {20.6, 42.0}, kSerGreAlb}),
        Land({kSerGreAlb, {20.9, 40.5}, {20.6, 39.8}, {20.15, 39.65}, {19.9, 39.6}}),
        Land({kSerGreAlb, {21.5, 41.5}, kBulSerGre}),
        Land({kRumSerBul, {22.5, 43.0}, kBulSerGre}),
        Land({kBulSerGre, {23.5, 41.4}, {23.85, 40.78}, {23.85, 40.5}}),
        Land({{28.3, 42.0}, {28.0, 41.97}, {27.0, 41.7}, {26.4, 41.3}, {26.05, 40.75}, {25.9, 40.55}}),
        // Turkey
        Land({kConAnkSmy, {30.4, 40.6}, {30.6, 41.15}, {30.6, 41.5}}),
        Land({{25.9, 39.65}, {26.2, 39.65}, {27.0, 40.0}, {28.5, 39.85}, kConAnkSmy}),
        Land({kConAnkSmy, {33.5, 39.4}, kAnkSmyArm}),
        Land({{37.6, 41.3}, {37.6, 41.0}, {37.5, 40.2}, kAnkSmyArm}),
        Land({kAnkSmyArm, kSmyArmSyr}),
        Land({kSmyArmSyr, {36.5, 37.1}, {36.1, 36.75}, {35.9, 36.5}}),
        Land({kSmyArmSyr, {40.0, 37.3}, {43.0, 37.3}, {46.0, 36.8}, {52.0, 36.8}}),
        // Britain
        Land({{-4.0, 58.9}, {-4.2, 57.6}, {-3.8, 56.6}, kCylEdiLvp}),
        Land({kCylEdiLvp, {-4.6, 55.85}, {-5.1, 55.75}}),
        Land({kCylEdiLvp, kEdiLvpYor}),
        Land({kEdiLvpYor, {-1.6, 55.5}, {-1.2, 55.5}}),
        Land({kEdiLvpYor, {-2.3, 54.3}, {-2.1, 53.5}, kLvpYorWal}),
        Land({kLvpYorWal, {-3.05, 53.3}, {-3.2, 53.5}}),
        Land({kLvpYorWal, kYorWalLon}),
        Land({kYorWalLon, {-0.5, 52.5}, {0.3, 52.9}, {0.6, 53.05}}),
        Land({kYorWalLon, {-2.0, 51.4}, {-2.3, 50.9}, {-2.3, 50.6}, {-2.3, 50.3}}),

        // Seas
        Sea({{-4.6, 58.3}, {-8.0, 61.5}, {-12.5, 65.5}, {-15.0, 75.0}}),
        Sea({{-3.2, 58.4}, {0.5, 60.8}, {5.8, 61.0}}),
        Sea({{24.0, 70.2}, {20.0, 75.0}}),
        Sea({{7.0, 58.4}, {8.9, 57.0}}),
        Sea({{9.8, 56.3}, {11.3, 56.15}, {12.0, 55.9}}),
        Sea({{12.3, 55.9}, {13.2, 56.1}}),
        Sea({{8.5, 56.0}, {6.0, 54.8}, {5.2, 53.2}}),
        Sea({{0.9, 51.2}, {2.9, 51.05}}),
        Sea({{-4.8, 50.3}, kEngIriMao, {-8.7, 51.9}}),
        Sea({kEngIriMao, {-4.4, 48.4}}),
        Sea({{-6.6, 54.75}, {-4.4, 54.85}}),
        Sea({{-9.3, 53.3}, {-20.0, 52.5}}),
        Sea({{-5.0, 37.0}, {-5.6, 35.0}}),
        Sea({{0.0, 40.3}, {8.8, 40.0}}),
        Sea({{8.9, 39.4}, {9.5, 37.2}, {9.6, 36.6}}),
        Sea({{9.0, 41.0}, {9.0, 41.6}, {9.4, 42.8}, {10.7, 43.2}}),
        Sea({{10.5, 36.6}, {12.8, 37.7}, {15.2, 37.7}, {15.65, 38.2}, {16.2, 38.6}}),
        Sea({{18.2, 40.1}, {19.7, 40.4}}),
        Sea({{22.9, 36.8}, {23.7, 35.3}}),
        Sea({{26.0, 35.2}, {27.9, 36.5}, {28.6, 37.0}}),
        Sea({{24.5, 35.1}, {24.0, 31.5}}),
        Sea({{28.9, 41.4}, {29.4, 41.05}}),
        Sea({{26.25, 40.4}, {26.55, 40.0}}),
        Sea({{17.9, 59.4}, {22.3, 57.4}}),
    };
    return borders;
}

} // namespace board
