#pragma once
// The part of the tool box's "FUSION" page that sets the tab's counter «N°» (start,
// step, digits, per sheet, carried on to the next run), the formats of «Date» and
// «Heure», and the field that gives each row's number of labels. Every edit goes to
// the tab at once.

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace plk {

class Dialogs;
class Etiquette;
struct MergeSettings;

class MergeOptionsBox : public QWidget {
    Q_OBJECT

public:
    explicit MergeOptionsBox(Dialogs& dialogs, QWidget* parent = nullptr);

    /// Shows the tab's settings (none: idle); `fields` are its data file's, offered for the copies.
    void showTab(Etiquette* tab, const QStringList& fields);

    QSpinBox* startBox() const { return m_start; }
    QSpinBox* stepBox() const { return m_step; }
    QSpinBox* widthBox() const { return m_width; }
    QCheckBox* perSheetBox() const { return m_perSheet; }
    QCheckBox* carryOnBox() const { return m_carryOn; }
    QLineEdit* dateField() const { return m_date; }
    QLineEdit* timeField() const { return m_time; }
    /// Entry 0 "une par ligne", then the fields.
    QComboBox* copiesBox() const { return m_copies; }

private:
    /// The settings as the page shows them, from the tab's.
    void apply();
    /// A format as typed, or the tab's own when it cannot be stored (the user is told).
    QString storable(QLineEdit* field, const QString& current);

    Dialogs& m_dialogs;
    QPointer<Etiquette> m_tab;
    bool m_filling = false;
    QSpinBox* m_start;
    QSpinBox* m_step;
    QSpinBox* m_width;
    QCheckBox* m_perSheet;
    QCheckBox* m_carryOn;
    QLineEdit* m_date;
    QLineEdit* m_time;
    QComboBox* m_copies;
};

}  // namespace plk
