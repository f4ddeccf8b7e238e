#pragma once
// A list of fifty addresses as a spreadsheet would export it: accents, commas,
// quotes and line breaks inside values.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace plk::test {

/// The fields of the address list, in order.
QStringList addressFields();
/// The fifty rows, each with one value per field; every Nom is different.
std::vector<QStringList> fiftyAddresses();

enum class CsvEncoding { Utf8, Utf8WithBom, Cp1252 };

/// The rows as a CSV file written the way spreadsheets write it: a value is quoted
/// when it holds the separator, a quote or a line break, quotes are doubled, rows
/// end in CR LF.
QByteArray csvFile(const QStringList& fields, const std::vector<QStringList>& rows, QChar separator = u';',
                   CsvEncoding encoding = CsvEncoding::Utf8);

}  // namespace plk::test
