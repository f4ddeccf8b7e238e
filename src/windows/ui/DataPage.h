#pragma once
// The tool box's "FUSION" page (mail merge): the tab's data file (chosen, or taken away), its
// fields and number of rows, a field (or a built-in marker) put into the selected text as
// «Nom», the label of the first sheet the first row goes to, the counter, dates and
// copies, and the row the canvas shows.

#include "merge/core/LinkedFiles.h"
#include "merge/core/RowValues.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace plk {

class DataTable;
class Dialogs;
class Etiquette;
class MergeOptionsBox;

class DataPage : public QWidget {
    Q_OBJECT

public:
    explicit DataPage(Dialogs& dialogs, QWidget* parent = nullptr);
    ~DataPage() override;

    /// Shows the tab's settings (none: the page is idle). A data file chosen for it is
    /// kept relative to `projectFolder` when it lies there. A file outside the project's
    /// folder tree is read only when `answers` say the user agreed to it.
    void showTab(Etiquette* tab, const QString& projectFolder,
                 std::optional<LinkedFileAnswers> answers = std::nullopt);

    QLineEdit* fileField() const { return m_file; }
    QPushButton* chooseButton() const { return m_choose; }
    QPushButton* removeButton() const { return m_remove; }
    /// "6 champs, 50 lignes" (and a warning about the file), or why the file cannot be read.
    QLabel* summary() const { return m_summary; }
    QListWidget* fieldList() const { return m_fields; }
    QPushButton* insertButton() const { return m_insert; }
    QSpinBox* firstLabelBox() const { return m_firstLabel; }
    QLabel* rowIndicator() const { return m_row; }
    /// The counter, dates and copies.
    MergeOptionsBox* options() const { return m_options; }
    /// 0 first row, 1 previous, 2 next, 3 last.
    QToolButton* rowButton(int index) const { return m_moves.at(std::size_t(index)); }

Q_SIGNALS:
    /// A field's marker for the caret of the selected text.
    void insertField(const QString& marker);
    /// The page shows the tab (or none) whose data file has `fields` (none when it cannot be read).
    void fieldsShown(Etiquette* tab, const QStringList& fields);

private:
    void chooseFile();
    void removeFile();
    void firstLabelChanged(int label);
    void moveRow(RowMove move);
    void refresh();
    /// Reads the tab's data file again when it is another one than the one read last.
    void readTable();

    Dialogs& m_dialogs;
    QPointer<Etiquette> m_tab;
    QString m_folder;
    std::optional<LinkedFileAnswers> m_answers;
    std::shared_ptr<const DataTable> m_table;
    QString m_tableFile;
    QString m_error;  // why the file cannot be read, or what to know of a file read
    bool m_filling = false;

    QLineEdit* m_file;
    QPushButton* m_choose;
    QPushButton* m_remove;
    QLabel* m_summary;
    QListWidget* m_fields;
    QPushButton* m_insert;
    QSpinBox* m_firstLabel;
    MergeOptionsBox* m_options;
    QLabel* m_row;
    std::array<QToolButton*, 4> m_moves{};
};

}  // namespace plk
