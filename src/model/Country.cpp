#include "model/Country.h"

#include <utility>

CCountry::CCountry(std::string name, int32_t red, int32_t green, int32_t blue)
    : m_strName(std::move(name))
{
    SetColour(red, green, blue);
}

void CCountry::SetColour(int32_t red, int32_t green, int32_t blue)
{
    if (red == 0 && green == 0 && blue == 0)
        red = 10;
    m_nRed = red;
    m_nGreen = green;
    m_nBlue = blue;
}

uint32_t CCountry::Colour() const
{
    return uint32_t(Red()) | (uint32_t(Green()) << 8) | (uint32_t(Blue()) << 16);
}
