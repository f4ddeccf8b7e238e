#pragma once
// The Gabarits menu: one entry per template file of the templates folder, then one per
// template installed with the program that the user has no file of the same name for;
// opening a template as a new, unsaved project, and saving a project as a template.

#include <QFileInfo>
#include <QObject>
#include <QVector>

class QAction;

namespace plk {

class MainWindowServices;
class frmProjet;

class TemplateMenu : public QObject {
    Q_OBJECT

public:
    explicit TemplateMenu(MainWindowServices& menu);

    /// Rebuilds the template entries from the templates folder.
    void RefreshTemplateMenu();
    /// Opens the template of entry `index` (from 0); the placeholder does nothing.
    void Mnu_File_Gabarits_Click(int index);
    /// Writes the window's project into the templates folder.
    void SaveAsTemplate(frmProjet& window);

    /// The entries after the separator: `Mnu_File_Gabarits`.
    const QVector<QAction*>& entries() const { return m_entries; }

    static const QString& placeholder();

private:
    /// The user's templates, then the installed ones the user's do not hide.
    QList<QFileInfo> templateFiles() const;

    MainWindowServices& m_menu;
    QVector<QAction*> m_entries;
};

/// Copies the templates that come with the program into a templates folder that was
/// just created, so a first start already offers a few useful designs.
void installShippedTemplates(const QString& templatesFolder);

}  // namespace plk
