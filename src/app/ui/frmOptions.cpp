#include "app/ui/frmOptions.h"

#include "app/ui/TaskPaneSetup.h"
#include "base/core/AppState.h"
#include "settings/core/AppPaths.h"
#include "settings/core/Settings.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/ReadingOrder.h"
#include "windows/ui/MainWindowServices.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace plk {

namespace {

std::int16_t& option(AppOptions& o, int index)
{
    std::int16_t* options[5] = {&o.Afficher, &o.Animation, &o.Position, &o.Maximiser, &o.Boite};
    return *options[index];
}

}  // namespace

frmOptions::frmOptions(MainWindowServices& menu)
    : QDialog(menu.mainWidget()), m_menu(menu)
{
    setWindowTitle(QStringLiteral("Préférences du logiciel"));
    setModal(true);
    static const char* const kCaptions[5] = {
        "Ne pas aficher le groupe de menu au démarrage", "Désactiver l'animation de chaque groupe",
        "Afficher le goupe de menu sur la droite", "Maximiser la fenêtre d'un projet à son ouverture",
        "Afficher automatiquement la boite à outils"};
    for (int i = 0; i < 5; ++i) {
        m_boxes[std::size_t(i)] = new QCheckBox(QString::fromUtf8(kCaptions[i]), this);
        connect(m_boxes[std::size_t(i)], &QCheckBox::toggled, this, [this, i](bool on) { boxChanged(i, on); });
    }
    auto* projects = new QGroupBox(QStringLiteral("Gestions des projets :"), this);
    auto* projectsLayout = new QVBoxLayout(projects);
    projectsLayout->addWidget(m_boxes[3]);
    projectsLayout->addWidget(m_boxes[4]);
    auto* pane = new QGroupBox(QStringLiteral("Groupes de menu XP :"), this);
    auto* paneLayout = new QVBoxLayout(pane);
    for (int i = 0; i < 3; ++i)
        paneLayout->addWidget(m_boxes[std::size_t(i)]);

    auto* okButton = new QPushButton(QStringLiteral("Ok"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    auto* helpButton = new QPushButton(QStringLiteral("Aide"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &frmOptions::ok);
    connect(cancelButton, &QPushButton::clicked, this, &frmOptions::cancel);
    connect(helpButton, &QPushButton::clicked, this, [this] {
        if (m_menu.commandParts().showHelp)
            m_menu.commandParts().showHelp(windowTitle());
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(projects);
    layout->addWidget(pane);
    layout->addWidget(new Line3D(this));
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    ReadingOrder::follow(this);
}

void frmOptions::boxChanged(int index, bool ticked)
{
    option(m_menu.app().Options, index) = ticked ? 1 : 0;
    if (index <= 2)
        applyTaskPaneOptions(m_menu);
}

void frmOptions::SaveLoadOptions(int mode)
{
    const QString ini = m_menu.paths().settingsFile();
    if (mode == -1) {
        m_menu.reportSettingsFailure(saveOptions(ini, m_menu.app().Options));
    } else if (mode == 0) {
        const auto values = loadOptions(ini);
        // A missing value reads as unticked, so Annuler undoes a change even before the
        // first Ok; a box set to the value it has changes nothing.
        for (int i = 0; i < 5; ++i)
            m_boxes[std::size_t(i)]->setChecked(values[std::size_t(i)].value_or(0) == 1);
    }
}

void frmOptions::showEvent(QShowEvent* event)
{
    const QRect main = m_menu.mainWidget()->geometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
    SaveLoadOptions(0);
    QDialog::showEvent(event);
}

void frmOptions::ok()
{
    SaveLoadOptions(-1);
    accept();
}

void frmOptions::cancel()
{
    SaveLoadOptions(0);
    QDialog::reject();
}

}  // namespace plk
