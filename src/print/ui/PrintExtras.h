#pragma once
// The print set-up's fields after the original ones: the paper and its orientation
// (a custom size in millimetres), the copies and their collation, the labels'
// outlines, crop marks and a mirrored sheet, and "Choisir un produit...".

#include "base/core/Records.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace plk {

class TxtBox;

class PrintExtras : public QWidget {
    Q_OBJECT

public:
    explicit PrintExtras(QWidget* parent);

    /// Shows the settings' paper and options.
    void load(const PrintSettings& settings);
    /// `settings` with the paper and options the fields show: none for A4 portrait
    /// and for the default options, so that such a tab is written as before.
    PrintSettings stored(PrintSettings settings) const;

    QComboBox* paperList() const { return m_paper; }
    QComboBox* orientationList() const { return m_orientation; }
    TxtBox* paperWidth() const { return m_width; }
    TxtBox* paperHeight() const { return m_height; }
    TxtBox* copies() const { return m_copies; }
    QCheckBox* collate() const { return m_collate; }
    QCheckBox* outlines() const { return m_outlines; }
    QCheckBox* cropMarks() const { return m_cropMarks; }
    QCheckBox* mirror() const { return m_mirror; }
    QPushButton* productButton() const { return m_product; }

Q_SIGNALS:
    /// The user changed a field.
    void edited();

private:
    int customIndex() const;
    void paperChosen();

    QComboBox* m_paper;
    QComboBox* m_orientation;
    TxtBox* m_width;
    TxtBox* m_height;
    TxtBox* m_copies;
    QCheckBox* m_collate;
    QCheckBox* m_outlines;
    QCheckBox* m_cropMarks;
    QCheckBox* m_mirror;
    QPushButton* m_product;
    QString m_customName;  // a product's paper that is none of the list's
    bool m_loading = false;
};

}  // namespace plk
