#include "settings.h"

#include <cmath>

qint16 toInt16(double number)
{
    if (!std::isfinite(number))
        return 0;
    const double r = std::round(number);
    if (r > 32767)
        return 32767;
    if (r < -32768)
        return -32768;
    return qint16(r);
}
