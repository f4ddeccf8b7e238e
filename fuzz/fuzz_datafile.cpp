// The data-file reader on any bytes (CSV, or an address book of vCards when the bytes
// start like one, in any mix of UTF-8 and stray bytes): within its limits whatever it
// reads, every row's values found again by field, and a text filled from each row
// with the counter and dates beside its fields.
#include "FuzzSupport.h"

#include "merge/core/DataFile.h"
#include "merge/core/RowValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = plk::fuzz::bytes(data, size);
    const plk::DataFileResult read = plk::readDataBytes(input, QStringLiteral("fuzz.csv"));
    if (!read.ok()) {
        if (!read.error.startsWith(QStringLiteral("Fichier de données « fuzz.csv »")))
            plk::fuzz::finding("an error that does not name the file", read.error);
        return 0;
    }
    const plk::DataTable& table = read.table;
    if (table.rowCount() > plk::kMaxDataRows || table.fields().size() > plk::kMaxDataFields)
        plk::fuzz::finding("a table beyond the limits", QString::number(table.rowCount()));
    const plk::BuiltInValues builtIns(plk::MergeSettings(), QDateTime(QDate(2026, 1, 1), QTime(9, 0)), QLocale::c());
    QString text = QStringLiteral("«N°» ");
    for (const QString& field : table.fields())
        text += QStringLiteral("«") + field + QStringLiteral("» ");
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int field = 0; field < int(table.fields().size()); ++field)
            if (table.value(row, field).size() > input.size())
                plk::fuzz::finding("a value longer than the file", table.value(row, field));
        const QString filled = plk::RowValues(&table, row, &builtIns, row).line(text);
        if (filled.size() > text.size() + input.size() * int(table.fields().size()) + 16)
            plk::fuzz::finding("a filled text longer than its values", filled.left(200));
    }
    return 0;
}
