// The tool box's tab pages: FOND (background, border colour, gradient, CD guides)
// and OPTIONS (size of the tab, lock, rulers, border).

#include "windows/ui/frmOutils.h"

#include "canvas/core/Etiquette.h"
#include "canvas/ui/EtiquetteView.h"
#include "gradient/ui/ucDegrade.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/PictureRequests.h"
#include "windows/ui/frmProjet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace plk {

namespace {

enum BackgroundEntry { EntryDefault, EntryColour, EntryPicture, EntryGradient, EntryBorder };

}  // namespace

// --- FOND ---------------------------------------------------------------------------------

QWidget* frmOutils::buildFondPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QGroupBox* background = addGroup(layout, QStringLiteral("Propriété du fond :"));
    m_background = addList(contents(background),
                           {QStringLiteral("Fond par défaut"), QStringLiteral("Couleur simple"),
                            QStringLiteral("Image en arrière plan"), QStringLiteral("Dégradé de couleurs"),
                            QStringLiteral("Bordure du projet")});
    m_backgroundButton = new QPushButton(QStringLiteral("Fond par défaut"), background);
    m_backgroundButton->setAutoDefault(false);
    m_backgroundButton->setEnabled(false);
    contents(background)->addWidget(m_backgroundButton);

    m_gradientGroup = addGroup(layout, QStringLiteral("Propriétés du dégradé :"));
    m_degrade = new ucDegrade(m_gradientGroup);
    m_degrade->setObjectName(QStringLiteral("Degrade"));
    contents(m_gradientGroup)->addWidget(m_degrade, 0, Qt::AlignHCenter);
    m_gradientGroup->setEnabled(false);

    QGroupBox* display = addGroup(layout, QStringLiteral("Mode d'affichage :"));
    m_display = addList(contents(display), {QStringLiteral("Affichage standard"),
                                            QStringLiteral("Afficher les limites du contour d'un CD"),
                                            QStringLiteral("Afficher les limites d'une pochette CD")});
    layout->addStretch(1);

    connect(m_background, &QListWidget::currentRowChanged, this, &frmOutils::backgroundClicked);
    connect(m_background, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { backgroundClicked(m_background->row(item)); });
    connect(m_backgroundButton, &QPushButton::clicked, this, &frmOutils::backgroundButtonClicked);
    connect(m_degrade, &ucDegrade::DrawDegrade, this, &frmOutils::drawDegrade);
    connect(m_degrade, &ucDegrade::SelectColor, this, &frmOutils::selectGradientColour);
    connect(m_display, &QListWidget::currentRowChanged, this, &frmOutils::displayClicked);
    return page;
}

void frmOutils::backgroundClicked(int entry)
{
    if (m_filling || entry < 0)
        return;
    edit([&](Etiquette& t) {
        switch (entry) {
        case EntryDefault: t.pctDefaut(); break;
        case EntryColour: t.pctFond(t.BackColor()); break;
        case EntryPicture: paintPicture(t, t.Chemin_Image()); break;
        case EntryGradient:
            if (m_degrade->Direction != -1)
                m_degrade->Refresh();  // paints the gradient through DrawDegrade
            break;
        default: break;  // the border's colour is chosen with the button; nothing is painted
        }
    });
    showBackgroundControls(entry);
}

void frmOutils::showBackgroundControls(int entry)
{
    m_gradientGroup->setEnabled(entry == EntryGradient);
    m_backgroundButton->setEnabled(entry == EntryColour || entry == EntryPicture || entry == EntryBorder);
    if (entry == EntryPicture)
        m_backgroundButton->setToolTip(QStringLiteral("Sélection d'une image"));
    else if (entry == EntryColour || entry == EntryBorder)
        m_backgroundButton->setToolTip(QStringLiteral("Sélection d'une couleur"));
    if (const QListWidgetItem* item = m_background->item(entry))
        m_backgroundButton->setText(item->text());
}

void frmOutils::backgroundButtonClicked()
{
    edit([this](Etiquette& t) {
        Dialogs& dialogs = m_menu.dialogs();
        switch (m_background->currentRow()) {
        case EntryColour:
            if (const auto colour = dialogs.colour(this, toQColor(t.BackColor())))
                t.pctFond(fromQColor(*colour));
            break;
        case EntryPicture:
            if (const auto chosen = dialogs.openFile(this, backgroundPictureRequest(t.Chemin_Image(), m_menu.paths())))
                paintPicture(t, chosen->path);
            break;
        case EntryBorder:
            if (const auto colour = dialogs.colour(this, toQColor(t.BorderColor())))
                t.setBorderColor(fromQColor(*colour));
            break;
        default: break;
        }
    });
}

void frmOutils::paintPicture(Etiquette& t, const QString& path)
{
    try {
        t.pctPicture(path);
    } catch (const EtiquetteError&) {
        m_menu.dialogs().message(this, unreadablePictureMessage(path), Dialogs::Icon::Exclamation,
                                 Dialogs::Buttons::Ok);
    }
}

void frmOutils::drawDegrade()
{
    if (m_filling || m_degrade->Direction == -1)
        return;
    edit([this](Etiquette& t) {
        t.pctDegrade(m_degrade->Direction, m_degrade->Color1, m_degrade->Color2, m_degrade->Color3);
    });
}

void frmOutils::selectGradientColour(int index)
{
    const auto colour = m_menu.dialogs().colour(this, toQColor(m_degrade->RecupColor(index)));
    if (!colour)
        return;
    m_degrade->AfficheColor(index, fromQColor(*colour));
    drawDegrade();
}

void frmOutils::displayClicked(int entry)
{
    if (m_filling || entry < 0)
        return;
    edit([entry](Etiquette& t) {
        const Etiquette::Batch batch(t);  // one repaint for both guides
        t.setCD_Disque(entry == 1);
        t.setCD_Pochette(entry == 2);
    });
}

// --- OPTIONS ------------------------------------------------------------------------------

QWidget* frmOutils::buildOptionsPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QGridLayout* grid = addGrid(addGroup(layout, QStringLiteral("Propriétés du projet :")));
    m_tabWidth = addMillimetreField(grid, 0, QStringLiteral("Largeur :"), 1);
    m_tabHeight = addMillimetreField(grid, 1, QStringLiteral("Hauteur :"), 1);

    QGroupBox* preferences = addGroup(layout, QStringLiteral("Préférences du projet :"));
    static const char* const kPreferences[3] = {"Verrouiller tous les objets du projet",
                                                "Déplacer les règles du projet", "Désactiver la bordure du projet"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kPreferences[i]), preferences);
        contents(preferences)->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, i](bool ticked) { preferenceClicked(i, ticked); });
        m_preferences[std::size_t(i)] = box;
    }
    layout->addStretch(1);

    connect(m_tabWidth.box, &TxtBox::Change, this, [this] { tabSizeChanged(true); });
    connect(m_tabHeight.box, &TxtBox::Change, this, [this] { tabSizeChanged(false); });
    return page;
}

void frmOutils::tabSizeChanged(bool width)
{
    if (m_filling)
        return;
    edit([&](Etiquette& t) {
        if (width)
            t.setPrjWidth(m_tabWidth.box->Value());
        else
            t.setPrjHeight(m_tabHeight.box->Value());
    });
}

void frmOutils::preferenceClicked(int index, bool ticked)
{
    edit([&](Etiquette& t) {
        switch (index) {
        case 0: t.setCadenas(ticked); break;
        case 1:
            t.setDepRegle(ticked);
            if (!ticked)
                activeWindow()->view(OngletOutils)->ParDefaut();  // rulers and view back in place
            break;
        case 2: t.setBordure(!ticked); break;
        default: break;
        }
    });
}

}  // namespace plk
