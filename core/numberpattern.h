#pragma once

#include <QString>
#include <QStringView>

/**
 * A number through a number pattern: '#' digit places without leading zeros, '0' digit places
 * that show zeros, a comma between integer places groups thousands, the first '.' among the
 * places starts the decimals, rounding is half away from zero, a minus sign leads negative
 * results that do not round to zero; every other character is copied. "" for infinities and NaN.
 */
QString formatNumber(double number, QStringView pattern);
