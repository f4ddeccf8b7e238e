#pragma once
// The tool box's choice, on the "LOGO" page, of the data field whose value names the
// picture file each label's logo shows: "(aucune)" keeps the logo's own picture on
// every label. Only a selected logo of a tab that has a data file can take one.

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QComboBox;

namespace plk {

class Etiquette;

class LogoFieldBox : public QWidget {
    Q_OBJECT

public:
    explicit LogoFieldBox(QWidget* parent = nullptr);

    /// Follows the tab (none: idle), whose data file has `fields`.
    void showTab(Etiquette* tab, const QStringList& fields);

    /// Entry 0 "(aucune)", then the fields.
    QComboBox* fieldBox() const { return m_field; }

private:
    /// Shows the selected logo's field, or nothing to choose.
    void refresh();
    void choose(int entry);

    QPointer<Etiquette> m_tab;
    QStringList m_fields;
    bool m_filling = false;
    QComboBox* m_field;
};

}  // namespace plk
