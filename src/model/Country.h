#pragma once

#include <cstdint>
#include <string>

class CArchive;

/// One power of the game. The colour is kept as three components of which
/// only the low bytes count; the desktop layer makes its brush from Colour().
class CCountry {
public:
    CCountry() = default;
    /// Applies the colour rule: 0, 0, 0 becomes 10, 0, 0, because black is the
    /// boundary colour of the map view's flood fills.
    CCountry(std::string name, int32_t red, int32_t green, int32_t blue);

    /// Sets the colour with the colour rule applied.
    void SetColour(int32_t red, int32_t green, int32_t blue);
    /// The colour as red + green * 256 + blue * 65536 (low bytes only).
    uint32_t Colour() const;
    /// Writes or reads name and colour; reading applies the colour rule.
    void Serialize(CArchive& ar);
    uint8_t Red() const { return static_cast<uint8_t>(m_nRed); }
    uint8_t Green() const { return static_cast<uint8_t>(m_nGreen); }
    uint8_t Blue() const { return static_cast<uint8_t>(m_nBlue); }

    std::string m_strName;
    int32_t m_nRed = 0;
    int32_t m_nGreen = 0;
    int32_t m_nBlue = 0;
};
