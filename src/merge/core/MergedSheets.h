#pragma once
// Where the rows of a data file go on the sheets: one label per row (or as many as
// the row's copies), in the layout's order (across, then down, then the next sheet),
// starting at a chosen label of the first sheet. The number of sheets follows from
// the rows.

#include <QtGlobal>
#include <vector>

namespace plk {

class DataTable;
struct MergeSettings;

class MergedSheets {
public:
    /// `firstLabel` counts from 1 and is brought into 1..labelsPerSheet.
    MergedSheets(int labelsPerSheet, int firstLabel, int rowCount);
    /// The same with each row's number of labels (0 leaves the row out).
    MergedSheets(int labelsPerSheet, int firstLabel, const std::vector<int>& copies);
    /// The sheets of the table's rows with the settings' first label and copies.
    static MergedSheets of(const DataTable& table, const MergeSettings& settings, int labelsPerSheet);
    /// The same for labels that start after `skipped` labels of the first sheet
    /// (0 to labelsPerSheet: the whole first sheet may be left).
    static MergedSheets of(const DataTable& table, const MergeSettings& settings, int labelsPerSheet, int skipped);

    /// The labels the rows fill.
    qint64 labelCount() const;

    int labelsPerSheet() const { return m_perSheet; }
    /// The label of the first sheet that gets the first row, from 0.
    int firstSlot() const { return m_firstSlot; }
    int rowCount() const { return m_rows; }
    /// 0 when there is no row.
    int sheetCount() const;

    /// The row printed at a label (sheet and label from 0); -1 when the label stays
    /// empty (before the first label, or after the last row).
    int rowAt(int sheet, int label) const;

private:
    int m_perSheet;
    int m_firstSlot;
    int m_rows;
    std::vector<qint64> m_ends;  // the labels of the rows up to each; empty for one each
};

}  // namespace plk
