#include "app/ui/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace plk {

namespace {

struct Topic {
    const char* key;
    const char* target;
};

// Dialog captions that carry a project's name are matched on their beginning.
constexpr Topic kTopics[] = {
    {"Index de l'aide", "index.html"},
    {"Historique des versions", "historique.html"},
    {"Licence d'exploitation", "licence.html"},
    {"Préférences du logiciel", "dialogues.html#preferences"},
    {"Imprimer", "dialogues.html#imprimer"},
    {"Aperçu", "dialogues.html#apercu"},
    {"Exporter dans une image", "dialogues.html#exporter"},
    {"Créer un nouveau projet", "dialogues.html#assistant"},
    {"Ajouter un nouvel onglet", "dialogues.html#assistant"},
    {" Boite à outils", "dialogues.html#outils"},
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Aide de Plakatorium"));
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(720, 560);
}

QString HelpWindow::topicFor(const QString& key)
{
    for (const Topic& t : kTopics)
        if (key.startsWith(QString::fromUtf8(t.key)))
            return QString::fromUtf8(t.target);
    return QStringLiteral("index.html");
}

void HelpWindow::ShowHelpTopic(const QString& key)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + topicFor(key)));
    show();
    raise();
    activateWindow();
}

}  // namespace plk
