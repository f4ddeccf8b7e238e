#include "windows/ui/frmAssist.h"

#include "base/core/AppState.h"
#include "base/core/Rounding.h"
#include "base/core/Twips.h"
#include "canvas/core/Etiquette.h"
#include "catalogue/core/ProductLayout.h"
#include "catalogue/ui/ProductChooser.h"
#include "gradient/ui/ucDegrade.h"
#include "settings/core/AppPaths.h"
#include "widgets/ui/Dialogs.h"
#include "widgets/ui/HeaderPlus.h"
#include "widgets/ui/Line3D.h"
#include "widgets/ui/ReadingOrder.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/MainWindowServices.h"
#include "windows/ui/frmProjet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace plk {

namespace {

constexpr int kWidthTwips = 6900;
constexpr int kDefaultWidthMm = 80;
constexpr int kDefaultHeightMm = 50;
constexpr OleColor kDefaultColours[2] = {kColorWindowBackground, kColorWindowFrame};

struct ModeTexts {
    const char* caption;
    const char* subtitle;
    const char* steps[3];
    const char* confirm;
};

constexpr ModeTexts kNewProject{"Créer un nouveau projet",
                                "Trois étapes seulement pour créer votre projet",
                                {"Etape 1 - Déterminez un nom pour votre projet :",
                                 "Etape 2 - Déterminez les dimensions de votre projet :",
                                 "Etape 3 - Déterminez les couleurs de votre projet :"},
                                "Créer"};
constexpr ModeTexts kNewTab{"Ajouter un nouvel onglet",
                            "Ajouter un nouvel onglet dans votre projet",
                            {"Déterminez un nouveau nom pour cet onglet :",
                             "Déterminez les dimensions du projet pour cet onglet :",
                             "Déterminez les couleurs du projet pour cet onglet :"},
                            "Ajouter"};

QLabel* addHeading(QVBoxLayout* layout, QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    return label;
}

}  // namespace

QString properCase(const QString& text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar& c : result) {
        if (c.isSpace()) {
            wordStart = true;
        } else if (wordStart) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}

frmAssist::frmAssist(MainWindowServices& menu)
    : QDialog(menu.mainWidget()),
      m_menu(menu),
      m_banner(new HeaderPlus(this)),
      m_name(new QLineEdit(this)),
      m_noBorder(new QCheckBox(QStringLiteral("Sans bordure"), this)),
      m_showToolBox(new QCheckBox(QStringLiteral("Afficher la boite à outils après la création du projet"), this)),
      m_productButton(new QPushButton(QStringLiteral("Choisir un produit..."), this))
{
    setModal(true);
    m_banner->setPicture(QIcon(QStringLiteral(":/icons/plakatorium.svg")).pixmap(64, 64));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(0);
    layout->addWidget(m_banner);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 8, 16, 0);
    body->setSpacing(6);
    layout->addLayout(body);

    // Step 1: the name.
    m_steps[0] = addHeading(body, this);
    auto* nameRow = new QHBoxLayout;
    nameRow->setContentsMargins(16, 0, 0, 0);
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(new QLabel(QStringLiteral("(sans extension)"), this));
    body->addLayout(nameRow);

    // Step 2: the size.
    m_steps[1] = addHeading(body, this);
    auto* sizes = new QGridLayout;
    sizes->setContentsMargins(16, 0, 0, 0);
    body->addLayout(sizes);
    m_width = addMillimetreField(sizes, 0, QStringLiteral("Largeur :"), kDefaultWidthMm);
    m_height = addMillimetreField(sizes, 1, QStringLiteral("Hauteur :"), kDefaultHeightMm);
    sizes->setColumnStretch(3, 1);

    // Step 3: the colours.
    m_steps[2] = addHeading(body, this);
    auto* colours = new QGridLayout;
    colours->setContentsMargins(16, 0, 0, 0);
    body->addLayout(colours);
    static const char* const kCaptions[2] = {"Arrière plan :", "Bordure :"};
    static const char* const kTips[2] = {"Couleur d'arrière plan", "Couleur de la bordure"};
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(QString::fromUtf8(kCaptions[i]), this);
        auto* swatch = new ColorWell(this);
        swatch->setFocusPolicy(Qt::NoFocus);
        swatch->setCursor(Qt::ArrowCursor);
        swatch->setAttribute(Qt::WA_TransparentForMouseEvents);
        swatch->setFixedSize(48, 20);
        auto* button = new QPushButton(QStringLiteral("..."), this);
        button->setToolTip(QString::fromUtf8(kTips[i]));
        button->setAutoDefault(false);
        button->setFixedWidth(28);
        connect(button, &QPushButton::clicked, this, [this, i] { pickColour(i + 1); });
        colours->addWidget(caption, i, 0);
        colours->addWidget(swatch, i, 1);
        colours->addWidget(button, i, 2);
        m_swatches[std::size_t(i)] = swatch;
        m_colourButtons[std::size_t(i)] = button;
        if (i == 1)
            m_borderCaption = caption;
    }
    colours->addWidget(m_noBorder, 1, 3);
    colours->setColumnStretch(4, 1);
    body->addWidget(m_showToolBox);
    body->addSpacing(4);
    layout->addWidget(new Line3D(this));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 8, 16, 0);
    // A maker's product sets the size, and the new tab's sheet layout and paper.
    m_productButton->setAutoDefault(false);
    connect(m_productButton, &QPushButton::clicked, this, [this] { productChooser()->open(); });
    buttons->addWidget(m_productButton);
    buttons->addStretch(1);
    static const char* const kButtons[3] = {"Créer", "Annuler", "Aide"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kButtons[i]), this);
        // Enter confirms only through the name field, never twice through a default button.
        button->setAutoDefault(false);
        buttons->addWidget(button);
        m_buttons[std::size_t(i)] = button;
    }
    layout->addLayout(buttons);

    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_buttons[0]->setEnabled(!text.isEmpty()); });
    connect(m_name, &QLineEdit::returnPressed, this, [this] {
        if (!m_name->text().isEmpty())
            create();
    });
    connect(m_noBorder, &QCheckBox::toggled, this, [this](bool ticked) {
        m_borderCaption->setEnabled(!ticked);
        m_colourButtons[1]->setEnabled(!ticked);
    });
    connect(m_buttons[0], &QPushButton::clicked, this, &frmAssist::create);
    connect(m_buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(m_buttons[2], &QPushButton::clicked, this, [this] {
        m_menu.showHelp(windowTitle());
    });
    load();
    setFixedSize(std::max(sizeHint().width(), twipsToPixels(kWidthTwips)), sizeHint().height());
    ReadingOrder::follow(this);
}

QLabel* frmAssist::Label1(int index) const
{
    switch (index) {
    case 0: return m_steps[0];
    case 2: return m_steps[1];
    case 7: return m_steps[2];
    default: return nullptr;
    }
}

void frmAssist::Afficher(bool addTabMode, frmProjet* window)
{
    AddTabMode = addTabMode;
    TabWindow = window;
    exec();
}

void frmAssist::showEvent(QShowEvent* event)
{
    load();
    QDialog::showEvent(event);
}

void frmAssist::load()
{
    const ModeTexts& texts = AddTabMode ? kNewTab : kNewProject;
    setWindowTitle(QString::fromUtf8(texts.caption));
    m_banner->setCaption1(QString::fromUtf8(texts.caption));
    m_banner->setCaption2(QString::fromUtf8(texts.subtitle));
    for (std::size_t i = 0; i < m_steps.size(); ++i)
        m_steps[i]->setText(QString::fromUtf8(texts.steps[i]));
    m_buttons[0]->setText(QString::fromUtf8(texts.confirm));

    m_name->clear();
    m_buttons[0]->setEnabled(false);
    for (const auto& [field, value] : {std::pair{m_width.box, kDefaultWidthMm}, std::pair{m_height.box, kDefaultHeightMm}}) {
        field->setValue(value);
        field->setText(QString::number(value));
    }
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->setColour(kDefaultColours[i]);
    m_product.reset();
    m_noBorder->setChecked(false);
    m_showToolBox->setChecked(false);
    m_showToolBox->setEnabled(!AddTabMode);
    m_name->setFocus();

    const QRect main = m_menu.mainWidget()->frameGeometry();
    move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
}

ProductChooser* frmAssist::productChooser()
{
    if (!m_chooser) {
        m_chooser = new ProductChooser(Catalogue::defaultFolders(m_menu.paths().programFolder()), this);
        connect(m_chooser, &ProductChooser::productChosen, this, &frmAssist::takeProduct);
    }
    return m_chooser;
}

void frmAssist::takeProduct(const Product& product)
{
    // The fields show whole millimetres within their range; the tab gets the exact size.
    for (const auto& [field, mm] : {std::pair{m_width.box, product.label.size.width()},
                                    std::pair{m_height.box, product.label.size.height()}}) {
        field->setValue(roundClamped<int>(mm));
        field->setText(QString::number(field->Value()));
    }
    m_product = product;
    m_productFields = {m_width.box->Value(), m_height.box->Value()};
    if (m_name->text().isEmpty())
        m_name->setText(product.name());
}

std::optional<Product> frmAssist::chosenProduct() const
{
    if (m_product && m_productFields == QPoint(m_width.box->Value(), m_height.box->Value()))
        return m_product;
    return std::nullopt;
}

void frmAssist::pickColour(int index)
{
    ColorWell* swatch = pctFond(index);
    if (const auto colour = m_menu.dialogs().colour(this, toQColor(swatch->colour())))
        swatch->setColour(fromQColor(*colour));
}

void frmAssist::create()
{
    TxtBox::settleAll(this);
    const QString typed = m_name->text();
    if (typed.trimmed().isEmpty())
        return;
    const QString name = properCase(typed);
    const double width = m_width.box->Value();
    const double height = m_height.box->Value();
    const OleColor back = m_swatches[0]->colour();
    const OleColor border = m_swatches[1]->colour();
    const bool bordure = !m_noBorder->isChecked();
    const std::optional<Product> product = chosenProduct();

    if (!AddTabMode) {
        frmProjet* window = m_menu.createProjectWindow(typed);
        window->surface(1).NewProjet(name, width, height, back, border, false, false, bordure);
        if (product)
            useProduct(window->surface(1), *product);
        window->setCaption(typed);
        window->project().setTabCaption(1, typed);
        if (m_showToolBox->isChecked())
            m_menu.app().BoiteVisible = true;
        accept();
        m_menu.showProjectWindow(window);
        return;
    }
    frmProjet* window = TabWindow.data();
    if (!window) {  // no project window to add the tab to
        reject();
        return;
    }
    Etiquette& tab = window->project().addTab(typed);
    const int n = window->tabCount();
    tab.NewProjet(name, width, height, back, border, false, false, bordure);
    if (product)
        useProduct(tab, *product);
    window->project().setTabCaption(n, typed);
    accept();
    window->selectTab(n);
}

}  // namespace plk
