#pragma once
// A number of a spreadsheet cell shown as its number format says (the format codes of Office Open
// XML workbooks): "00000" gives 1001 as "01001", "#,##0.00" groups thousands, "0%" multiplies by a
// hundred, "dd.mm.yyyy" and the like show a serial day number as a date. Quoted text and escaped
// characters of a format are kept; colours and locale tags are dropped. Decimal point and thousands
// separator are "." and " ".

#include <QString>

namespace cellformat {

// The format code of a built-in number format of Office Open XML (ids 0 to 49), empty when the id
// is not one.
QString builtInFormat(int id);

// The number shown as `format` says; "General" or an empty format shows it plainly (an integral
// number without a decimal point). `date1904`: serial days count from 1904-01-01 instead of 1899-12-30.
QString formatNumber(double value, const QString &format, bool date1904 = false);

} // namespace cellformat
