#include "batch/core/ProductCommands.h"

#include "batch/core/BatchCommands.h"
#include "canvas/core/Etiquette.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ProductLayout.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "settings/core/AppPaths.h"

#include <QJsonDocument>

namespace plk {

namespace {

/// "--catalogue DIR" (tests, a catalogue of one's own) in place of the usual folders;
/// the other arguments are left in `args`.
QStringList catalogueFolders(QStringList& args)
{
    QStringList folders;
    for (qsizetype i = args.indexOf(QStringLiteral("--catalogue")); i >= 0 && i + 1 < args.size();
         i = args.indexOf(QStringLiteral("--catalogue"))) {
        folders << args[i + 1];
        args.remove(i, 2);
    }
    return folders.isEmpty() ? Catalogue::defaultFolders(AppPaths::forRunningProgram().programFolder()) : folders;
}

int listProducts(const QStringList& words, const Catalogue& catalogue, QTextStream& out)
{
    for (const Product* p : catalogue.search(words.join(QLatin1Char(' '))))
        out << QJsonDocument(productJson(*p)).toJson(QJsonDocument::Compact) << '\n';
    return BatchOk;
}

int newProject(QStringList args, const Catalogue& catalogue, QTextStream& err)
{
    // new OUT --product "BRAND PART" [--name NAME]
    const QString file = args.value(1);
    QString productName;
    QString name;
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--product"))
            productName = args[i + 1];
        else if (args[i] == QLatin1String("--name"))
            name = args[i + 1];
        else
            return BatchUsageError;
    }
    if (file.isEmpty() || productName.isEmpty() || args.size() % 2 != 0)
        return BatchUsageError;
    const Product* product = catalogue.find(productName);
    if (!product) {
        err << QStringLiteral("produit « %1 » introuvable dans le catalogue").arg(productName) << '\n';
        return BatchInputError;
    }
    if (name.isEmpty())
        name = product->name();
    Project project(name);
    Etiquette& tab = project.tab(1);
    tab.NewProjet(withoutSeparators(name), product->label.size.width(), product->label.size.height(),
                  kColorWindowBackground, kColorWindowFrame, false, false, true);
    useProduct(tab, *product);
    const QString reason = writeProjectFile(file, project, RegionalFormat::system());
    if (!reason.isEmpty()) {
        err << QStringLiteral("%1 : écriture impossible (%2)").arg(file, reason) << '\n';
        return BatchInputError;
    }
    return BatchOk;
}

}  // namespace

bool isProductCommand(const QStringList& args)
{
    return args.value(0) == QLatin1String("products") || args.value(0) == QLatin1String("new");
}

int runProductCommand(const QStringList& commandLine, QTextStream& out, QTextStream& err)
{
    QStringList args = commandLine;
    const Catalogue catalogue(catalogueFolders(args));
    const int exit = args[0] == QLatin1String("products") ? listProducts(args.mid(1), catalogue, out)
                                                          : newProject(args, catalogue, err);
    if (exit == BatchUsageError)
        err << QStringLiteral("Utilisation : plakatorium-batch new SORTIE --product \"MARQUE REFERENCE\" [--name NOM]")
            << '\n';
    return exit;
}

}  // namespace plk
