#include "app/core/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace plk {

namespace {

// Qt 6 gives the kinds of entry in the file dialog's list ("Folder", "Drive",
// "Unknown") their own context, which its French translation does not have yet: they
// are the words the file dialog's own context has, and takes from there.
class FileKindsInFrench final : public QTranslator {
public:
    FileKindsInFrench(const QTranslator& qt, QObject* parent) : QTranslator(parent), m_qt(qt) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        return m_qt.translate("QFileDialog", source, disambiguation, n);
    }

private:
    const QTranslator& m_qt;
};

}  // namespace

bool installQtFrench(QCoreApplication& app)
{
    // The application owns the translators: they serve for the whole run.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(new FileKindsInFrench(*translator, &app));
    return QCoreApplication::installTranslator(translator);
}

}  // namespace plk
