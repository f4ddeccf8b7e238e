#pragma once
// A project names its data file by path, and the path may lead anywhere: to a key
// kept in a hidden folder, to a file of another project. What a project reads from
// its own folder tree is its own; any other file is read only once the user agreed,
// and the answer is kept in the settings file, per project file and data file, in a
// section of its own:
//
//     [FICHIERS LIES]
//     <16 hexadecimal digits naming the project file and the data file>=Oui|Non
//
// A data file the user chose in the FUSION page is agreed by that choice.

#include <QString>
#include <optional>

namespace plk {

/// True when `dataFile` lies in `projectFolder` or below it, under no hidden folder
/// (links resolved). Without a project folder nothing is inside.
bool insideProjectTree(const QString& dataFile, const QString& projectFolder);

/// The question asked before a project reads a file outside its folder tree.
QString linkedFileQuestion(const QString& dataFile);
/// Why an output stops when the file was not agreed.
QString linkedFileRefusal(const QString& dataFile);

/// The user's answers for one project file (empty for a project never saved).
class LinkedFileAnswers {
public:
    LinkedFileAnswers(QString settingsFile, QString projectFile)
        : m_settings(std::move(settingsFile)), m_project(std::move(projectFile))
    {
    }

    const QString& projectFile() const { return m_project; }
    /// The answer given for the data file; nothing when the user was never asked.
    std::optional<bool> answer(const QString& dataFile) const;
    /// Keeps the answer; false (with the system's reason) when the settings file
    /// could not be written.
    bool remember(const QString& dataFile, bool agreed, QString* reason = nullptr) const;

private:
    QString key(const QString& dataFile) const;

    QString m_settings;
    QString m_project;
};

}  // namespace plk
