#include "app/ui/HelpWindow.h"

#include "widgets/core/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

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
    // A modal dialog blocks every window but those that belong to it: the help
    // becomes the dialog's own (transient) window, which also keeps it above the
    // dialog. Without a dialog it belongs to the main window again.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner && parentWidget())
        owner = parentWidget()->window();
    if (owner) {
        winId();  // the native window, whose owner is set below
        windowHandle()->setTransientParent(owner->windowHandle());
        if (!isVisible())
            placeOnScreen(*owner);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::placeOnScreen(const QWidget& owner)
{
    const QScreen* screen = owner.screen();
    if (!screen)
        return;
    // The frame around the window is not known before it is shown: leave room for a
    // title bar and borders of the usual size.
    const QMargins frame(8, 32, 8, 8);
    const QRect outer = plk::placeBeside(owner.frameGeometry(), size().grownBy(frame), screen->availableGeometry());
    setGeometry(outer - frame);
}

}  // namespace plk
