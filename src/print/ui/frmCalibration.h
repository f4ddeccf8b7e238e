#pragma once
// "Étalonner l'imprimante...": the calibration of the printer chosen in the print
// set-up. It prints the test sheet, and keeps the offsets and scales the user
// measured on it for that printer; every job on the printer then follows them (the
// preview does not: it shows the sheets as laid out).
//
// Modal without a nested event loop: opening returns at once; "OK" keeps the values.

#include "print/core/Calibration.h"

#include <QDialog>
#include <array>

class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace plk {

class PrintCommands;

class frmCalibration : public QDialog {
    Q_OBJECT

public:
    explicit frmCalibration(PrintCommands& commands, QWidget* parent = nullptr);

    /// Loads the printer's kept values and shows the dialog modally.
    void showFor(const QString& printer);
    const QString& printer() const { return m_printer; }

    /// 0 horizontal offset, 1 vertical offset (mm), 2 horizontal scale, 3 vertical
    /// scale (%), 4 and 5 the back's offsets (mm).
    QDoubleSpinBox* field(int index) const { return m_fields.at(std::size_t(index)); }
    /// The values of the fields.
    Calibration values() const;
    QPushButton* printButton() const { return m_print; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    /// Keeps the values for the printer; a settings file that cannot be written is
    /// said, and the dialog stays open.
    void accept() override;

private:
    void setValues(const Calibration& c);

    PrintCommands& m_commands;
    QString m_printer;
    QLabel* m_name;
    std::array<QDoubleSpinBox*, 6> m_fields{};
    QPushButton* m_print;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace plk
