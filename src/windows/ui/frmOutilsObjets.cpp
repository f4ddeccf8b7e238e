// The tool box's object pages: PROJET (new objects, position, alignment), TEXTE
// (text, font, colour, styles) and LOGO (picture, size, proportions). They act on
// the object last clicked on the tab being edited.

#include "windows/ui/frmOutils.h"

#include "base/core/AppState.h"
#include "base/core/Rounding.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/NewObject.h"
#include "canvas/core/TextBoxText.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/ContentField.h"
#include "windows/ui/LogoFieldBox.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/PictureRequests.h"
#include "windows/ui/TextBoxPanel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <optional>

namespace plk {

// --- PROJET -------------------------------------------------------------------------------

QWidget* frmOutils::buildProjetPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QGroupBox* objects = addGroup(layout, QStringLiteral("Gestion des objets :"));
    auto* buttons = new QHBoxLayout;
    contents(objects)->addLayout(buttons);
    m_textObject = addButton(buttons, QStringLiteral("Objet texte"), QStringLiteral("Ajouter un objet texte"));
    m_logoObject = addButton(buttons, QStringLiteral("Objet logo"), QStringLiteral("Ajouter un objet logo"));

    QGridLayout* grid = addGrid(addGroup(layout, QStringLiteral("Position d'un objet :")));
    m_x = addMillimetreField(grid, 0, QStringLiteral("Axe des X :"), 1);
    m_y = addMillimetreField(grid, 1, QStringLiteral("Axe des Y :"), 1);
    addRotationField(grid, 2);

    QGroupBox* alignment = addGroup(layout, QStringLiteral("Alignement d'un objet :"));
    m_alignment = addList(contents(alignment),
                          {QStringLiteral("Aligner sur l'horizontal"), QStringLiteral("Aligner sur la verticale"),
                           QStringLiteral("Milieu absolu"), QStringLiteral("Justifié à gauche"),
                           QStringLiteral("Justifié à droite")});
    layout->addStretch(1);

    connect(m_textObject, &QPushButton::clicked, this, [this] { edit([](Etiquette& t) { addSelectedObject(t, Etiquette::ObjectKind::Label); }); });
    connect(m_logoObject, &QPushButton::clicked, this, [this] { edit([](Etiquette& t) { addSelectedObject(t, Etiquette::ObjectKind::Logo); }); });
    connect(m_x.box, &TxtBox::Change, this, &frmOutils::positionChanged);
    connect(m_y.box, &TxtBox::Change, this, &frmOutils::positionChanged);
    // A click on the entry already chosen aligns again (another object may be selected now).
    connect(m_alignment, &QListWidget::currentRowChanged, this, &frmOutils::alignmentClicked);
    connect(m_alignment, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { alignmentClicked(m_alignment->row(item)); });
    return page;
}

void frmOutils::positionChanged()
{
    if (m_filling)
        return;
    const auto left = number(m_x.box);
    const auto top = number(m_y.box);
    if (left && top)
        edit([&](Etiquette& t) { t.PositionObjet(m_menu.app().ObjetActif, *top, *left); });
}

void frmOutils::alignmentClicked(int entry)
{
    if (m_filling)
        return;
    Etiquette* t = surface();
    if (!t)
        return;
    if (m_menu.app().ObjetActif == 0) {
        clearAlignment();
        return;
    }
    if (entry < 0)
        return;
    const QScopedValueRollback applying(m_applying, true);
    t->AlignObjet(m_menu.app().ObjetActif, entry);
    showNumber(m_x.box, t->ObjetLeft());
    showNumber(m_y.box, t->ObjetTop());
}

// --- TEXTE --------------------------------------------------------------------------------

QWidget* frmOutils::buildTextePage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QGroupBox* content = addGroup(layout, QStringLiteral("Contenu de l'objet :"));
    m_content = new ContentField(content);
    contents(content)->addWidget(m_content);

    QGroupBox* properties = addGroup(layout, QStringLiteral("Propriétés de l'objet :"));
    auto* buttons = new QHBoxLayout;
    contents(properties)->addLayout(buttons);
    m_fontButton = addButton(buttons, QStringLiteral("Style de Police"));
    m_colourButton = addButton(buttons, QStringLiteral("Style de Couleur"));

    QGroupBox* styles = addGroup(layout, QStringLiteral("Enrichissement de l'objet :"));
    QGridLayout* grid = addGrid(styles);
    static const char* const kStyles[4] = {"Gras", "Italique", "Souligné", "Barré"};
    for (int k = 0; k < 4; ++k) {
        auto* box = new QCheckBox(QString::fromUtf8(kStyles[k]), styles);
        grid->addWidget(box, k / 2, k % 2);
        connect(box, &QCheckBox::clicked, this, [this, k](bool ticked) { styleClicked(k, ticked); });
        m_styles[std::size_t(k)] = box;
    }
    m_textBox = new TextBoxPanel(page);
    layout->addWidget(m_textBox);
    layout->addStretch(1);

    connect(m_content, &ContentField::textEdited, this, &frmOutils::contentEdited);
    connect(m_textBox, &TextBoxPanel::edited, this, &frmOutils::textBoxEdited);
    connect(m_fontButton, &QPushButton::clicked, this, &frmOutils::chooseFont);
    connect(m_colourButton, &QPushButton::clicked, this, &frmOutils::chooseColour);
    editsKind(ObjectKind::Label, page, [this](const TabObject& object) {
                                      const auto& o = static_cast<const TextElement&>(object);
                                      m_content->setText(o.Caption);
                                      m_textBox->showBox(o.box);
                                      showStyles(o.FontBold, o.FontItalic, o.FontUnderline, o.FontStrikethru);
                                  });
    return page;
}

void frmOutils::contentEdited(const QString& text)
{
    // An emptied field leaves the object's text as it was.
    if (text.isEmpty())
        return;
    edit([&](Etiquette& t) {
        const int label = t.LabelFocus();
        if (label <= 0)
            return;
        // Entrée adds a line: a text on one line then takes a box for its lines.
        if (text.contains(QLatin1Char('\n')) && !t.label(label).box)
            t.changeText(label, [&](TextElement& o) { o.box = boxFor(o, int(text.count(QLatin1Char('\n'))) + 1); });
        t.Caption(label, text);
        m_textBox->showBox(t.label(label).box);
    });
}

void frmOutils::textBoxEdited()
{
    edit([this](Etiquette& t) {
        const int label = t.LabelFocus();
        if (label <= 0) {
            m_textBox->showBox(std::nullopt);
            return;
        }
        const std::optional<TextBox> box = m_textBox->box();
        t.changeText(label, [&](TextElement& o) {
            if (!box)
                o.Caption = oneLine(o.Caption);
            o.box = !box || o.box ? box : boxFor(o, int(o.Caption.count(QLatin1Char('\n'))) + 1);
        });
        const TextElement& o = t.label(label);
        m_textBox->showBox(o.box);
        const QScopedValueRollback filling(m_filling, true);
        m_content->setText(o.Caption);
    });
}

void frmOutils::insertField(const QString& marker)
{
    // At the caret of the selected text's content, in place of what is selected there.
    const Etiquette* tab = surface();
    if (!tab || tab->LabelFocus() <= 0)
        return;
    m_content->insert(marker);
    contentEdited(m_content->text());
}

void frmOutils::chooseFont()
{
    if (m_content->text().isEmpty())
        return;
    edit([this](Etiquette& t) {
        QFont initial(t.FontName());
        initial.setPointSize(std::max<int>(1, t.FontSize()));
        initial.setBold(t.FontBold());
        initial.setItalic(t.FontItalic());
        const auto font = m_menu.dialogs().font(this, initial);
        if (!font)
            return;
        m_styles[0]->setChecked(font->bold());
        m_styles[1]->setChecked(font->italic());
        // Underline and strikethrough come from their boxes, not from the dialog.
        t.FontStyle(t.LabelFocus(), font->family(), int(roundHalfEven(font->pointSizeF())), font->bold(),
                    font->italic(), m_styles[2]->isChecked(), m_styles[3]->isChecked());
    });
}

void frmOutils::chooseColour()
{
    if (m_content->text().isEmpty())
        return;
    edit([this](Etiquette& t) {
        const auto colour = m_menu.dialogs().colour(this, toQColor(t.FontColor()));
        if (colour)
            t.FontCouleur(t.LabelFocus(), fromQColor(*colour));
    });
}

void frmOutils::styleClicked(int style, bool ticked)
{
    edit([&](Etiquette& t) {
        if (t.LabelFocus() > 0)
            t.FontStyle2(t.LabelFocus(), style, ticked);
    });
}

// --- LOGO ---------------------------------------------------------------------------------

QWidget* frmOutils::buildLogoPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page);

    QGroupBox* properties = addGroup(layout, QStringLiteral("Propriétés de l'objet :"));
    auto* buttons = new QHBoxLayout;
    contents(properties)->addLayout(buttons);
    m_import = addButton(buttons, QStringLiteral("Importer un logo"), QStringLiteral("Importer un nouveau logo"));
    m_defaultSize =
        addButton(buttons, QStringLiteral("Taille par défaut"), QStringLiteral("Restaurer les dimensions du logo"));

    QGridLayout* grid = addGrid(addGroup(layout, QStringLiteral("Dimensions de l'objet :")));
    m_logoWidth = addMillimetreField(grid, 0, QStringLiteral("Largeur :"), 1);
    m_logoHeight = addMillimetreField(grid, 1, QStringLiteral("Hauteur :"), 1);

    QGroupBox* preferences = addGroup(layout, QStringLiteral("Préférences :"));
    m_proportions = new QCheckBox(QStringLiteral("Conserver les proportions de l'objet"), preferences);
    contents(preferences)->addWidget(m_proportions);
    // A picture per label, named by a field of the tab's data file.
    m_logoField = new LogoFieldBox;
    contents(addGroup(layout, QStringLiteral("Fusion :")))->addWidget(m_logoField);
    layout->addStretch(1);

    connect(m_import, &QPushButton::clicked, this, &frmOutils::importLogo);
    connect(m_defaultSize, &QPushButton::clicked, this, &frmOutils::restoreLogoSize);
    connect(m_logoWidth.box, &TxtBox::Change, this, &frmOutils::logoSizeChanged);
    connect(m_logoHeight.box, &TxtBox::Change, this, &frmOutils::logoSizeChanged);
    connect(m_proportions, &QCheckBox::toggled, this, &frmOutils::proportionsToggled);
    editsKind(ObjectKind::Logo, page, [this](const TabObject& object) {
                                     const auto& o = static_cast<const LogoElement&>(object);
                                     showNumber(m_logoWidth.box, o.Width);
                                     showNumber(m_logoHeight.box, o.Height);
                                 });
    return page;
}

void frmOutils::importLogo()
{
    edit([this](Etiquette& t) {
        const int g = t.LogoFocus();
        if (g <= 0)
            return;
        // The path is read without touching the logo, so that Annuler leaves it as it was.
        const QString current = t.ProprietesObjet(QStringLiteral("Logo"), g, QStringLiteral("Tag")).toString();
        const auto chosen = m_menu.dialogs().openFile(this, logoPictureRequest(current, m_menu.paths()));
        if (!chosen)
            return;
        t.Image(g, chosen->path);
        if (t.ProprietesObjet(QStringLiteral("Logo"), g, QStringLiteral("Tag")).toString() != chosen->path)
            m_menu.dialogs().message(this, unreadablePictureMessage(chosen->path), Dialogs::Icon::Exclamation,
                                     Dialogs::Buttons::Ok);
        showLogoSize(t, g);
    });
}

void frmOutils::restoreLogoSize()
{
    edit([this](Etiquette& t) {
        const int g = t.LogoFocus();
        if (g <= 0)
            return;
        t.Image(g, t.ProprietesObjet(QStringLiteral("Logo"), g, QStringLiteral("Tag")).toString());
        m_proportions->setChecked(false);
        showLogoSize(t, g);
    });
}

void frmOutils::showLogoSize(Etiquette& t, int logo)
{
    showNumber(m_logoWidth.box, t.ProprietesObjet(QStringLiteral("Logo"), logo, QStringLiteral("Width")).toDouble());
    showNumber(m_logoHeight.box, t.ProprietesObjet(QStringLiteral("Logo"), logo, QStringLiteral("Height")).toDouble());
}

void frmOutils::logoSizeChanged()
{
    if (m_filling)
        return;
    const auto width = number(m_logoWidth.box);
    if (!width)
        return;
    if (m_proportions->isChecked()) {
        // The logo stays square, the width being its side.
        showNumber(m_logoHeight.box, *width);
        edit([&](Etiquette& t) { t.DimensionLogo(m_menu.app().ObjetActif, *width, *width); });
        return;
    }
    if (const auto height = number(m_logoHeight.box))
        edit([&](Etiquette& t) { t.DimensionLogo(m_menu.app().ObjetActif, *width, *height); });
}

void frmOutils::proportionsToggled(bool ticked) { m_logoHeight.setEnabled(!ticked); }

// --- the turn of any selected object, on the PROJET page ------------------------------

void frmOutils::addRotationField(QGridLayout* grid, int row)
{
    auto* caption = new QLabel(QStringLiteral("Rotation :"), grid->parentWidget());
    m_rotation = new QDoubleSpinBox(grid->parentWidget());
    m_rotation->setRange(0, 359.9);
    m_rotation->setDecimals(1);
    m_rotation->setSingleStep(1);
    m_rotation->setWrapping(true);
    m_rotation->setSuffix(QStringLiteral("°"));
    m_rotation->setKeyboardTracking(false);
    m_rotation->setToolTip(QStringLiteral("Angle de l'objet, dans le sens inverse des aiguilles d'une montre"));
    caption->setBuddy(m_rotation);
    grid->addWidget(caption, row, 0);
    grid->addWidget(m_rotation, row, 1, 1, 2);
    connect(m_rotation, &QDoubleSpinBox::valueChanged, this, [this](double degrees) {
        if (m_filling)
            return;
        edit([degrees](Etiquette& t) {
            if (const TabObject* o = t.selected())
                t.setObjectRotation(o->kind(), o->slot(), degrees);
        });
    });
}

void frmOutils::showRotation(const TabObject* object)
{
    const QScopedValueRollback filling(m_filling, true);
    m_rotation->setValue(object ? object->rotation() : 0);
}

}  // namespace plk
